// An element chain with its own trace, formula store and S-curve choice on a context,
// for tests that drive the machine or pattern models without a whole sizing session.
#pragma once

#include "session/KinemoContext.h"
#include "formula/ProgramCache.h"
#include "machine/CalcCarryValue.h"
#include "machine/MachineServices.h"
#include "pattern/DrivePatternFormulas.h"
#include "pattern/PatternServices.h"
#include "pattern/SigmoidalCurves.h"
#include "units/ValueFormat.h"

namespace kinemo::test {

struct LooseChain {
    explicit LooseChain(TKinemoContext& context)
        : ctx(context),
          services(WithTrace(context.Machine(), trace)),
          chain(trace, &context.Programs()),
          formulas(context.Query(), &context.Programs()),
          curves(context.SigmoidalCurves()) {}

    // What the pattern models of a session receive, on this chain.
    TPatternServices Pattern() {
        TPatternServices s;
        s.Query = &ctx.Query();
        s.Measures = &ctx.Measures();
        s.Errors = &ctx.ErrorMessages();
        s.Formulas = &formulas;
        s.Format = &ctx.ValueFormat();
        s.Chain = &chain;
        s.Dialogs = &ctx.Dialogs();
        s.Busy = ctx.BusyCursor();
        s.Curves = &curves;
        return s;
    }

    TKinemoContext& ctx;
    TCalcTrace trace;
    TMachineServices services;
    TCalcCarryValue chain;
    TDrivePatternFormulas formulas;
    TSigmoidalCurves curves;

private:
    static TMachineServices WithTrace(TMachineServices services, TCalcTrace& trace) {
        services.Trace = &trace;
        return services;
    }
};

}  // namespace kinemo::test
