// Format directives: the catalog's texts rely on the non-printf meanings of %f and %g.
#include "shell/TextFormat.h"
#include "units/ValueFormat.h"

#include <gtest/gtest.h>

using namespace kinemo;

TEST(FloatToText, FourExamplesOfTheRule) {
    EXPECT_EQ(FloatToText(0.0001), "0.0001");
    EXPECT_EQ(FloatToText(0.00001), "1E-5");
    EXPECT_EQ(FloatToText(123456789012345.0), "123456789012345");
    EXPECT_EQ(FloatToText(1e15), "1E15");
}
