// The catalog's twelve drive-pattern formulas, read once per run, and how a pattern step
// runs one of them.
#pragma once

#include "base/NameValueList.h"
#include "base/RecentResults.h"

#include <array>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace kinemo {

class TCatalogQuery;
class TProgramCache;

class TDrivePatternFormulas {
public:
    static const std::array<const char*, 12>& Keys();

    TDrivePatternFormulas() = default;
    // Texts set one by one with SetText.
    explicit TDrivePatternFormulas(TProgramCache* programs) : programs_(programs) {}
    // programs: the run's parsed formula texts (null parses every time).
    explicit TDrivePatternFormulas(TCatalogQuery& query, TProgramCache* programs = nullptr) : programs_(programs) {
        Load(query);
    }

    // Rebuilds the store from m_drive_pattern, one query per key in key order; a key
    // without a row keeps an empty text.
    void Load(TCatalogQuery& query);
    std::string Text(const std::string& key) const { return formulas_.Value(key); }
    void SetText(const std::string& key, const std::string& text) {
        formulas_.SetValue(key, text);
        recent_.Clear();
    }

    // A fresh engine: each variable assigned as "name=" and its float-to-text form, in
    // the order given, then the key's text, then each name read back as a number. A run on
    // inputs seen lately gives the earlier results (the judgement runs the same rows for
    // every motor of one speed coefficient), unless the text calls Rnd or Randomize.
    std::vector<double> Run(const std::string& key, std::initializer_list<std::pair<const char*, double>> variables,
                            std::initializer_list<const char*> names) const;

private:
    // Everything a run reads: the key (its text is fixed while the store lives), the names
    // assigned and read back, and the values assigned.
    struct TRunInput {
        std::string Signature;
        std::vector<TExactDouble> Values;
        bool operator==(const TRunInput&) const = default;
        // Of the values and the signature's length: a lookup compares hashes first.
        uint64_t Hash() const {
            uint64_t h = Signature.size();
            for (const TExactDouble& v : Values) h = MixHash(h, std::bit_cast<uint64_t>(v.value));
            return h;
        }
    };

    TNameValueList formulas_;
    TProgramCache* programs_ = nullptr;
    mutable TRecentResults<TRunInput, std::vector<double>, 256> recent_;
};

}  // namespace kinemo
