// Reading the S-curve table.
#include "pattern/SigmoidalCurves.h"

#include "base/Catalog.h"
#include "units/ValueFormat.h"

namespace kinemo {

TSigmoidalCurves::TSigmoidalCurves(TCatalogQuery& query) {
    query.Close();
    query.SetSQL("select * from m_sigmoidal_curve order by msc_cd");
    query.Open();
    for (; !query.Eof(); query.Next()) {
        TSigmoidalCurve c;
        c.Code = static_cast<int>(query.AsInteger("msc_cd"));
        c.DriveCaption = query.AsString("msc_drive_caption");
        c.MotorCaption = query.AsString("msc_motor_caption");
        c.Modulus = FloatToText(Round12(query.AsFloat("msc_modulus")));
        c.Editable = query.AsInteger("msc_editable") != 0;
        c.Adhibition = query.AsInteger("msc_adhibition") != 0;
        Add(std::move(c));
    }
    query.Close();
}

void TSigmoidalCurves::Add(TSigmoidalCurve curve) {
    curves_.push_back(std::move(curve));
    if (selected_ < 0) selected_ = 0;
}

int TSigmoidalCurves::IndexOfCode(long long code) const {
    for (size_t i = 0; i < curves_.size(); ++i)
        if (curves_[i].Code == code) return static_cast<int>(i);
    return -1;
}

void TSigmoidalCurves::Select(int index) {
    if (index >= 0 && index < Count()) selected_ = index;
}

}  // namespace kinemo
