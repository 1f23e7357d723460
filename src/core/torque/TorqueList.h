// The torque intervals of one motor on the drive pattern and the figures of the whole
// pattern: necessary peak torque, effective torque, time, speeds, running and holding
// torque maxima, each by a catalog formula over arrays of the interval values.
#pragma once

#include "torque/TorqueValue.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace kinemo {

class TTorqueList {
public:
    TTorqueList() = default;
    // A copy of every value and of all eight figures.
    std::unique_ptr<TTorqueList> Copy() const;

    void Add(std::unique_ptr<TTorqueValue> value) { values_.push_back(std::move(value)); }
    int Count() const { return static_cast<int>(values_.size()); }
    const TTorqueValue& Value(int i) const { return *values_.at(static_cast<size_t>(i)); }
    std::vector<const TTorqueValue*> Values() const;

    // Runs the list formulas; "Not initialized TorqueList." without an effective-torque
    // formula.
    void Calculate(const TTorqueValueFormula& formulas);
    // Everything Calculate reads, as bytes: lists with equal keys get equal figures.
    void AppendCalculationKey(const TTorqueValueFormula& formulas, std::string& key) const;
    // Takes the eight figures of a list with the same key.
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

private:
    std::string ArrayScript() const;
    // The interval fields the list formulas see, in the order of their arrays.
    static std::array<double, 15> ArrayFields(const TTorqueValue& v);
    std::vector<std::unique_ptr<TTorqueValue>> values_;
};

}  // namespace kinemo
