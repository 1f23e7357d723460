// Rules of the CAD export page.
#include "cad/VantorExportModel.h"

#include "base/Catalog.h"
#include "base/CatalogText.h"
#include "cad/CadTarget.h"
#include "cad/HandOverFile.h"

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
    returnEnabled_ = returnEnabled;
}

std::vector<std::string> TVantorExportModel::ImageTypeItems() const {
    return {texts_.Value("3D"), texts_.Value("Facade"), texts_.Value("LeftSide"), texts_.Value("RightSide")};
}

void TVantorExportModel::SetImageType(int index) {
    if (index < 0 || index >= kCadImageTypeCount) return;
    imageType_ = index;
    fileTypes_ = index == 0 ? types3d_ : typesFlat_;
    fileType_ = 0;
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
