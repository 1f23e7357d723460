// Rules of the CAD selection page.
#include "cad/SelectVantorModel.h"

#include "base/Catalog.h"
#include "base/CatalogText.h"
#include "base/UserDialogs.h"

#include <cctype>

namespace kinemo {

namespace {

TCadMotor MotorOfRow(const TCatalogQuery& q) {
    TCadMotor m;
    m.Model = q.AsString("msv_model_all");
    m.MmpCd = static_cast<int>(q.AsInteger("mmp_cd"));
    m.Geared = q.AsInteger("msv_msmg_cd") == 1;
    m.Reference = {q.AsInteger("msv_cd"), q.AsInteger("mxc_cd")};
    return m;
}

}  // namespace

TSelectVantorModel::TSelectVantorModel(TCatalogQuery& query, IUserDialogs* dialogs, IBusyCursor* busy)
    : query_(query), dialogs_(dialogs), browser_(query, busy) {
    texts_ = ReadMessageClass(query, "frame_select_vantor");
    browser_.LoadFunctions();
    browser_.SelectFunction(0);
}

void TSelectVantorModel::SelectEntry(int item, int entry) { browser_.SelectEntry(item, entry); }

std::optional<TCadMotor> TSelectVantorModel::Found() const {
    const TMotor* m = browser_.SelectedRecord();
    if (!m) return std::nullopt;
    return TCadMotor{m->msv_model_all, m->mmp_cd, m->msv_msmg_cd == 1, {m->msv_cd, m->mxc_cd, ""}};
}

bool TSelectVantorModel::Clear() {
    if (!dialogs_ ||
        dialogs_->ShowMessageDialog(Text("ClearMessage"), TMsgDlgType::Confirmation, mbYes | mbNo | mbCancel) != mrYes)
        return false;
    browser_.Reset(true);
    browser_.SelectFunction(0);
    directInput_ = false;
    return true;
}

void TSelectVantorModel::SetDirectInput(bool on) { directInput_ = on; }

int TSelectVantorModel::CheckDirectInput(const std::string& typed) {
    directModel_ = NormalizeModel(typed);
    directRecord_.reset();
    if (directModel_.empty()) return 8;
    query_.Close();
    query_.SetSQL(std::vector<std::string>{
        "SELECT ", " mmf_value, tms_name, msv.*, mxc_cd, ",
        " map.map_price AS msv_amp_price, mmp.mmp_price AS msv_motor_price, ",
        " mmp_model AS msv_model_all, map_model AS msv_amplifier1, mmp_cd, map_cd ",
        " FROM (((((t_motor_series AS tms INNER JOIN t_motor_value AS msv ON tms.tms_cd = msv.msv_tms_cd) ",
        " INNER JOIN m_motor_function AS mmf ON mmf.mmf_cd = tms.tms_mmf_cd) ",
        " INNER JOIN m_ext_code AS mxc ON tms.tms_cd = mxc.mxc_tms_cd) ",
        " INNER JOIN m_amplifier_price AS map ON msv.msv_map_cd = map.map_cd) ",
        " INNER JOIN m_motor_price AS mmp ON (msv.msv_cd = mmp.mmp_msv_cd) AND (mxc.mxc_cd = mmp.mmp_mxc_cd)) ",
        " WHERE mmf_hide = 0 AND mmp_model = :MOTORMODEL "});
    query_.SetParam("MOTORMODEL", directModel_);
    query_.Open();
    if (!query_.Eof()) directRecord_ = MotorOfRow(query_);
    query_.Close();
    return directRecord_ ? 7 : 0;
}

std::optional<TCadMotor> TSelectVantorModel::Chosen() const { return directInput_ ? directRecord_ : Found(); }

}  // namespace kinemo
