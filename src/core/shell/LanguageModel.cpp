// Language dialog rules.
#include "shell/LanguageModel.h"

#include "base/AtomicFile.h"
#include "base/CatalogText.h"

namespace kinemo {

TLanguageModel::TLanguageModel(const std::string& dataFolder, std::string settingsFile, TNameValueList texts)
    : settingsFile_(std::move(settingsFile)), texts_(std::move(texts)) {
    std::string folder = dataFolder;
    if (!folder.empty() && folder.back() != '/') folder += '/';
    for (const auto& language : CatalogLanguages())
        if (FileExists(folder + language.FileName)) languages_.push_back(language);
    if (languages_.empty()) languages_.push_back(CatalogLanguages().front());
    const std::string stored = ReadCatalogLanguage(settingsFile_);
    for (size_t i = 0; i < languages_.size(); ++i)
        if (languages_[i].Code == stored) current_ = i;
}

TNameValueList TLanguageModel::ReadTexts(TCatalogQuery& query) { return ReadMessageClass(query, "form_language"); }

std::string TLanguageModel::LanguageName(size_t index) const {
    const std::string& code = languages_.at(index).Code;
    const std::string name = texts_.Value("Language." + code);
    return name.empty() ? code : name;
}

bool TLanguageModel::Accept(size_t index) {
    if (index >= languages_.size() || index == current_) return false;
    WriteCatalogLanguage(settingsFile_, languages_[index].Code);
    current_ = index;
    return true;
}

}  // namespace kinemo
