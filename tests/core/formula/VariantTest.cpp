// The Variant value type: subtypes, VBScript's conversions, numeric text, and array copies.
#include "formula/FormulaError.h"
#include "formula/Variant.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using kinemo::ParseVbNumber;
using kinemo::RoundHalfEven;
using kinemo::TFormulaError;
using kinemo::Variant;

constexpr double kTolerance = 1e-12;

TEST(Variant, SubtypesReportVbScriptNamesAndNumbers) {
    EXPECT_STREQ(Variant().TypeName(), "Empty");
    EXPECT_EQ(Variant::Null().VarType(), 1);
    EXPECT_EQ(Variant::FromInt64(5).GetType(), Variant::Type::Integer);
    EXPECT_EQ(Variant::FromInt64(-32769).GetType(), Variant::Type::Long);
    EXPECT_EQ(Variant::FromInt64(int64_t{1} << 40).GetType(), Variant::Type::Double);
    EXPECT_EQ(Variant::Byte(7).VarType(), 17);
    EXPECT_EQ(Variant::String("x").VarType(), 8);
    EXPECT_EQ(sizeof(Variant), 16u);  // numbers need no heap
}

TEST(Variant, ConvertsToText) {
    EXPECT_EQ(Variant().ToText(), "");
    EXPECT_EQ(Variant::Boolean(true).ToText(), "True");
    EXPECT_EQ(Variant::Long(-12).ToText(), "-12");
    EXPECT_EQ(Variant::Double(0.00001).ToText(), "1E-5");
    EXPECT_EQ(Variant::Double(2.0 / 3.0).ToText(), "0.666666666666667");
    EXPECT_EQ(Variant::Single(0.1f).ToText(), "0.1");  // a Single shows 7 digits
    EXPECT_THROW(Variant::Null().ToText(), TFormulaError);
}

TEST(Variant, ConvertsToNumbers) {
    EXPECT_EQ(Variant().ToDouble(), 0.0);
    EXPECT_EQ(Variant::Boolean(true).ToDouble(), -1.0);
    EXPECT_NEAR(Variant::String(" 2.5E1 ").ToDouble(), 25, kTolerance);
    EXPECT_EQ(Variant::Double(2.5).ToLong(), 2);
    EXPECT_EQ(Variant::Double(-3.5).ToLong(), -4);
    EXPECT_THROW(Variant::Double(3e9).ToLong(), TFormulaError);
    EXPECT_THROW(Variant::String("12abc").ToDouble(), TFormulaError);
    EXPECT_THROW(Variant::Null().ToDouble(), TFormulaError);
    EXPECT_TRUE(Variant::String("true").ToBool());
    EXPECT_FALSE(Variant::String("0").ToBool());
    EXPECT_THROW(Variant::String("maybe").ToBool(), TFormulaError);
}

TEST(Variant, ReadsNumericTextTheVbScriptWay) {
    struct {
        const char* text;
        bool ok;
        double value;
    } rows[] = {
        {"12", true, 12}, {" -1.5 ", true, -1.5}, {"+.5", true, 0.5}, {"1e3", true, 1000},
        {"2.5E-2", true, 0.025}, {"1D2", true, 100}, {"&HFF", true, 255}, {"&HFFFF", true, -1},
        {"&O17", true, 15}, {"", false, 0}, {"   ", false, 0}, {"1,5", false, 0},
        {"e5", false, 0}, {"1e", false, 0}, {"0x10", false, 0}, {"inf", false, 0}, {"1e999", false, 0},
    };
    for (const auto& r : rows) {
        double v = 0;
        EXPECT_EQ(ParseVbNumber(r.text, v), r.ok) << r.text;
        if (r.ok) {
            EXPECT_NEAR(v, r.value, kTolerance) << r.text;
        }
    }
}

TEST(Variant, RoundsHalfToEven) {
    EXPECT_EQ(RoundHalfEven(0.5), 0);
    EXPECT_EQ(RoundHalfEven(1.5), 2);
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(-1.5), -2);
    EXPECT_EQ(RoundHalfEven(2.4999), 2);
}

// Arrays copy by value; the copy is made only when one side is written.
TEST(Variant, ArrayCopiesAreIndependent) {
    kinemo::TArrayData d;
    d.upper = {1};
    d.items = {Variant::Integer(1), Variant::String("two")};
    Variant a = Variant::Array(d);
    Variant b = a;
    b.MutableArray().items[0] = Variant::Integer(9);
    EXPECT_EQ(a.ArrayValue().items[0].IntValue(), 1);
    EXPECT_EQ(b.ArrayValue().items[0].IntValue(), 9);
    EXPECT_EQ(b.ArrayValue().items[1].StringValue(), "two");
}

TEST(Variant, StringsShareAndSurviveTheirOrigin) {
    Variant copy;
    {
        Variant original = Variant::String("shared text");
        copy = original;
    }
    EXPECT_EQ(copy.StringValue(), "shared text");
    Variant moved = std::move(copy);
    EXPECT_TRUE(copy.IsEmpty());
    EXPECT_EQ(moved.StringValue(), "shared text");
}

}  // namespace
