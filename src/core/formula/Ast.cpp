// Helpers of the syntax tree: name hashing and the text of a program's lines.
#include "formula/Ast.h"

namespace kinemo {

uint64_t HashName(std::string_view lowerName) {
    uint64_t h = 1469598103934665603ull;
    for (char c : lowerName) h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    return h;
}

std::string TProgram::LineText(int line) const {
    if (line < 1 || static_cast<size_t>(line) > lineStarts.size()) return {};
    const size_t b = lineStarts[line - 1];
    size_t e = text.find_first_of("\r\n", b);
    if (e == std::string::npos) e = text.size();
    return text.substr(b, e - b);
}

void TProgram::IndexLines() {
    lineStarts.push_back(0);
    const std::string& t = text;
    for (size_t i = 0; i < t.size(); ++i) {
        if (t[i] == '\r' && i + 1 < t.size() && t[i + 1] == '\n') ++i;
        if (t[i] == '\r' || t[i] == '\n') lineStarts.push_back(static_cast<uint32_t>(i + 1));
    }
}

size_t NameTableSize(size_t count) {
    size_t size = 64;
    while (size < count * 2) size *= 2;
    return size;
}

void TProgram::IndexNames() {
    const size_t n = globals.names.size();
    nameTable.assign(NameTableSize(n), 0);
    const size_t mask = nameTable.size() - 1;
    for (size_t k = 0; k < n; ++k) {
        size_t i = globals.names[k].hash & mask;
        while (nameTable[i] != 0) i = (i + 1) & mask;
        nameTable[i] = static_cast<uint32_t>(k + 1);
    }
}

}  // namespace kinemo
