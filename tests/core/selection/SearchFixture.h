// A small motor catalog on the real schema: two series, motors of both supply classes
// with and without brake, and a geared series with two ratios.
#pragma once

#include "support/TestSupport.h"

#include <string>

namespace kinemo::test {

// Series 1 "Plain": motors 1 (200 V, 3-phase, no brake), 2 (200 V, 3-phase, brake),
// 3 (100 V, 1-phase, no brake), 4 (200 V, 1-phase, no brake, second encoder), 7 (400 W,
// 200 V, 3-phase, no brake); extension
// codes 11 (no brake, shaft 1), 12 (brake), 13 (no brake, shaft 2).
// Series 2 "Geared": motors 5 (ratio 1/5) and 6 (ratio 1/9), extension codes 21, 22.
std::string SearchCatalogSql();

}  // namespace kinemo::test
