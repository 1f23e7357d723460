// The evaluator's inline operator cases must give what the general operators give, subtype
// and bits alike, for every pair of plain numbers near the subtype limits.
#include "formula/FormulaError.h"
#include "formula/Operators.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace {

using kinemo::EBinOp;
using kinemo::ECmpOp;
using kinemo::Variant;
namespace fastop = kinemo::fastop;

struct TNamedValue {
    const char* name;
    Variant value;
};

std::vector<TNamedValue> Operands() {
    const double inf = std::numeric_limits<double>::infinity();
    return {
        {"Integer 0", Variant::Integer(0)},           {"Integer 2", Variant::Integer(2)},
        {"Integer -3", Variant::Integer(-3)},         {"Integer 32767", Variant::Integer(32767)},
        {"Integer -32768", Variant::Integer(-32768)}, {"Integer 181", Variant::Integer(181)},
        {"Long 0", Variant::Long(0)},                 {"Long 40000", Variant::Long(40000)},
        {"Long 2147483647", Variant::Long(2147483647)},
        {"Long -2147483648", Variant::Long(-2147483647 - 1)},
        {"Long 46341", Variant::Long(46341)},         {"Double 0", Variant::Double(0)},
        {"Double -0", Variant::Double(-0.0)},         {"Double 2", Variant::Double(2)},
        {"Double 0.1", Variant::Double(0.1)},         {"Double -2.5", Variant::Double(-2.5)},
        {"Double 1e308", Variant::Double(1e308)},     {"Double -1e308", Variant::Double(-1e308)},
        {"Double 1e-320", Variant::Double(1e-320)},   {"Double inf", Variant::Double(inf)},
        {"Double nan", Variant::Double(std::nan(""))},
        // Subtypes the inline cases leave to the general rule.
        {"Byte 200", Variant::Byte(200)},             {"Single 1.5", Variant::Single(1.5f)},
        {"Boolean True", Variant::Boolean(true)},     {"Empty", Variant()},
        {"Null", Variant::Null()},                    {"String 7", Variant::String("7")},
    };
}

bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// The general result, or the number of the error it raises.
struct TOutcome {
    bool failed = false;
    int error = 0;
    Variant value;
};

template <typename Fn>
TOutcome Outcome(Fn&& fn) {
    TOutcome o;
    try {
        o.value = fn();
    } catch (const kinemo::TFormulaError& e) {
        o.failed = true;
        o.error = e.Number();
    }
    return o;
}

void ExpectSame(const Variant& fast, const TOutcome& general, const std::string& what) {
    ASSERT_FALSE(general.failed) << what << ": the general rule raises " << general.error;
    ASSERT_EQ(fast.GetType(), general.value.GetType()) << what;
    if (fast.GetType() == Variant::Type::Double)
        EXPECT_TRUE(SameBits(fast.DoubleValue(), general.value.DoubleValue()))
            << what << ": " << fast.DoubleValue() << " vs " << general.value.DoubleValue();
    else if (fast.GetType() == Variant::Type::Boolean)
        EXPECT_EQ(fast.BoolValue(), general.value.BoolValue()) << what;
    else
        EXPECT_EQ(fast.IntValue(), general.value.IntValue()) << what;
}

TEST(FastOperators, ArithmeticMatchesTheGeneralRule) {
    const struct {
        EBinOp op;
        const char* name;
    } ops[] = {{EBinOp::kAdd, "+"}, {EBinOp::kSub, "-"}, {EBinOp::kMul, "*"}, {EBinOp::kDiv, "/"}, {EBinOp::kPow, "^"},
               {EBinOp::kIntDiv, "\\"}, {EBinOp::kAnd, "And"}};
    int taken = 0;
    for (const auto& a : Operands())
        for (const auto& b : Operands())
            for (const auto& op : ops) {
                Variant fast;
                if (!fastop::Arith(op.op, a.value, b.value, fast)) continue;
                ++taken;
                const std::string what = std::string(a.name) + " " + op.name + " " + b.name;
                ExpectSame(fast, Outcome([&] { return kinemo::VbBinary(op.op, a.value, b.value); }), what);
            }
    EXPECT_GT(taken, 500);  // the inline cases do cover the plain numbers
}

TEST(FastOperators, ComparisonsMatchTheGeneralRule) {
    const ECmpOp ops[] = {ECmpOp::kEq, ECmpOp::kNe, ECmpOp::kLt, ECmpOp::kGt, ECmpOp::kLe, ECmpOp::kGe};
    int taken = 0;
    for (const auto& a : Operands())
        for (const auto& b : Operands())
            for (ECmpOp op : ops)
                for (bool literal : {false, true}) {
                    Variant fast;
                    if (!fastop::Compare(op, a.value, b.value, fast)) continue;
                    ++taken;
                    const std::string what =
                        std::string(a.name) + " op" + std::to_string(static_cast<int>(op)) + " " + b.name;
                    ExpectSame(fast, Outcome([&] { return kinemo::VbCompare(op, a.value, b.value, literal, literal); }),
                               what);
                }
    EXPECT_GT(taken, 1000);
}

// Overflow, division by zero and the rest stay with the general rule, which raises them.
TEST(FastOperators, ErrorsAreLeftToTheGeneralRule) {
    const struct {
        EBinOp op;
        Variant a, b;
    } cases[] = {
        {EBinOp::kMul, Variant::Double(1e308), Variant::Double(10)},
        {EBinOp::kAdd, Variant::Double(1e308), Variant::Double(1e308)},
        {EBinOp::kDiv, Variant::Integer(1), Variant::Integer(0)},
        {EBinOp::kDiv, Variant::Double(0), Variant::Long(0)},
        {EBinOp::kPow, Variant::Double(1e200), Variant::Integer(2)},
        {EBinOp::kPow, Variant::Double(-8), Variant::Double(1.0 / 3)},
    };
    for (const auto& c : cases) {
        Variant fast;
        EXPECT_FALSE(fastop::Arith(c.op, c.a, c.b, fast));
        EXPECT_TRUE(Outcome([&] { return kinemo::VbBinary(c.op, c.a, c.b); }).failed);
    }
}

}  // namespace
