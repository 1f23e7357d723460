// Error-message table and keyed errors.
#include "base/ErrorMessage.h"

#include "base/CatalogText.h"

namespace kinemo {

TErrorMessage::TErrorMessage(TCatalogQuery& query) : texts_(ReadMessageClass(query, "error")) {}

std::string TErrorMessage::GetFormattedText(const std::string& key, const std::string& argument) const {
    return FormatText(GetText(key), {argument});
}

namespace {

std::string FormatOrRaw(const std::string& text, const FormatArgs& args) {
    // A catalog text whose directives do not fit the arguments still shows its words.
    try {
        return FormatText(text, args);
    } catch (const TKinemoError&) {
        return text;
    }
}

}  // namespace

TFormatErrorMessageException::TFormatErrorMessageException(const TErrorMessage& table, const std::string& key,
                                                           const FormatArgs& args)
    : TKinemoError(FormatOrRaw(table.GetText(key), args)), key_(key) {}

}  // namespace kinemo
