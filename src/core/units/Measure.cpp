// Unit catalog and conversion.
#include "units/Measure.h"

#include "base/Catalog.h"
#include "base/ConfigFile.h"

namespace kinemo {

namespace {
const char* kDefaultSection = "USER_DEFAULT_MEASURE";
}

bool TMeasureClass::HasMeasure(int code) const {
    for (const TMeasure* m : measures_)
        if (m->Code() == code) return true;
    return false;
}

TMeasureManager::TMeasureManager(TCatalogQuery& query, const TConfigFile* settings)
    : convertQuery_(std::make_unique<TCatalogQuery>(query.Catalog())) {
    query.Close();
    query.SetSQL("select muc_cd,muc_name,muc_default_muv_cd from m_machine_unit_class order by muc_cd");
    query.Open();
    for (; !query.Eof(); query.Next()) {
        auto cls = std::make_unique<TMeasureClass>(static_cast<int>(query.AsInteger(0)), query.AsString(1),
                                                   static_cast<int>(query.AsInteger(2)));
        classIndex_[cls->Code()] = cls.get();
        classes_.push_back(std::move(cls));
    }
    query.Close();
    for (auto& cls : classes_) {
        query.SetSQL(std::vector<std::string>{"select muv_cd,muv_symbol from t_machine_unit_value",
                                              "where muv_muc_cd=:CLASS_ID", "order by muv_cd"});
        query.SetParam("CLASS_ID", cls->Code());
        query.Open();
        for (; !query.Eof(); query.Next()) {
            auto m = std::make_unique<TMeasure>(static_cast<int>(query.AsInteger(0)), query.AsString(1), cls.get());
            cls->AddMeasure(m.get());
            measureIndex_[m->Code()] = m.get();
            measures_.push_back(std::move(m));
        }
        query.Close();
    }
    if (!settings) return;
    for (auto& cls : classes_) {
        int code = settings->ReadInteger(kDefaultSection, std::to_string(cls->Code()), -1);
        if (cls->HasMeasure(code)) cls->SetUserDefaultCode(code);
    }
}

TMeasure* TMeasureManager::FindMeasure(int code) const {
    auto it = measureIndex_.find(code);
    return it == measureIndex_.end() ? nullptr : it->second;
}

TMeasureClass* TMeasureManager::FindMeasureClass(int code) const {
    auto it = classIndex_.find(code);
    return it == classIndex_.end() ? nullptr : it->second;
}

double TMeasureManager::Convert(int from, int to, double value) const {
    if (from == to) return value;
    if (value == 0) return 0;
    std::lock_guard lock(convertMutex_);
    if (auto known = factors_.find({from, to}); known != factors_.end()) return value * known->second;
    TCatalogQuery& q = *convertQuery_;
    q.Close();
    q.SetSQL(std::vector<std::string>{"select mue_exchange from m_machine_unit_exc",
                                      "where mue_from_muv_cd=:FROM_ID and mue_to_muv_cd=:TO_ID"});
    q.SetParam("FROM_ID", from);
    q.SetParam("TO_ID", to);
    q.Open();
    const double factor = q.Eof() ? 0.0 : q.AsFloat(0);
    q.Close();
    factors_.emplace(std::pair{from, to}, factor);
    return value * factor;
}

void TMeasureManager::WriteUserDefault(TConfigFile& settings, int classCode, int measureCode) {
    settings.WriteInteger(kDefaultSection, std::to_string(classCode), measureCode);
}

}  // namespace kinemo
