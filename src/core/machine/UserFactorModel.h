// The user element editor without its window: the block and element lists, the element
// being edited with its name and three pictures, the checks before saving, and saving
// and deleting user element files with their copied pictures.
#pragma once

#include "base/NameValueList.h"

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace kinemo {

class IUserDialogs;
class TBlock;
class TCatalogQuery;
class TFactor;
struct TMachineServices;

struct TUserFactorPlace {
    std::string FileFolder;   // ends with "/"
    std::string ImageFolder;  // ends with "/"
    std::string Extension;    // with its dot
    std::string ApplicationVersion;
    std::string MdbVersion;
};

class TUserFactorModel {
public:
    enum class TField { None, Name, DefaultImage, SelectImage, DragImage };
    enum TPicture { PictureDefault, PictureSelect, PictureDrag };

    // reload re-reads every user element file (the element catalog is rebuilt).
    TUserFactorModel(TMachineServices& services, TCatalogQuery& query, IUserDialogs& dialogs, TUserFactorPlace place,
                     std::function<void()> reload);
    ~TUserFactorModel();

    // s_message class "form_user_factor" by control name.
    std::string Text(const std::string& key) const { return texts_.Value(key); }
    const std::vector<std::string>& Headings() const { return headings_; }

    std::vector<TBlock*> Blocks() const;
    int BlockIndex() const { return block_; }
    // Selects a block and its first element.
    void SelectBlock(int index);
    // The selected block's elements, catalog ones first.
    std::vector<TFactor*> Factors() const;
    int FactorIndex() const { return factor_; }
    // Edits a copy of the element; its calculated items are recomputed.
    void SelectFactor(int index);

    TFactor* Edited() const { return edited_.get(); }
    int OwnerID() const { return ownerID_; }
    const std::string& OwnerName() const { return ownerName_; }
    std::string BlockName() const;
    bool CanInsert() const { return edited_ != nullptr; }
    bool CanDelete() const { return edited_ && selectedIsUser_; }

    // The edit fields.
    std::string Name;
    std::array<std::string, 3> Pictures;

    // The checks before saving or deleting, in order; the first failure is shown and
    // names the field to focus.
    bool Validate(const std::string& name, TField& focus);
    // Saves the edited element under Name. False when a check or the user stopped it or
    // the file could not be written; nothing is written then.
    bool Insert(TField& focus);
    // Deletes the user element named Name with its pictures.
    bool Delete(TField& focus);

    std::string FilePath(const std::string& name) const { return place_.FileFolder + name + place_.Extension; }
    std::string PicturePrefix(const std::string& name) const { return place_.ImageFolder + name; }

private:
    void Show(const std::string& key, unsigned buttons, int* result = nullptr);
    bool PictureReadable(const std::string& path) const;
    std::string StoredPictureName(const char* kind, const std::string& source) const;
    void CopyPicture(const std::string& prefix, const char* kind, const std::string& source);
    void Refill();

    TMachineServices& services_;
    TCatalogQuery& query_;
    IUserDialogs& dialogs_;
    TUserFactorPlace place_;
    std::function<void()> reload_;
    TNameValueList texts_;
    std::vector<std::string> headings_;
    int block_ = -1;
    int factor_ = -1;
    std::unique_ptr<TFactor> edited_;
    int ownerID_ = 0;
    std::string ownerName_;
    bool selectedIsUser_ = false;
};

// Characters a user element name must not contain (they cannot be in a file name).
bool IsValidUserFactorName(const std::string& name);

}  // namespace kinemo
