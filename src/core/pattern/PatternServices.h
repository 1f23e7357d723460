// The run-wide objects the drive pattern works with, borrowed from the run context.
#pragma once

namespace kinemo {

class IBusyCursor;
class IUserDialogs;
class TCalcCarryValue;
class TCatalogQuery;
class TDrivePatternFormulas;
class TErrorMessage;
class TMeasureManager;
class TSigmoidalCurves;
class TValueFormat;

struct TPatternServices {
    TCatalogQuery* Query = nullptr;  // column units and texts, read when a pattern is created
    const TMeasureManager* Measures = nullptr;
    const TErrorMessage* Errors = nullptr;
    const TDrivePatternFormulas* Formulas = nullptr;
    const TValueFormat* Format = nullptr;
    TCalcCarryValue* Chain = nullptr;  // null: no carry output to refresh, no external-force marks
    IUserDialogs* Dialogs = nullptr;
    IBusyCursor* Busy = nullptr;       // may be null
    TSigmoidalCurves* Curves = nullptr;
};

}  // namespace kinemo
