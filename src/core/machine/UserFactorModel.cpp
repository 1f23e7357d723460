// The user element editor's rules.
#include "machine/UserFactorModel.h"

#include "machine/Block.h"
#include "machine/Factor.h"
#include "machine/FactorImage.h"
#include "machine/MachineServices.h"
#include "machine/UserFactorFile.h"
#include "base/AtomicFile.h"
#include "base/Catalog.h"
#include "base/CatalogText.h"
#include "base/KinemoError.h"
#include "base/TextFormat.h"
#include "base/UserDialogs.h"

#include <pugixml.hpp>

#include <cstdio>
#include <unistd.h>

namespace kinemo {

namespace {

constexpr const char* kKinds[] = {"Default", "Select", "Drag"};
constexpr const char* kPictureKeys[] = {"DefaultImageCheckError", "SelectImageCheckError", "DragImageCheckError"};
constexpr TUserFactorModel::TField kPictureFields[] = {TUserFactorModel::TField::DefaultImage,
                                                       TUserFactorModel::TField::SelectImage,
                                                       TUserFactorModel::TField::DragImage};

std::string Extension(const std::string& path) {
    const size_t slash = path.rfind('/');
    const size_t dot = path.rfind('.');
    return dot == std::string::npos || (slash != std::string::npos && dot < slash) ? std::string() : path.substr(dot);
}

bool WritableDirectory(const std::string& path) { return DirectoryExists(path) && ::access(path.c_str(), W_OK) == 0; }

// A catalog text with one "%s" for the reason; a text without it still shows its words.
std::string FormatOrRaw(const std::string& text, const std::string& reason) {
    try {
        return FormatText(text, {reason});
    } catch (const TKinemoError&) {
        return text + " " + reason;
    }
}

bool SameFile(const std::string& a, const std::string& b) {
    char ra[4096], rb[4096];
    if (!::realpath(a.c_str(), ra) || !::realpath(b.c_str(), rb)) return a == b;
    return std::string(ra) == std::string(rb);
}

}  // namespace

bool IsValidUserFactorName(const std::string& name) {
    // An empty name would make a file of the bare extension.
    return !name.empty() && name.find_first_of("\\/:*?\"<>|") == std::string::npos;
}

TUserFactorModel::TUserFactorModel(TMachineServices& services, TCatalogQuery& query, IUserDialogs& dialogs,
                                   TUserFactorPlace place, std::function<void()> reload)
    : services_(services), query_(query), dialogs_(dialogs), place_(std::move(place)), reload_(std::move(reload)) {
    texts_ = ReadMessageClass(query_, "form_user_factor");
    headings_ = ReadMessageItems(query_, "form_user_factor", "PopertyGrid");
    if (!Blocks().empty()) SelectBlock(0);
}

TUserFactorModel::~TUserFactorModel() = default;

std::vector<TBlock*> TUserFactorModel::Blocks() const {
    std::vector<TBlock*> list;
    for (auto& b : services_.Blocks->Blocks()) list.push_back(b.get());
    return list;
}

void TUserFactorModel::SelectBlock(int index) {
    const std::vector<TBlock*> blocks = Blocks();
    if (index < 0 || index >= static_cast<int>(blocks.size())) return;
    block_ = index;
    factor_ = -1;
    if (!Factors().empty()) SelectFactor(0);
}

std::vector<TFactor*> TUserFactorModel::Factors() const {
    std::vector<TFactor*> list;
    const std::vector<TBlock*> blocks = Blocks();
    if (block_ < 0 || block_ >= static_cast<int>(blocks.size())) return list;
    for (auto& f : blocks[static_cast<size_t>(block_)]->Factors()) list.push_back(f.get());
    return list;
}

std::string TUserFactorModel::BlockName() const {
    const std::vector<TBlock*> blocks = Blocks();
    return block_ >= 0 && block_ < static_cast<int>(blocks.size()) ? blocks[static_cast<size_t>(block_)]->Name
                                                                   : std::string();
}

void TUserFactorModel::SelectFactor(int index) {
    const std::vector<TFactor*> factors = Factors();
    if (index < 0 || index >= static_cast<int>(factors.size())) return;
    factor_ = index;
    TFactor* f = factors[static_cast<size_t>(index)];
    edited_ = f->Clone();
    selectedIsUser_ = f->IsUserFactor();
    // A copy of a user element belongs to the catalog element it derives from.
    ownerID_ = selectedIsUser_ ? static_cast<TUserFactor*>(f)->Owner->ID : f->ID;
    ownerName_ = edited_->Name;
    Name = edited_->Name;
    Pictures = {edited_->ImagePath, edited_->SelectedImagePath, edited_->DragImagePath};
    for (std::string& p : Pictures)
        if (!p.empty() && p[0] != '/') p = NormalizePicturePath(services_.ProgramFolder, p);
    edited_->RecalcCalcItems();
}

void TUserFactorModel::Show(const std::string& key, unsigned buttons, int* result) {
    const int r = dialogs_.ShowMessageDialog(Text(key), TMsgDlgType::Confirmation, buttons);
    if (result) *result = r;
}

bool TUserFactorModel::PictureReadable(const std::string& path) const {
    if (path.empty() || !FileExists(path)) return false;
    // A file the picture loader cannot decode is no picture (the desktop loader decodes).
    return !services_.Images || services_.Images->Loader().Load(path) != nullptr;
}

bool TUserFactorModel::Validate(const std::string& name, TField& focus) {
    focus = TField::None;
    if (!WritableDirectory(place_.FileFolder)) {
        Show("DirectoryCheckError", mbOK);
        return false;
    }
    if (!WritableDirectory(place_.ImageFolder)) {
        Show("ImageDirectoryCheckError", mbOK);
        return false;
    }
    for (int i = 0; i < 3; ++i)
        if (!PictureReadable(Pictures[static_cast<size_t>(i)])) {
            Show(kPictureKeys[i], mbOK);
            focus = kPictureFields[i];
            return false;
        }
    query_.Close();
    query_.SetSQL("SELECT COUNT(*) AS AllLine FROM t_machine_element WHERE tme_name=:NAME");
    query_.SetParam("NAME", name);
    query_.Open();
    const long long count = query_.Eof() ? 0 : query_.AsInteger("AllLine");
    query_.Close();
    if (count != 0) {
        Show("TmeCheckError", mbOK);
        focus = TField::Name;
        return false;
    }
    if (!IsValidUserFactorName(name)) {
        Show("UserFactorNameCheck", mbOK);
        focus = TField::Name;
        return false;
    }
    return true;
}

std::string TUserFactorModel::StoredPictureName(const char* kind, const std::string& source) const {
    return FileExists(source) ? std::string(kind) + Extension(source) : std::string();
}

void TUserFactorModel::CopyPicture(const std::string& prefix, const char* kind, const std::string& source) {
    const std::string stored = StoredPictureName(kind, source);
    if (stored.empty()) return;
    const std::string target = prefix + stored;
    if (SameFile(source, target)) return;
    try {
        WriteFileAtomically(target, ReadWholeFile(source));
    } catch (const TKinemoError&) {
        // Reading falls back to the owner's picture.
    }
}

bool TUserFactorModel::Insert(TField& focus) {
    if (!edited_) return false;
    const std::string name = Name;
    const std::string file = FilePath(name);
    if (!Validate(name, focus)) return false;
    if (FileExists(file)) {
        int answer = mrCancel;
        Show("UserFactorUpdateCheck", mbOK | mbCancel, &answer);
        if (answer != mrOk) return false;
    }
    const std::string prefix = PicturePrefix(name);
    // The file first: when it cannot be written, no picture has been copied either. A
    // picture whose copy then fails is missing, and reading falls back to the owner's.
    TUserFactorPictures stored;
    stored.Default = StoredPictureName(kKinds[0], Pictures[0]);
    stored.Select = StoredPictureName(kKinds[1], Pictures[1]);
    stored.Drag = StoredPictureName(kKinds[2], Pictures[2]);
    try {
        WriteUserFactorFile(file, *edited_, ownerID_, stored, place_.ApplicationVersion, place_.MdbVersion);
    } catch (const TFileWriteError& e) {
        const std::string why = services_.Errors ? FileWriteErrorText(e, *services_.Errors) : std::string(e.what());
        dialogs_.ShowMessageDialog(FormatOrRaw(Text("UserFactorWriteError"), why), TMsgDlgType::Warning, mbOK);
        return false;
    } catch (const TKinemoError& e) {
        dialogs_.ShowMessageDialog(FormatOrRaw(Text("UserFactorWriteError"), e.what()), TMsgDlgType::Warning, mbOK);
        return false;
    }
    for (int i = 0; i < 3; ++i) CopyPicture(prefix, kKinds[i], Pictures[static_cast<size_t>(i)]);
    // The editor goes on with the values just saved, not with the catalog element's.
    edited_->RecalcCalcItems();
    Refill();
    Show("UserFactorCommitCheck", mbOK);
    return true;
}

bool TUserFactorModel::Delete(TField& focus) {
    int answer = mrCancel;
    Show("UserFactorDeleteCheck", mbOK | mbCancel, &answer);
    if (answer != mrOk) return false;
    const std::string name = Name;
    const std::string file = FilePath(name);
    if (!Validate(name, focus)) return false;
    if (!FileExists(file)) {
        Show("UserFactorMissingCheck", mbOK);
        focus = TField::Name;
        return false;
    }
    pugi::xml_document doc;
    const std::string prefix = PicturePrefix(name);
    if (doc.load_file(file.c_str()))
        for (const char* key : {"DefaultImage", "SelectImage", "DragImage"}) {
            const std::string text = doc.child("KinemoUserFactorFile").child(key).text().get();
            // Only pictures inside the picture folder are ours to delete.
            if (!text.empty() && IsSafeRelativePictureName(text) && FileExists(prefix + text))
                std::remove((prefix + text).c_str());
        }
    std::remove(file.c_str());
    selectedIsUser_ = false;
    Refill();
    return true;
}

void TUserFactorModel::Refill() {
    if (reload_) reload_();
    factor_ = -1;
    const std::vector<TFactor*> factors = Factors();
    for (size_t i = 0; i < factors.size(); ++i)
        if (factors[i]->Name == Name && factors[i]->IsUserFactor()) {
            factor_ = static_cast<int>(i);
            selectedIsUser_ = true;
        }
}

}  // namespace kinemo
