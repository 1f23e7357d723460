// One engine reused for many formula runs (Clear, Mark, Rewind) must give every run exactly
// what a fresh engine running the same texts gives: values, subtypes, names as written,
// first-assignment order, errors and Err.
#include "formula/FormulaEngine.h"
#include "formula/ProgramCache.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace kinemo;

namespace {

// Everything a run leaves visible: the assigned variables in order with name, subtype and
// value text, the value of each probe, or the error it raised.
std::string Outcome(TFormulaEngine& engine, const std::vector<std::string>& probes) {
    std::string s;
    for (const auto& [name, value] : engine.AssignedVariables())
        s += name + ":" + std::to_string(value.VarType()) + "=" + (value.IsArray() ? "()" : value.ToText()) + ";";
    for (const std::string& p : probes) {
        try {
            const Variant v = engine.Eval(p);
            s += "|" + p + "=" + (v.IsArray() ? "()" : v.ToText());
        } catch (const TFormulaError& e) {
            s += "|" + p + "!" + e.Description();
        }
    }
    return s;
}

std::string RunText(TFormulaEngine& engine, const std::string& text) {
    try {
        engine.ExecuteStatement(text);
        return "ok";
    } catch (const TFormulaError& e) {
        return "error " + std::to_string(e.Line()) + " " + e.Description();
    }
}

struct TCase {
    const char* what;
    std::vector<std::string> bases;     // the values every run starts from, one per judgement
    std::vector<std::string> formulas;  // each run on top of a base
    std::vector<std::string> probes;
};

const std::vector<TCase>& Cases() {
    static const std::vector<TCase> cases = {
        {"plain values and formulas",
         {"a = 1\r\nb = 2.5", "a = 3\r\nb = -4"},
         {"c = a + b", "a = a * 10\r\nd = a", "c = b"},
         {"a", "b", "c", "d"}},
        {"names written differently in each text",
         {"Speed = 3\r\nTORQUE = 2", "speed = 5\r\nTorque = 1"},
         {"Power = SPEED * torque", "power = speed", "X = pOwEr"},
         {"power", "x"}},
        {"arrays, constants and declarations",
         {"Dim t(3)\r\nt(1) = 5\r\nConst K = 2", "Dim t(3)\r\nt(2) = 7\r\nConst K = 3"},
         {"s = 0\r\nFor i = 0 To 3\r\n  s = s + t(i) * K\r\nNext", "ReDim u(2)\r\nu(1) = K", "t(1) = 9\r\nr = t(1)"},
         {"s", "t(1)", "t(2)", "u(1)", "r", "K"}},
        {"errors, Err and runaway protection",
         {"x = 0", "x = 2"},
         {"y = 1 / x", "On Error Resume Next\r\ny = 1 / x\r\nz = Err.Number", "K = 1\r\nConst K = 2"},
         {"y", "z", "Err.Number"}},
        {"Option Explicit formulas",
         {"Dim a\r\na = 4", "Dim a\r\na = 6"},
         {"Option Explicit\r\nb = a", "Option Explicit\r\nDim b\r\nb = a + 1"},
         {"a", "b"}},
        {"procedures, which cannot be rewound",
         {"Function F(x)\r\nF = x * 2\r\nEnd Function\r\nv = 3", "v = 4"},
         {"w = F(v)", "Function G()\r\nG = 1\r\nEnd Function\r\nw = G() + v", "w = v"},
         {"v", "w"}},
        {"random numbers continue from the start values",
         {"Randomize 3\r\nr0 = Rnd", "Randomize 4"},
         {"r1 = Rnd", "r2 = Rnd + Rnd"},
         {"r1", "r2"}},
    };
    return cases;
}

}  // namespace

TEST(EngineReuse, EveryRunIsAsInAFreshEngine) {
    for (const TCase& c : Cases()) {
        TProgramCache programs;
        TFormulaEngine reused(&programs);
        for (int round = 0; round < 2; ++round)  // a second round finds every binding kept
            for (const std::string& base : c.bases) {
                reused.Clear();
                const std::string baseResult = RunText(reused, base);
                const bool marked = reused.Mark();
                for (const std::string& formula : c.formulas) {
                    TFormulaEngine fresh(&programs);
                    // Each step in its own statement: the order of operands of + is unspecified.
                    std::string want = RunText(fresh, base);
                    want += " / " + RunText(fresh, formula);
                    want += " / " + Outcome(fresh, c.probes);
                    std::string got;
                    if (marked && reused.Rewind()) {
                        got = baseResult;
                    } else {
                        reused.Clear();
                        got = RunText(reused, base);
                    }
                    got += " / " + RunText(reused, formula);
                    got += " / " + Outcome(reused, c.probes);
                    EXPECT_EQ(got, want) << c.what << ": " << base << " then " << formula;
                }
            }
    }
}

TEST(EngineReuse, HostValuesAndArrayElementsAsTheirLines) {
    TProgramCache programs;
    TFormulaEngine reused(&programs);
    for (int round = 0; round < 3; ++round) {
        const int n = 2 + round;
        const std::string dims = "Count=" + std::to_string(n) + "\r\nDim Er(" + std::to_string(n) + ")";
        std::string lines = dims;
        TFormulaEngine fresh(&programs);
        reused.Clear();
        reused.ExecuteStatement(dims);
        for (int k = 1; k <= n; ++k) {
            const double v = 0.5 * k - round;
            lines += "\r\nEr(" + std::to_string(k) + ")=" + std::to_string(v);
            reused.SetElement("Er", k, Variant::Double(v));
        }
        reused.SetVariable("MaxP", Variant::Integer(static_cast<int16_t>(round)));
        fresh.ExecuteStatement(lines + "\r\nMaxP=" + std::to_string(round));
        const std::string formula = "s = 0\r\nFor i = 1 To Count\r\n  s = s + Er(i)\r\nNext\r\nmaxp = maxp + s";
        fresh.ExecuteStatement(formula);
        reused.ExecuteStatement(formula);
        EXPECT_EQ(Outcome(reused, {"s", "MaxP"}), Outcome(fresh, {"s", "MaxP"})) << round;
        for (int k = 0; k <= n + 1; ++k) {
            const std::string probe = "Er(" + std::to_string(k) + ")";
            std::string want, got;
            try { want = fresh.Eval(probe).ToText(); } catch (const TFormulaError& e) { want = e.Description(); }
            try { got = reused.EvalElement("Er", k).ToText(); } catch (const TFormulaError& e) { got = e.Description(); }
            EXPECT_EQ(got, want) << probe;
        }
    }
    // An element of what is no array, or past its end, fails as the line would.
    EXPECT_THROW(reused.SetElement("MaxP", 1, Variant::Double(1)), TFormulaError);
    EXPECT_THROW(reused.SetElement("Er", 99, Variant::Double(1)), TFormulaError);
}
