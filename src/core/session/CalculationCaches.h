// The recent calculation results of one sizing session, owned by the session and handed to
// the calculations that use them: nothing of the kind is global or shared between sessions.
#pragma once

#include "machine/CalcCarryValue.h"
#include "torque/CalcDischarge.h"
#include "torque/TorqueList.h"
#include "torque/TorqueValue.h"

namespace kinemo {

struct TCalculationCaches {
    TChainResults Chains;            // chain runs
    TIntervalResults Intervals;      // interval torques
    TTorqueFigureResults Figures;    // torque list figures
    TJudgementResults Judgements;    // judgements of a motor
};

}  // namespace kinemo
