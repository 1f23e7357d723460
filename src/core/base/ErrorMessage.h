// The catalog's error texts (s_message class "error") and the keyed errors that carry them.
#pragma once

#include "base/KinemoError.h"
#include "base/NameValueList.h"
#include "base/TextFormat.h"

#include <string>

namespace kinemo {

class TCatalogQuery;

class TErrorMessage {
public:
    // Reads every "error" row with the query; a later row with the same key wins.
    explicit TErrorMessage(TCatalogQuery& query);
    TErrorMessage() = default;

    std::string GetText(const std::string& key) const { return texts_.Value(key); }
    std::string GetFormattedText(const std::string& key, const std::string& argument) const;
    const TNameValueList& Texts() const { return texts_; }

private:
    TNameValueList texts_;
};

// An error whose message is the catalog text of a key.
class TErrorMessageException : public TKinemoError {
public:
    TErrorMessageException(const TErrorMessage& table, const std::string& key)
        : TKinemoError(table.GetText(key)), key_(key) {}
    // The key's error with a message its raiser composed around the key's text (one that
    // names the row, say).
    TErrorMessageException(const std::string& key, const std::string& message) : TKinemoError(message), key_(key) {}
    const std::string& Key() const { return key_; }

private:
    std::string key_;
};

// An error whose message is the catalog text of a key formatted with arguments.
class TFormatErrorMessageException : public TKinemoError {
public:
    TFormatErrorMessageException(const TErrorMessage& table, const std::string& key, const FormatArgs& args);
    const std::string& Key() const { return key_; }

private:
    std::string key_;
};

}  // namespace kinemo
