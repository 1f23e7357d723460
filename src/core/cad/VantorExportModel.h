// The export page of the CAD tab: the motor shown, the image type and its save types, the
// file name, whether the return button is enabled, and the export itself.
#pragma once

#include "base/NameValueList.h"
#include "cad/Vantor.h"

#include <optional>
#include <string>
#include <vector>

namespace kinemo {

class TCatalogQuery;

class TVantorExportModel {
public:
    // Reads the texts (s_message "form_vantor") and the save types (T_VANTOR_COMBOBOX).
    explicit TVantorExportModel(TCatalogQuery& query);

    const TNameValueList& Texts() const { return texts_; }
    std::string Text(const std::string& key) const { return texts_.Value(key); }

    // The motor to draw: the committed one (return disabled) or one chosen on the selection
    // page (return enabled); none empties the page.
    void SetMotor(const std::optional<TCadMotor>& motor, bool returnEnabled);
    // The motor the main window hands over (committed or chosen), found in the catalog's
    // part data; a motor without drawing data (a user-defined one) is shown with the notice
    // that none exists. Showing the same motor again changes nothing.
    void ShowMotor(const std::optional<TMotorReference>& reference, bool returnEnabled);
    const std::optional<TCadMotor>& Motor() const { return motor_; }
    bool ReturnEnabled() const { return returnEnabled_; }
    std::string MotorNumber() const { return motor_ ? motor_->Model : noDataModel_; }
    // Why nothing can be drawn for the motor shown; empty when it can be drawn or none is shown.
    const std::string& NoDrawingNotice() const { return noDrawingNotice_; }

    // The motor's main outline dimensions from its CAD part data, as (label, text) rows in
    // the catalog's words; empty without a motor or part data.
    const std::vector<std::pair<std::string, std::string>>& OutlineData() const { return outline_; }

    // "3D", "Facade", "LeftSide", "RightSide" in the catalog's words.
    std::vector<std::string> ImageTypeItems() const;
    int ImageType() const { return imageType_; }
    // Loads the save types of the image type (3D or the flat views) and selects the first; a
    // file name that ends with the old type's extension takes the new type's.
    void SetImageType(int index);
    const std::vector<std::string>& FileTypeItems() const { return fileTypes_; }
    int FileType() const { return fileType_; }
    void SetFileType(int index);

    const std::string& FileName() const { return fileName_; }
    void SetFileName(const std::string& name) { fileName_ = name; }
    // The save dialog's filter and start folder.
    std::string SaveDialogFilter() const { return texts_.Value("SaveDialogFile.Filter"); }

    bool Running() const { return running_; }
    bool CanExecute() const { return motor_.has_value() && !running_; }
    // Runs the export with the current choices; the file name is relative to baseFolder.
    TCadExportResult Execute(const TCadLinkServices& services, const std::string& baseFolder);

private:
    TCatalogQuery& query_;
    TNameValueList texts_;
    std::vector<std::string> types3d_, typesFlat_, fileTypes_;
    std::optional<TCadMotor> motor_;
    std::optional<TMotorReference> reference_;
    std::string noDataModel_, noDrawingNotice_;
    bool returnEnabled_ = false;
    int imageType_ = 0, fileType_ = 0;
    std::string fileName_;
    bool running_ = false;
    std::vector<std::pair<std::string, std::string>> outline_;
    void ReadOutline();
    void ReadOutlineRows();
};

}  // namespace kinemo
