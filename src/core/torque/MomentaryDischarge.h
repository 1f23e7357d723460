// The momentary regeneration table of a judgement: one row per torque interval with its
// energies, time, power and stop code, the values its table formula reads, and the rows as
// a judged motor's debug text prints them.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace kinemo {

class TFormulaEngine;

struct TMomentaryDischarge {
    std::string No, Er, Ec, Em, E, t, P, Pm, Behavior, Ct;
};

class TMomentaryDischargeList {
public:
    void Add(TMomentaryDischarge row) { rows_.push_back(std::move(row)); }
    void Clear() { rows_.clear(); }
    int Count() const { return static_cast<int>(rows_.size()); }
    const TMomentaryDischarge& Row(int i) const { return rows_.at(static_cast<size_t>(i)); }
    TMomentaryDischarge& Row(int i) { return rows_.at(static_cast<size_t>(i)); }
    // Count, the eight array declarations and Er, Ec, Em, t per row, for the table formula.
    std::string ScriptText() const;
    // The same as ScriptText, set into engine without a text per table.
    void ApplyTo(TFormulaEngine& engine) const;
    // "%3d %12.11s ..." per row.
    std::vector<std::string> FormatRows() const;

private:
    std::vector<TMomentaryDischarge> rows_;
};

// The rows of a judged motor's table as its debug text prints them. A judgement keeps the
// table and formats the rows only when they are first read: a candidate list judges a
// thousand motors and prints none.
class TMomentaryTableText {
public:
    TMomentaryTableText() = default;
    explicit TMomentaryTableText(std::shared_ptr<const TMomentaryDischargeList> table) : table_(std::move(table)) {}

    const std::vector<std::string>& Rows() const;
    size_t size() const { return Rows().size(); }
    bool empty() const { return Rows().empty(); }
    const std::string& operator[](size_t i) const { return Rows()[i]; }
    const std::string& at(size_t i) const { return Rows().at(i); }
    std::vector<std::string>::const_iterator begin() const { return Rows().begin(); }
    std::vector<std::string>::const_iterator end() const { return Rows().end(); }
    bool operator==(const TMomentaryTableText& other) const { return Rows() == other.Rows(); }

private:
    std::shared_ptr<const TMomentaryDischargeList> table_;
    // Shared by copies once formatted.
    mutable std::shared_ptr<const std::vector<std::string>> rows_;
};

}  // namespace kinemo
