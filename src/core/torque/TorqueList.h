// The torque intervals of one motor on the drive pattern and the figures of the whole
// pattern: necessary peak torque, effective torque, time, speeds, running and holding
// torque maxima, each by a catalog formula over arrays of the interval values.
#pragma once

#include "torque/TorqueValue.h"

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kinemo {

class TProgramCache;

// What the list formulas read: their four texts and the interval fields of every row.
struct TTorqueListInput {
    std::array<std::string, 4> Formulas;
    std::vector<std::array<TExactDouble, 15>> Rows;
    bool operator==(const TTorqueListInput&) const = default;
    // Of the rows only: the formulas are the same texts nearly always.
    uint64_t Hash() const {
        uint64_t h = Rows.size();
        for (const auto& row : Rows)
            for (const TExactDouble& v : row) h = MixHash(h, std::bit_cast<uint64_t>(v.value));
        return h;
    }
};

class TTorqueList {
public:
    TTorqueList() = default;
    // Copies are whole: every value and all eight figures.
    TTorqueList(const TTorqueList& other);
    TTorqueList& operator=(const TTorqueList& other);
    TTorqueList(TTorqueList&&) noexcept = default;
    TTorqueList& operator=(TTorqueList&&) noexcept = default;
    // The copy a judged motor keeps: every value and all eight figures.
    std::unique_ptr<TTorqueList> Copy() const;

    void Add(std::unique_ptr<TTorqueValue> value) { values_.push_back(std::move(value)); }
    int Count() const { return static_cast<int>(values_.size()); }
    const TTorqueValue& Value(int i) const { return *values_.at(static_cast<size_t>(i)); }
    std::vector<const TTorqueValue*> Values() const;

    // Runs the list formulas; "Not initialized TorqueList." without an effective-torque
    // formula. programs: the run's parsed formula texts (null parses every time).
    void Calculate(const TTorqueValueFormula& formulas, TProgramCache* programs = nullptr);
    // Everything Calculate reads: lists with equal inputs get equal figures.
    TTorqueListInput CalculationInput(const TTorqueValueFormula& formulas) const;
    // Takes the eight figures of a list with equal inputs.
    void CopyFiguresFrom(const TTorqueList& other);
    // The labelled dump of every interval and the figures, lines ending with CR LF.
    std::string Text() const;

    double NecessityMaxTorque = 0;
    double NecessityMaxTorqueS = 0;
    double TotalTime = 0;
    double EffectiveTorque = 0;
    double MaxSpeed = 0;
    double MaxFrequency = 0;
    double MotorRunningTorqueMax = 0;
    double MotorEpigeneTorqueMax = 0;

    // The chain on the motor with no external force, as the carry table of this list left
    // it; the judgement hands it over without running the chain again. Not copied.
    std::optional<TChainAtRest> ChainAtRest;

private:
    std::string ArrayScript() const;
    // The interval fields the list formulas see, in the order of their arrays.
    static std::array<double, 15> ArrayFields(const TTorqueValue& v);
    std::vector<std::unique_ptr<TTorqueValue>> values_;
};

// The figures of recent lists (values left out) by their inputs: twins of a motor give
// equal lists.
using TTorqueFigureResults = TRecentResults<TTorqueListInput, TTorqueList, 1024>;

}  // namespace kinemo
