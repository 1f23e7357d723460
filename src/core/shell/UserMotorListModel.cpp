// Rules of the user motor dialog.
#include "shell/UserMotorListModel.h"

#include "session/KinemoContext.h"
#include "base/FileDialogs.h"
#include "base/KinemoError.h"
#include "base/NumberText.h"
#include "base/TextFormat.h"
#include "base/UserDialogs.h"

#include <iterator>
#include <optional>

namespace kinemo {

namespace {

// The grid's columns: the data sheet elements the list heading names, in its order.
constexpr const char* kColumns[] = {"Model",      "Amplifier",    "RatedTorque",  "MaxTorque",
                                    "RatedSpeed", "RotorInertia", "SupplyVoltage"};

std::vector<std::string> SplitHeading(const std::string& text) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (;;) {
        const size_t comma = text.find(',', start);
        parts.push_back(text.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return parts;
}

}  // namespace

TUserMotorListModel::TUserMotorListModel(TKinemoContext& context, IFileDialogs& files)
    : context_(context), files_(files),
      texts_(TUserMotorTexts::Load(context.Query(), context.ErrorMessages())),
      store_(std::make_unique<TUserMotorStore>(context.Folders().UserMotorFolder(), texts_)) {
    const std::vector<std::string> heading = SplitHeading(texts_.Label("ListHeading"));
    for (size_t c = 0; c < std::size(kColumns); ++c)
        headings_.push_back(c < heading.size() ? heading[c] : texts_.Label(kColumns[c]));
    store_->Reload();
}

TUserMotorListModel::~TUserMotorListModel() = default;

void TUserMotorListModel::Reload() { store_->Reload(); }

std::string TUserMotorListModel::Heading(int column) const {
    return column >= 0 && column < ColumnCount() ? headings_[static_cast<size_t>(column)] : std::string();
}

std::string TUserMotorListModel::CellText(int row, int column) const {
    if (row < 0 || row >= RowCount() || column < 0 || column >= ColumnCount()) return {};
    const std::string text = store_->Sheets()[static_cast<size_t>(row)].Value(kColumns[column]);
    // Sheets may hold round-trip digits ("0.63700000000000001"); the list shows the
    // program's usual number text.
    double x = 0;
    if (column >= 2 && TryTextToFloat(text, x)) return FloatToText(x);
    return text;
}

bool TUserMotorListModel::AddFromFile() {
    TFileDialogRequest request;
    request.Filter = texts_.Label("FileFilter");
    request.DefaultExt = TUserMotorSheet::Extension();
    const std::optional<std::string> path = files_.OpenFileName(request);
    if (!path) return false;
    try {
        const TUserMotorSheet sheet = TUserMotorSheet::Read(*path, texts_);
        sheet.Validate(texts_);
        // A sheet of a model the user already has replaces it only on the user's yes.
        if (store_->Replaces(sheet) &&
            context_.Dialogs().ShowMessageDialog(FormatText(texts_.Label("ReplaceConfirm"), {sheet.Model()}),
                                                 TMsgDlgType::Confirmation, mbYes | mbNo) != mrYes)
            return false;
        store_->Add(sheet);
    } catch (const TKinemoError& e) {
        // The sheet is refused as a whole: the stored motors stay as they were.
        refusal_ = e.what();
        return false;
    }
    refusal_.clear();
    changed_ = true;
    return true;
}

bool TUserMotorListModel::Remove(int row) {
    if (row < 0 || row >= RowCount()) return false;
    const std::string model = store_->Sheets()[static_cast<size_t>(row)].Model();
    const int answer = context_.Dialogs().ShowMessageDialog(FormatText(texts_.Label("RemoveConfirm"), {model}),
                                                            TMsgDlgType::Confirmation, mbYes | mbNo);
    if (answer != mrYes) return false;
    if (!store_->Remove(model)) return false;
    refusal_.clear();
    changed_ = true;
    return true;
}

std::vector<std::string> TUserMotorListModel::Messages() const {
    std::vector<std::string> list;
    if (!refusal_.empty()) list.push_back(refusal_);
    for (const std::string& problem : store_->Problems()) list.push_back(problem);
    return list;
}

}  // namespace kinemo
