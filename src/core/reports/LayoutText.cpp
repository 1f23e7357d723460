// Clipping of report texts for layout.
#include "reports/LayoutText.h"

#include "reports/PrintData.h"

namespace kinemo {

namespace {

const char* const kEllipsis = "\xE2\x80\xA6";  // "…"

bool StartsWith(const std::string& key, const char* prefix) { return key.rfind(prefix, 0) == 0; }

void CopyClipped(const TNameValueList& from, TNameValueList& to) {
    for (size_t i = 0; i < from.Count(); ++i) {
        const std::string name = from.Name(i);
        to.Add(name + "=" + ClipForLayout(from.ValueAt(i), LayoutLimitOfKey(name)));
    }
}

}  // namespace

std::string ClipForLayout(const std::string& text, size_t maxChars) {
    // Code points counted by their lead bytes; the cut falls before the lead byte of the
    // character that would exceed the limit.
    if (text.size() <= maxChars) return text;
    const size_t keep = maxChars > 0 ? maxChars - 1 : 0;
    size_t chars = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
        if (chars == keep) {
            // Is there more than one character left? Then clip here.
            size_t rest = 0;
            for (size_t j = i; j < text.size() && rest < 2; ++j)
                if ((static_cast<unsigned char>(text[j]) & 0xC0) != 0x80) ++rest;
            if (rest < 2) return text;
            return text.substr(0, i) + kEllipsis;
        }
        ++chars;
    }
    return text;
}

size_t LayoutLimitOfKey(const std::string& key) {
    if (key == "PrintComment" || key == "EditComment" || StartsWith(key, "ItemValue")) return kLayoutMemoChars;
    if (key == "ImageFile") return kLayoutPathChars;
    return kLayoutCellChars;
}

std::unique_ptr<TPrintData> LayoutCopy(const TPrintData& data) {
    auto copy = std::make_unique<TPrintData>();
    CopyClipped(data.HeaderPairs, copy->HeaderPairs);
    for (const auto& row : data.RowRecords) CopyClipped(*row, copy->AddRow());
    CopyClipped(data.FooterPairs, copy->FooterPairs);
    return copy;
}

}  // namespace kinemo
