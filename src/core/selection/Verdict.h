// How a judgement code reads at a glance: passing, needing attention, or failing.
#pragma once

namespace kinemo {

enum class TVerdict { None, Pass, Warning, Fail };

// The judgement codes of the catalog's formulas: 0 OK, 1 warning, 2 not suitable,
// 3 and 4 regeneration without a resistor, 5 and 6 a resistor is needed, 7 not possible.
// Unjudged motors have no verdict.
TVerdict VerdictOf(int code, bool judged);

}  // namespace kinemo
