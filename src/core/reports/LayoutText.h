// Texts from catalogs and projects clipped to what a printed page can show, so that a huge
// name, memo or comment received in a file cannot make a report layout take gigabytes.
#pragma once

#include <cstddef>
#include <memory>
#include <string>

namespace kinemo {

class TPrintData;

// Limits in characters (UTF-8 code points). A table cell or a card line shows a few lines
// at most, so a few hundred characters is already more than the page can hold; a memo or
// a comment block fills part of a page; a picture's path cannot usefully be longer than a
// path the system accepts. Texts the program writes itself stay far below these.
inline constexpr size_t kLayoutCellChars = 300;
inline constexpr size_t kLayoutMemoChars = 4000;
inline constexpr size_t kLayoutPathChars = 4096;

// The text itself when it has at most maxChars characters; otherwise its first
// maxChars - 1 characters followed by "…" (never a broken UTF-8 sequence).
std::string ClipForLayout(const std::string& text, size_t maxChars);

// The limit of a report data key: the print comment and element item values (memos) are
// memo-sized, the picture path path-sized, everything else a cell.
size_t LayoutLimitOfKey(const std::string& key);

// A copy of a report data set with every value clipped by the limit of its key: what the
// preview, the printer and the PDF lay out. The CSV is written from the data set itself.
std::unique_ptr<TPrintData> LayoutCopy(const TPrintData& data);

}  // namespace kinemo
