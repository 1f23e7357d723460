// Judgement codes grouped for colouring.
#include "selection/Verdict.h"

namespace kinemo {

TVerdict VerdictOf(int code, bool judged) {
    if (!judged) return TVerdict::None;
    switch (code) {
    case 0:
    case 3:
    case 4: return TVerdict::Pass;
    case 1:
    case 5:
    case 6: return TVerdict::Warning;
    case 2:
    case 7: return TVerdict::Fail;
    default: return TVerdict::None;
    }
}

}  // namespace kinemo
