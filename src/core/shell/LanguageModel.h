// The language dialog's rules: the catalogs offered (those installed), the one stored, and
// what OK stores; the choice takes effect at the next start.
#pragma once

#include "shell/CatalogChoice.h"
#include "base/NameValueList.h"

#include <string>
#include <vector>

namespace kinemo {

class TCatalogQuery;

class TLanguageModel {
public:
    // dataFolder holds the catalogs; settingsFile stores the choice.
    TLanguageModel(const std::string& dataFolder, std::string settingsFile, TNameValueList texts);
    // s_message class "form_language".
    static TNameValueList ReadTexts(TCatalogQuery& query);

    // The catalog text of a control name (empty when missing).
    std::string Text(const std::string& control) const { return texts_.Value(control); }
    // The installed languages, in offer order, and their names ("Language.<code>").
    const std::vector<TCatalogLanguage>& Languages() const { return languages_; }
    std::string LanguageName(size_t index) const;
    // The stored language's index (0, English, when the stored one is not installed).
    size_t CurrentIndex() const { return current_; }
    // OK with the chosen index: stores it when it differs; true when it changed (the
    // dialog then says it takes effect at the next start).
    bool Accept(size_t index);

private:
    std::string settingsFile_;
    TNameValueList texts_;
    std::vector<TCatalogLanguage> languages_;
    size_t current_ = 0;
};

}  // namespace kinemo
