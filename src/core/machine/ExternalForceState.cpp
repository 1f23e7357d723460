// External-force marks and their row operations.
#include "machine/ExternalForceState.h"

#include <pugixml.hpp>

#include <algorithm>
#include <string>

namespace kinemo {

namespace {
constexpr int kLastInterval = 98;  // interval rows 1..99
}

void TExternalForceColData::SetMark(int k, bool value) {
    if (k >= 0 && k < kMarkCount) marks_[static_cast<size_t>(k)] = value;
}

void TExternalForceColData::CopyRows(int min, int max) {
    buffer_.clear();
    for (int k = std::max(min, 0); k <= std::min(max, kLastInterval); ++k) buffer_.push_back(Mark(k));
}

void TExternalForceColData::DeleteRows(int min, int max) {
    const int n = max - min + 1;
    if (n <= 0 || min < 0) return;
    for (int k = min; k < kMarkCount; ++k) marks_[static_cast<size_t>(k)] = k + n < kMarkCount && Mark(k + n);
}

void TExternalForceColData::InsertRows(int min, int max) {
    const int n = max - min + 1;
    if (n <= 0 || min < 0) return;
    for (int k = kMarkCount - 1; k >= min + n; --k) marks_[static_cast<size_t>(k)] = Mark(k - n);
    for (int k = min; k <= max && k < kMarkCount; ++k) marks_[static_cast<size_t>(k)] = false;
}

void TExternalForceColData::PasteRows(int first) {
    if (buffer_.empty() || first < 0) return;
    InsertRows(first, first + static_cast<int>(buffer_.size()) - 1);
    for (size_t i = 0; i < buffer_.size() && first + static_cast<int>(i) <= kLastInterval; ++i)
        marks_[static_cast<size_t>(first) + i] = buffer_[i];
}

void TExternalForceColData::SaveToXML(pugi::xml_node& parent) const {
    pugi::xml_node col = parent.append_child("ExternalForceCol");
    for (int k = 0; k < kSavedMarks; ++k) {
        pugi::xml_node row = col.append_child("ExternalForceRow");
        row.append_attribute("Row").set_value(std::to_string(k).c_str());
        row.text().set(Mark(k) ? "1" : "0");
    }
}

void TExternalForceColData::LoadFromXML(const pugi::xml_node& col) {
    int j = 0;
    for (pugi::xml_node row = col.first_child(); row && j < kSavedMarks; row = row.next_sibling()) {
        if (std::string(row.name()) != "ExternalForceRow") continue;
        marks_[static_cast<size_t>(j++)] = std::string(row.text().get()) == "1";
    }
}

void TExternalForceGridData::CopyRows(int min, int max) {
    for (auto* c : columns_) c->CopyRows(min, max);
}
void TExternalForceGridData::DeleteRows(int min, int max) {
    for (auto* c : columns_) c->DeleteRows(min, max);
}
void TExternalForceGridData::InsertRows(int min, int max) {
    for (auto* c : columns_) c->InsertRows(min, max);
}
void TExternalForceGridData::PasteRows(int first) {
    for (auto* c : columns_) c->PasteRows(first);
}

}  // namespace kinemo
