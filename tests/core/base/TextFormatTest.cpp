// Format directives and the float-to-text rule: the catalog's texts and every number
// handed to a formula rely on their non-printf meanings.
#include "base/KinemoError.h"
#include "base/TextFormat.h"
#include "units/ValueFormat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>
#include <vector>

using namespace kinemo;

TEST(FloatToText, FourExamplesOfTheRule) {
    EXPECT_EQ(FloatToText(0.0001), "0.0001");
    EXPECT_EQ(FloatToText(0.00001), "1E-5");
    EXPECT_EQ(FloatToText(123456789012345.0), "123456789012345");
    EXPECT_EQ(FloatToText(1e15), "1E15");
}

TEST(FloatToText, SignsExponentsAndFifteenDigits) {
    EXPECT_EQ(FloatToText(0.0), "0");
    EXPECT_EQ(FloatToText(-0.0), "0");
    EXPECT_EQ(FloatToText(0.1 + 0.2), "0.3");  // the 17th digit must not leak into formulas
    EXPECT_EQ(FloatToText(-2.5), "-2.5");
    EXPECT_EQ(FloatToText(100.0), "100");
    EXPECT_EQ(FloatToText(1e14), "100000000000000");
    EXPECT_EQ(FloatToText(-1.5e-7), "-1.5E-7");
    EXPECT_EQ(FloatToText(1.25e20), "1.25E20");
    EXPECT_EQ(FloatToText(3.14159265358979323846), "3.14159265358979");
    EXPECT_EQ(FloatToText(9.80665), "9.80665");
    EXPECT_EQ(FloatToText(-0.00012), "-0.00012");
    EXPECT_EQ(FloatToText(999999999999999.9), "1E15");  // rounding carries into a new digit
}

TEST(FloatToText, TextReadsBackToTheSameFifteenDigits) {
    for (double v : {1.0 / 3.0, 2.0 / 7.0 * 1e-6, 6.02214076e23, -123.456e-9, 0.7853981633974483}) {
        double back = 0;
        ASSERT_TRUE(TryTextToFloat(FloatToText(v), back)) << v;
        EXPECT_NEAR(back, v, std::fabs(v) * 1e-14) << FloatToText(v);
    }
}

// A narrow table column may drop digits of a number, never its exponent or its
// integer digits: the value shown must stay the value.
TEST(FitNumberText, ShortensWithoutChangingTheMagnitude) {
    struct Case {
        const char* text;
        const char* fitted;
    };
    const Case cases[] = {
        {"2.95839246321739E-6", "2.958392E-6"},   // the float-to-text form
        {"2.958392463E-06", "2.958392E-6"},       // the script engine's text form
        {"-2.95839246321739E-6", "-2.95839E-6"},
        {"1.25E20", "1.25E20"},                   // fits: unchanged
        {"0.0186039694617", "0.018603969"},       // plain decimals are cut as before
        {"1.23456789012345", "1.234567890"},
        {"123456789012345", "1.234568E14"},       // too many integer digits for fixed form
        {"-98765432109.5", "-9.87654E10"},
        {"-", "-"},                               // not a number
        {"not a number at all", "not a number at all"},
    };
    for (const Case& c : cases) EXPECT_EQ(FitNumberText(c.text, 11), c.fitted) << c.text;
    for (const Case& c : cases) {
        double original = 0, fitted = 0;
        if (!TryTextToFloat(c.text, original)) continue;
        ASSERT_TRUE(TryTextToFloat(FitNumberText(c.text, 11), fitted)) << c.text;
        EXPECT_NEAR(fitted, original, std::fabs(original) * 1e-5) << c.text;
    }
}

TEST(TryTextToFloat, AcceptsPlainDecimalNumbersOnly) {
    double v = 0;
    EXPECT_TRUE(TryTextToFloat(" 12.5 ", v));
    EXPECT_DOUBLE_EQ(v, 12.5);
    EXPECT_TRUE(TryTextToFloat("-1E-5", v));
    EXPECT_DOUBLE_EQ(v, -1e-5);
    EXPECT_TRUE(TryTextToFloat(".5", v));
    EXPECT_DOUBLE_EQ(v, 0.5);
    for (const char* bad : {"", " ", "abc", "1,5", "0x10", "inf", "nan", "1e", "1.2.3", "--1", "5 mm"})
        EXPECT_FALSE(TryTextToFloat(bad, v)) << bad;
}

TEST(FormatText, DirectivesTheCatalogUses) {
    EXPECT_EQ(FormatText("%2d|%3d", {7LL, 42LL}), " 7| 42");
    EXPECT_EQ(FormatText("%11.4f", {3.14159}), "     3.1416");
    EXPECT_EQ(FormatText("%1.4f", {-2.0}), "-2.0000");
    EXPECT_EQ(FormatText("%12.11s|", {std::string("abcdefghijklmnop")}), " abcdefghijk|");
    EXPECT_EQ(FormatText("%-*s|", {6LL, std::string("ab")}), "ab    |");
    EXPECT_EQ(FormatText("%*s|", {5LL, std::string("ab")}), "   ab|");
    EXPECT_EQ(FormatText("100%% of %s", {std::string("x")}), "100% of x");
    EXPECT_EQ(FormatText("%.3d", {5LL}), "005");
    EXPECT_EQ(FormatText("%1:s %0:s", {std::string("a"), std::string("b")}), "b a");
}

TEST(FormatText, BareFHasTwoDecimalsAndGKeepsFifteenDigits) {
    EXPECT_EQ(FormatText("%f", {1.0 / 3.0}), "0.33");
    EXPECT_EQ(FormatText("%f", {2LL}), "2.00");
    // C's %g would give 0.333333 and silently corrupt a formula input.
    EXPECT_EQ(FormatText("x = %g", {1.0 / 3.0}), "x = 0.333333333333333");
    EXPECT_EQ(FormatText("%g", {0.00001}), "1E-5");
    EXPECT_EQ(FormatText("Torque(%d) = %g", {3LL, 1.5}), "Torque(3) = 1.5");
}

TEST(FormatText, WidthsCountDisplayColumnsOfWideCharacters) {
    EXPECT_EQ(DisplayWidth("トルク"), 6);
    EXPECT_EQ(FormatText("%-10s|", {std::string("トルク")}), "トルク    |");
    // Precision never splits a wide character.
    EXPECT_EQ(FormatText("%.5s|", {std::string("トルク")}), "トル|");
}

TEST(FormatText, TextWithoutDirectivesIsUnchangedAndBadArgumentsRaise) {
    EXPECT_EQ(FormatText("no directive here", {std::string("ignored")}), "no directive here");
    EXPECT_THROW(FormatText("%d", {}), TKinemoError);
    EXPECT_THROW(FormatText("%d", {std::string("x")}), TKinemoError);
    EXPECT_THROW(FormatText("%f", {std::string("x")}), TKinemoError);
    EXPECT_THROW(FormatText("50%", {}), TKinemoError);
    EXPECT_THROW(FormatText("%q", {1LL}), TKinemoError);
}

TEST(Round12, RoundsToTwelveDecimalsWithTiesToEven) {
    EXPECT_DOUBLE_EQ(Round12(1.23456789012345), 1.234567890123);
    EXPECT_DOUBLE_EQ(Round12(0.1), 0.1);
    EXPECT_DOUBLE_EQ(Round12(-2.0000000000004), -2.0);
    EXPECT_DOUBLE_EQ(Round12(-2.0000000000006), -2.000000000001);
    EXPECT_EQ(Round12(0.5e-12), 0.0);
    EXPECT_DOUBLE_EQ(Round12(1.5e-12), 2e-12);
    EXPECT_DOUBLE_EQ(Round12(2.5e-12), 2e-12);
    // Beyond the 64-bit intermediate the value is left as it is.
    EXPECT_EQ(Round12(1.0e7 + 0.123456789), 1.0e7 + 0.123456789);
    EXPECT_EQ(Round12(-3e300), -3e300);
}

TEST(ValueFormat, FormatsFollowThePrecision) {
    TValueFormat p0(0), p4(4), p12(12), clamped(40);
    EXPECT_EQ(p0.DisplayFormat(), "%1.0f");
    EXPECT_EQ(p0.GridFormat(), "%15.0f");
    EXPECT_EQ(p12.DisplayFormat(), "%1.12f");
    EXPECT_EQ(p12.GridFormat(), "%3.12f");
    EXPECT_EQ(p4.GridFormat(), "%11.4f");
    EXPECT_EQ(clamped.Precision(), 12);
    EXPECT_EQ(p4.Display(2.5), "2.5000");
    EXPECT_EQ(p4.Grid(2.5), "     2.5000");
}

// A value a hair below zero is shown as zero; real negatives keep their sign.
TEST(ValueFormat, NoNegativeZero) {
    TValueFormat p0(0), p4(4);
    struct Case {
        const TValueFormat& format;
        double value;
        const char* display;
        const char* grid;
    } cases[] = {
        {p4, -3e-14, "0.0000", "     0.0000"},   {p4, -0.00004, "0.0000", "     0.0000"},
        {p4, -0.00006, "-0.0001", "    -0.0001"}, {p4, -2.5, "-2.5000", "    -2.5000"},
        {p0, -0.4, "0", "              0"},        {p0, -10, "-10", "            -10"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.format.Display(c.value), c.display) << c.value;
        EXPECT_EQ(c.format.Grid(c.value), c.grid) << c.value;
    }
}

// Display writes numbers without reading its format; it must give exactly what the display
// format gives through the general formatter, odd numbers included.
TEST(ValueFormat, DisplayAgreesWithItsFormat) {
    std::mt19937_64 rng(20261210);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> exponent(-16, 16);
    std::vector<double> values = {0.0, -0.0, 1e300, -1e300, 5e-324, std::numeric_limits<double>::infinity(),
                                  -std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN(),
                                  0.5, 1.5, 2.5, -0.00005, 123456789.123456789};
    for (int i = 0; i < 20000; ++i) values.push_back(mantissa(rng) * std::pow(10.0, exponent(rng)));
    for (int precision : {0, 1, 4, 12}) {
        const TValueFormat format(precision);
        for (double v : values) {
            std::string want = FormatText(format.DisplayFormat(), {v});
            const size_t minus = want.find('-');
            if (minus != std::string::npos && want.find_first_not_of("0.", minus + 1) == std::string::npos)
                want.erase(minus, 1);  // no negative zero, as the format's rule shows it
            EXPECT_EQ(format.Display(v), want) << precision << " " << v;
        }
    }
}

// The fast shortest-text path must give exactly what rounding to 15 digits gives.
TEST(FloatToText, AgreesWithFifteenDigitRoundingOnManyValues) {
    std::mt19937_64 rng(20261209);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> exponent(-20, 20);
    for (int i = 0; i < 200000; ++i) {
        double v = mantissa(rng) * std::pow(10.0, exponent(rng));
        if (i % 3 == 0) v = std::round(v * 1000) / 1000;  // short decimals, as typed by users
        if (i % 7 == 0) v = -v;
        char buf[64];
        std::snprintf(buf, sizeof buf, "%.14e", v);
        double expected = 0, actual = 0;
        ASSERT_TRUE(TryTextToFloat(FloatToText(v), actual)) << FloatToText(v);
        expected = std::strtod(buf, nullptr);
        ASSERT_EQ(actual, expected) << buf << " vs " << FloatToText(v);
    }
}
