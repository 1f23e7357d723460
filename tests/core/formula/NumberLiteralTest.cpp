// Decimal literals read by the exact quick case must give the very double the full reader
// gives, for the shapes hand-over texts write and for the edges of the quick case.
#include "formula/NumberLiteral.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstring>
#include <random>
#include <string>

namespace {

bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// The reference: the standard reader, overflow refused.
bool Reference(const std::string& t, double& out) {
    const auto r = std::from_chars(t.data(), t.data() + t.size(), out);
    return r.ec == std::errc() && std::isfinite(out);
}

void ExpectAgrees(const std::string& t) {
    double fast = -1, full = -2;
    const bool fastOk = kinemo::DecimalValue(t.data(), t.data() + t.size(), fast);
    const bool fullOk = Reference(t, full);
    ASSERT_EQ(fastOk, fullOk) << t;
    if (fullOk) {
        EXPECT_TRUE(SameBits(fast, full)) << t << ": " << fast << " vs " << full;
    }
}

TEST(NumberLiteral, EdgesOfTheExactCase) {
    const char* texts[] = {
        "0", "0.0", "000.000", "1", "1.", "0.1", "0.3", "9007199254740992", "9007199254740993",
        "9007199254740991.5", "123456789012345678", "1234567890123456789", "12345678901234567890",
        "1e22", "1e23", "1.5e-22", "1.5e-23", "8.8541878128E-12", "0.000267", "2.98e+5",
        "4.9406564584124654e-324", "2.2250738585072014e-308", "1.7976931348623157e308", "1.8e308",
        "1e-400", "0e999999", "1e0000000000000000000022", "100000000000000000000000",
        "0.00000000000000000000000000001", "3.14159265358979", "0.1e1", "5e-1",
    };
    for (const char* t : texts) ExpectAgrees(t);
}

// Numbers as the float-to-text rule writes them (up to 15 significant digits, plain or with
// an exponent), drawn at random over a wide range.
TEST(NumberLiteral, RandomDecimalsAgreeWithTheFullReader) {
    std::mt19937_64 rng(20261210);
    std::uniform_int_distribution<int> digitCount(1, 20), exponent(-40, 40), point(0, 20);
    std::uniform_int_distribution<int> digit(0, 9);
    for (int n = 0; n < 20000; ++n) {
        std::string t;
        const int digits = digitCount(rng);
        const int dot = point(rng);
        for (int k = 0; k < digits; ++k) {
            if (k == dot && k > 0) t += '.';
            t += static_cast<char>('0' + digit(rng));
        }
        if (n % 3 == 0) t += "E" + std::to_string(exponent(rng));
        ExpectAgrees(t);
    }
}

}  // namespace
