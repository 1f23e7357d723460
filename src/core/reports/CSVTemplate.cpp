// Template substitution and the CSV lines written through it.
#include "reports/CSVTemplate.h"

#include "base/AtomicFile.h"
#include "base/ErrorMessage.h"
#include "base/TextFormat.h"

#include <cctype>

namespace kinemo {

namespace {
const std::string kOpen = "{[%]";
const std::string kClose = "[%]}";
}  // namespace

std::string FillTemplate(const std::string& tmpl, const TNameValueList& list) {
    size_t a = tmpl.find(kOpen);
    if (a == std::string::npos) return tmpl;
    std::string out = tmpl.substr(0, a);
    for (;;) {
        const size_t close = tmpl.find(kClose, a + kOpen.size());
        if (close == std::string::npos) return out;
        out += list.Value(tmpl.substr(a + kOpen.size(), close - a - kOpen.size()));
        const size_t after = close + kClose.size();
        const size_t next = tmpl.find(kOpen, after);
        if (next == std::string::npos) return out + tmpl.substr(after);
        out += tmpl.substr(after, next - after);
        a = next;
    }
}

namespace {

// Characters that end or open a field where a value stands unquoted.
bool CsvSpecial(char c) { return c == ',' || c == '"' || c == '\r' || c == '\n'; }

// A value placed where the template has quoted it: its quotes doubled.
void AppendInsideQuotes(std::string& out, const std::string& value, bool fieldStart) {
    if (fieldStart && CsvFormulaLike(value)) out += kCsvTextMark;
    for (char c : value) {
        if (c == '"') out += '"';
        out += c;
    }
}

// A value placed in an unquoted field beside other text: it cannot be quoted any more, so
// what would end the field becomes a space.
void AppendInsideBareField(std::string& out, const std::string& value, bool fieldStart) {
    if (fieldStart && CsvFormulaLike(value)) out += kCsvTextMark;
    for (char c : value) out += CsvSpecial(c) ? ' ' : c;
}

}  // namespace

std::string FillCsvTemplate(const std::string& tmpl, const TNameValueList& list) {
    std::string out;
    bool quoted = false;     // inside a field the template quotes
    bool fieldStart = true;  // nothing of the current field's content written yet
    size_t i = 0;
    while (i < tmpl.size()) {
        if (tmpl.compare(i, kOpen.size(), kOpen) == 0) {
            const size_t close = tmpl.find(kClose, i + kOpen.size());
            if (close == std::string::npos) return out;  // as FillTemplate: the rest is dropped
            const std::string value = list.Value(tmpl.substr(i + kOpen.size(), close - i - kOpen.size()));
            i = close + kClose.size();
            if (quoted) {
                AppendInsideQuotes(out, value, fieldStart);
            } else if (fieldStart && (i == tmpl.size() || CsvSpecial(tmpl[i]))) {
                out += CsvField(value);  // the placeholder is the whole field
            } else {
                AppendInsideBareField(out, value, fieldStart);
            }
            fieldStart = fieldStart && value.empty();
            continue;
        }
        const char c = tmpl[i];
        if (c == '"' && quoted) {
            if (i + 1 < tmpl.size() && tmpl[i + 1] == '"') {
                out += "\"\"";
                i += 2;
                fieldStart = false;
                continue;
            }
            quoted = false;
        } else if (c == '"' && fieldStart) {
            quoted = true;
        } else if (!quoted && (c == ',' || c == '\r' || c == '\n')) {
            fieldStart = true;
        } else {
            fieldStart = false;
        }
        out += c;
        ++i;
    }
    return out;
}

std::vector<std::string> TemplateKeys(const std::string& tmpl, bool* unterminated) {
    std::vector<std::string> keys;
    if (unterminated) *unterminated = false;
    for (size_t a = tmpl.find(kOpen); a != std::string::npos; a = tmpl.find(kOpen, a)) {
        const size_t close = tmpl.find(kClose, a + kOpen.size());
        if (close == std::string::npos) {
            if (unterminated) *unterminated = true;
            break;
        }
        keys.push_back(tmpl.substr(a + kOpen.size(), close - a - kOpen.size()));
        a = close + kClose.size();
    }
    return keys;
}

bool KeyMatches(const std::string& key, const std::vector<std::string>& patterns) {
    for (const std::string& p : patterns) {
        if (!p.empty() && p.back() == '#') {
            const std::string stem = p.substr(0, p.size() - 1);
            if (key.size() <= stem.size() || !SameText(key.substr(0, stem.size()), stem)) continue;
            bool digits = true;
            for (size_t i = stem.size(); i < key.size(); ++i)
                digits = digits && std::isdigit(static_cast<unsigned char>(key[i]));
            if (digits) return true;
        } else if (SameText(key, p)) {
            return true;
        }
    }
    return false;
}

void CheckTemplateKeys(const std::vector<std::string>& parts, const std::vector<std::string>& patterns,
                       const std::string& templateName, const TErrorMessage& errors) {
    std::string unknown;
    bool refused = false;  // an empty key ("{[%][%]}") is refused too, though it adds no text
    for (const std::string& part : parts) {
        bool open = false;
        for (const std::string& key : TemplateKeys(part, &open)) {
            if (KeyMatches(key, patterns)) continue;
            unknown += (refused ? ", " : "") + (key.empty() ? kOpen + kClose : key);
            refused = true;
        }
        if (open) throw TFormatErrorMessageException(errors, "CsvTemplateUnterminated", {templateName});
    }
    if (refused) throw TFormatErrorMessageException(errors, "CsvTemplateUnknownKey", {templateName, unknown});
}

void TCSVTemplate::Add(const std::string& tmpl, const TNameValueList& list) {
    lines_.push_back(FillCsvTemplate(tmpl, list));
}

std::string TCSVTemplate::Text() const {
    std::string text;
    for (const std::string& line : lines_) text += line + "\r\n";
    return text;
}

void TCSVTemplate::SaveToFile(const std::string& path) const { WriteFileAtomically(path, Text()); }

}  // namespace kinemo
