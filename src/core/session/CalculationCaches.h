// The parsed formula texts and recent calculation results of one run, owned by its
// context and handed to the calculations that use them: nothing of the kind is global.
#pragma once

#include "formula/ProgramCache.h"
#include "machine/CalcCarryValue.h"
#include "torque/CalcDischarge.h"
#include "torque/TorqueList.h"
#include "torque/TorqueValue.h"

namespace kinemo {

struct TCalculationCaches {
    TProgramCache Programs;
    TChainResults Chains;            // chain runs
    TIntervalResults Intervals;      // interval torques
    TTorqueFigureResults Figures;    // torque list figures
    TJudgementResults Judgements;    // judgements of a motor
};

}  // namespace kinemo
