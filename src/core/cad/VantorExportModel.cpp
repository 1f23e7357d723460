// Rules of the CAD export page.
#include "cad/VantorExportModel.h"

#include "base/Catalog.h"
#include "base/CatalogText.h"
#include "cad/CadTarget.h"
#include "cad/HandOverFile.h"
#include "base/KinemoError.h"
#include "base/TextFormat.h"

#include <cctype>
#include <cstdio>
#include <exception>
#include <string>

namespace kinemo {

namespace {

std::string ComboBoxValue(TCatalogQuery& query, const std::string& name) {
    query.Close();
    query.SetSQL("SELECT VALUE FROM T_VANTOR_COMBOBOX WHERE NAME = :NAME");
    query.SetParam("NAME", name);
    query.Open();
    std::string value = query.Eof() ? std::string() : query.AsString(0);
    query.Close();
    return value;
}

bool SameExtension(const std::string& a, const std::string& b) {
    if (a.size() != b.size() || a.empty()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
    return true;
}

// Clears a flag when the scope ends, also on error.
struct TRunningFlag {
    bool& flag;
    explicit TRunningFlag(bool& f) : flag(f) { flag = true; }
    ~TRunningFlag() { flag = false; }
};

}  // namespace

TVantorExportModel::TVantorExportModel(TCatalogQuery& query) : query_(query) {
    texts_ = ReadMessageClass(query, "form_vantor");
    types3d_ = SaveTypeEntries(ComboBoxValue(query, "SAVEDIALOG_FILETYPE_3D"));
    typesFlat_ = SaveTypeEntries(ComboBoxValue(query, "SAVEDIALOG_FILETYPE_FA"));
    SetImageType(0);
}

void TVantorExportModel::SetMotor(const std::optional<TCadMotor>& motor, bool returnEnabled) {
    motor_ = motor;
    reference_ = motor ? std::optional<TMotorReference>(motor->Reference) : std::nullopt;
    noDataModel_.clear();
    noDrawingNotice_.clear();
    returnEnabled_ = returnEnabled;
    ReadOutline();
}

void TVantorExportModel::ShowMotor(const std::optional<TMotorReference>& reference, bool returnEnabled) {
    if (reference == reference_ && returnEnabled == returnEnabled_) return;
    std::optional<TCadMotor> motor;
    if (reference && !reference->IsUser()) motor = CadMotorOf(query_, *reference);
    SetMotor(motor, returnEnabled);
    reference_ = reference;
    if (reference && !motor) {
        // A user-defined motor has no part data; name it rather than show an empty page.
        noDataModel_ = reference->UserModel;
        noDrawingNotice_ = FormatText(texts_.Value("NoDrawingData"), {noDataModel_});
    }
}

namespace {

double Number(const TNameValueList& row, const std::string& name) {
    try {
        return std::stod(row.Value(name));
    } catch (const std::exception&) {
        return 0;
    }
}

std::string Mm(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.2f", v);
    std::string s = buf;
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
    return s;
}

}  // namespace

void TVantorExportModel::ReadOutline() {
    outline_.clear();
    if (!motor_) return;
    try {
        ReadOutlineRows();
    } catch (const TKinemoError&) {
        // A catalog format text asking for more values than it gets: the rows read so far.
    }
}

void TVantorExportModel::ReadOutlineRows() {
    const std::optional<TNameValueList> row = ReadPartsRow(query_, motor_->MmpCd, motor_->Geared);
    if (!row) return;
    auto v = [&](const char* name) { return row->Value(name); };
    auto add = [&](const char* label, const std::string& text) { outline_.emplace_back(texts_.Value(label), text); };
    add("DimFlange", FormatText(texts_.Value("DimFlangeFormat"),
                                {v("mvto_flange"), v("mvto_pilot_dia"), v("mvto_bolt_dia"), v("mvto_bolt_pcd")}));
    const double length = Number(*row, "mvto_body_len") + Number(*row, "mvtb_len") + Number(*row, "mvte_len") +
                          (motor_->Geared ? Number(*row, "mvtgr_len") : 0);
    add("DimLength", FormatText(texts_.Value(Number(*row, "mvtb_len") > 0 ? "DimLengthBrakeFormat" : "DimLengthFormat"),
                                {Mm(length), v("mvtb_len")}));
    if (motor_->Geared) {
        add("DimGearHead", FormatText(texts_.Value("DimGearHeadFormat"),
                                      {v("mvtgr_ratio"), v("mvtgr_flange"), v("mvtgr_pilot_dia"), v("mvtgr_len")}));
        if (v("mvtgs_kind") == "flange")
            add("DimOutput", FormatText(texts_.Value("DimOutputFlangeFormat"),
                                        {v("mvtgs_dia"), v("mvtgs_holes"), v("mvtgs_hole_dia"), v("mvtgs_bolt_pcd")}));
        else
            add("DimOutput", FormatText(texts_.Value(Number(*row, "mvtgs_key_w") > 0 ? "DimShaftKeyFormat" : "DimShaftFormat"),
                                        {v("mvtgs_dia"), v("mvtgs_len"), v("mvtgs_key_w"), v("mvtgs_key_len")}));
    } else {
        std::string shaft = FormatText(texts_.Value(Number(*row, "mvtms_key_w") > 0 ? "DimShaftKeyFormat" : "DimShaftFormat"),
                                       {v("mvtms_dia"), v("mvtms_len"), v("mvtms_key_w"), v("mvtms_key_len")});
        if (Number(*row, "mvtos_dia") > 0) shaft += texts_.Value("DimOilSeal");
        add("DimShaft", shaft);
    }
}

std::vector<std::string> TVantorExportModel::ImageTypeItems() const {
    return {texts_.Value("3D"), texts_.Value("Facade"), texts_.Value("LeftSide"), texts_.Value("RightSide")};
}

void TVantorExportModel::SetImageType(int index) {
    if (index < 0 || index >= kCadImageTypeCount) return;
    const std::vector<std::string> previous = fileTypes_;
    imageType_ = index;
    fileTypes_ = index == 0 ? types3d_ : typesFlat_;
    fileType_ = 0;
    if (fileTypes_.empty()) return;
    // "motor.stl" becomes "motor.dxf" with the switch to a flat view; a name whose extension
    // is not one of the old type's is the user's choice and stays.
    const std::string now = SaveTypeExtension(fileTypes_[0]);
    const size_t dot = fileName_.find_last_of('.');
    if (now.empty() || !HasExtension(fileName_) || dot == std::string::npos) return;
    const std::string current = fileName_.substr(dot);
    for (const std::string& entry : previous)
        if (SameExtension(SaveTypeExtension(entry), current)) {
            fileName_ = fileName_.substr(0, dot) + now;
            return;
        }
}

void TVantorExportModel::SetFileType(int index) {
    if (index >= 0 && index < static_cast<int>(fileTypes_.size())) fileType_ = index;
}

TCadExportResult TVantorExportModel::Execute(const TCadLinkServices& services, const std::string& baseFolder) {
    if (!CanExecute()) return {};
    TRunningFlag running(running_);
    TCadExportRequest request;
    request.Motor = *motor_;
    request.ImageType = imageType_;
    request.FileName = fileName_;
    request.SaveTypeEntry = fileType_ < static_cast<int>(fileTypes_.size()) ? fileTypes_[fileType_] : std::string();
    request.BaseFolder = baseFolder;
    TVantor vantor(query_, texts_, services);
    return vantor.Execute(request);
}

}  // namespace kinemo
