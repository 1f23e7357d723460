// The pattern services of a run context.
#include "pattern/PatternServices.h"

#include "shell/ErrorMessage.h"
#include "shell/KinemoContext.h"
#include "units/Measure.h"
#include "units/ValueFormat.h"

namespace kinemo {

TPatternServices PatternServicesOf(TKinemoContext& context) {
    TPatternServices s;
    s.Query = &context.Query();
    s.Measures = &context.Measures();
    s.Errors = &context.ErrorMessages();
    s.Formulas = &context.DrivePatternFormulas();
    s.Format = &context.ValueFormat();
    s.Chain = &context.Chain();
    s.Dialogs = &context.Dialogs();
    s.Busy = context.BusyCursor();
    s.Curves = &context.SigmoidalCurves();
    return s;
}

}  // namespace kinemo
