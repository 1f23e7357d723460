// The user motor dialog without its widgets: the user's motors as grid rows, adding a data
// sheet file chosen with the file dialogs, removing one after a confirmation, and the
// messages the dialog shows (the last refusal, then the sheets of the folder it skips).
#pragma once

#include "torque/UserMotorSheet.h"

#include <memory>
#include <string>
#include <vector>

namespace kinemo {

class IFileDialogs;
class TKinemoContext;

class TUserMotorListModel {
public:
    TUserMotorListModel(TKinemoContext& context, IFileDialogs& files);
    ~TUserMotorListModel();

    // Reads the user motor folder again (the last refusal stays shown).
    void Reload();

    int RowCount() const { return static_cast<int>(store_->Sheets().size()); }
    int ColumnCount() const { return static_cast<int>(headings_.size()); }
    std::string Heading(int column) const;
    std::string CellText(int row, int column) const;
    // A dialog text of class "user_motor" (caption, buttons).
    std::string Text(const std::string& control) const { return texts_.Label(control); }

    // Asks for a data sheet file and stores it, asking first when it would replace a
    // motor the user has; false when the user cancels or says no, or the sheet is refused
    // (Messages starts with the reason).
    bool AddFromFile();
    // Removes the motor of row once the user confirms; false otherwise.
    bool Remove(int row);

    std::vector<std::string> Messages() const;
    // A motor was added or removed since the dialog opened: the motor page lists again.
    bool Changed() const { return changed_; }

private:
    TKinemoContext& context_;
    IFileDialogs& files_;
    TUserMotorTexts texts_;
    std::unique_ptr<TUserMotorStore> store_;
    std::vector<std::string> headings_;
    std::string refusal_;
    bool changed_ = false;
};

}  // namespace kinemo
