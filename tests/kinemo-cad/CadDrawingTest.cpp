// kinemo-cad's drawings of every catalog motor: the DXF views parse, their outlines have the
// motor's size within 0.01 mm, the STL is closed and has the same size; output is repeatable.
#include "MotorParts.h"
#include "MotorSolid.h"
#include "MotorViews.h"

#include "base/Catalog.h"
#include "cad/HandOverFile.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <map>
#include <sstream>

namespace kinemo::cad {
namespace {

constexpr double kToleranceMm = 0.01;

struct Box {
    double x0 = std::numeric_limits<double>::max(), y0 = x0, z0 = x0;
    double x1 = -x0, y1 = -x0, z1 = -x0;
    void Grow(double x, double y, double z = 0) {
        x0 = std::min(x0, x), y0 = std::min(y0, y), z0 = std::min(z0, z);
        x1 = std::max(x1, x), y1 = std::max(y1, y), z1 = std::max(z1, z);
    }
};

// A DXF read back as group code / value pairs: entity counts by type and layer and the
// bounding box of the outline layer.
struct ParsedDxf {
    std::map<std::string, int> entities;  // "LINE@OUTLINE" -> count
    Box outline;
    bool endsWithEof = false;
};

ParsedDxf ParseDxf(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::pair<int, std::string>> groups;
    std::string code, value;
    while (std::getline(in, code) && std::getline(in, value)) groups.emplace_back(std::stoi(code), value);
    ParsedDxf out;
    out.endsWithEof = !groups.empty() && groups.back() == std::make_pair(0, std::string("EOF"));
    bool inEntities = false;
    for (size_t i = 0; i < groups.size(); ++i) {
        if (groups[i].first == 2 && groups[i].second == "ENTITIES") inEntities = true;
        if (!inEntities || groups[i].first != 0 || groups[i].second == "ENDSEC") continue;
        std::map<int, std::string> g;
        for (size_t j = i + 1; j < groups.size() && groups[j].first != 0; ++j) g[groups[j].first] = groups[j].second;
        out.entities[groups[i].second + "@" + g[8]]++;
        if (g[8] != "OUTLINE") continue;
        if (groups[i].second == "LINE") {
            out.outline.Grow(std::stod(g[10]), std::stod(g[20]));
            out.outline.Grow(std::stod(g[11]), std::stod(g[21]));
        } else if (groups[i].second == "CIRCLE") {
            const double x = std::stod(g[10]), y = std::stod(g[20]), r = std::stod(g[40]);
            out.outline.Grow(x - r, y - r);
            out.outline.Grow(x + r, y + r);
        }
    }
    return out;
}

// Every edge of a closed mesh is shared by exactly two triangles, once in each direction.
int OpenEdges(const TMesh& mesh, Box& box) {
    std::map<std::pair<TVertex, TVertex>, int> directed;
    for (const auto& t : mesh.Triangles()) {
        const TVertex v[3] = {t.A, t.B, t.C};
        for (int k = 0; k < 3; ++k) {
            box.Grow(v[k][0], v[k][1], v[k][2]);
            directed[{v[k], v[(k + 1) % 3]}]++;
        }
    }
    int open = 0;
    for (const auto& [edge, n] : directed) {
        auto back = directed.find({edge.second, edge.first});
        if (n != 1 || back == directed.end() || back->second != 1) ++open;
    }
    return open;
}

// The hand-over files of every motor price row of the sample catalog.
std::vector<std::string> CatalogHandOvers() {
    TCatalog catalog(test::SampleCatalogPath());
    TCatalogQuery q(catalog);
    q.SetSQL("SELECT mmp_cd, msv_msmg_cd FROM m_motor_price INNER JOIN t_motor_value ON msv_cd = mmp_msv_cd ORDER BY mmp_cd");
    q.Open();
    std::vector<std::pair<int, bool>> motors;
    for (; !q.Eof(); q.Next()) motors.emplace_back(static_cast<int>(q.AsInteger(0)), q.AsInteger(1) == 1);
    q.Close();
    std::vector<std::string> out;
    for (const auto& [cd, geared] : motors) out.push_back(HandOverText(*ReadPartsRow(q, cd, geared), "/F"));
    return out;
}

TEST(CadDrawing, EveryCatalogMotorDrawsToItsSize) {
    const std::vector<std::string> handOvers = CatalogHandOvers();
    ASSERT_GT(handOvers.size(), 1000u);
    for (const std::string& text : handOvers) {
        const TMotorParts p = ParseMotorParts(text);
        SCOPED_TRACE(p.Part);
        const double flange = std::max(p.Flange, p.FrontFlange());
        const double top = std::max(flange / 2, p.ConnectorTop());
        const double length = p.ShaftLength + p.MotorOffset() + p.BodyLength + p.BrakeLength + p.EncoderLength;

        const ParsedDxf front = ParseDxf(DrawView(p, TView::Front).Dxf());
        EXPECT_TRUE(front.endsWithEof);
        EXPECT_NEAR(front.outline.x1 - front.outline.x0, flange, kToleranceMm);
        EXPECT_NEAR(front.outline.y0, -flange / 2, kToleranceMm);
        EXPECT_NEAR(front.outline.y1, top, kToleranceMm);
        // Pilot, shaft and the four mounting holes at least; dimensions on their own layer.
        EXPECT_GE(front.entities.at("CIRCLE@OUTLINE"), 6);
        EXPECT_GE(front.entities.at("LINE@DIMENSIONS"), 2 * 7);
        EXPECT_EQ(front.entities.at("TEXT@DIMENSIONS"), 3);

        for (TView side : {TView::Left, TView::Right}) {
            const ParsedDxf d = ParseDxf(DrawView(p, side).Dxf());
            EXPECT_NEAR(d.outline.x1 - d.outline.x0, length, kToleranceMm);
            EXPECT_NEAR(side == TView::Left ? d.outline.x0 : -d.outline.x1, -p.ShaftLength, kToleranceMm);
            EXPECT_NEAR(d.outline.y0, -flange / 2, kToleranceMm);
            EXPECT_NEAR(d.outline.y1, top, kToleranceMm);
            EXPECT_EQ(d.entities.count("CIRCLE@OUTLINE"), 0u);
            EXPECT_EQ(d.entities.at("TEXT@DIMENSIONS"), 6);
        }

        const TMesh mesh = BuildMotorSolid(p);
        Box box;
        EXPECT_EQ(OpenEdges(mesh, box), 0);
        EXPECT_NEAR(box.x0, -p.ShaftLength, kToleranceMm);
        EXPECT_NEAR(box.x1 - box.x0, length, kToleranceMm);
        EXPECT_NEAR(box.y1 - box.y0, flange, kToleranceMm);
        EXPECT_NEAR(box.z0, -flange / 2, kToleranceMm);
        EXPECT_NEAR(box.z1, top, kToleranceMm);
    }
}

TEST(CadDrawing, OutputIsTheSameBytesEveryTime) {
    const TMotorParts p = ParseMotorParts(CatalogHandOvers().front());
    EXPECT_EQ(DrawView(p, TView::Front).Dxf(), DrawView(p, TView::Front).Dxf());
    EXPECT_EQ(BuildMotorSolid(p).Stl("m"), BuildMotorSolid(p).Stl("m"));
    // The right view is the left one mirrored: same entities, same texts.
    EXPECT_EQ(DrawView(p, TView::Left).Lines().size(), DrawView(p, TView::Right).Lines().size());
}

TEST(CadDrawing, HandOverFilesThatCannotBeDrawnAreRefusedWithTheReason) {
    const std::string good = CatalogHandOvers().front();
    auto with = [&](const std::string& key, const std::string& value) {
        std::string t = good;
        const size_t p = t.find("\n" + key + "=");
        if (p == std::string::npos) return t;
        const size_t e = t.find('\n', p + 1);
        return t.substr(0, p + 1) + (value == "<drop>" ? std::string() : key + "=" + value + "\n") + t.substr(e + 1);
    };
    const struct {
        std::string text;
        const char* reason;
    } cases[] = {
        {with("format", "other 2"), "format"},
        {with("flange", "<drop>"), "no value for flange"},
        {with("flange", ""), "no value for flange"},
        {with("flange", "4O"), "flange is not a number"},
        {with("flange", "-40"), "flange is out of range"},
        {with("pilot_diameter", "45"), "pilot or body larger than the flange"},
        {with("shaft_length", "1"), "shaft shorter than the pilot"},
        {with("bolt_circle", "60"), "bolt holes outside the flange"},
        {with("power_connector", "1"), "connectors do not fit"},
        {"garbage", "line without '='"},
    };
    EXPECT_NO_THROW(ParseMotorParts(good));
    for (const auto& c : cases) {
        try {
            ParseMotorParts(c.text);
            ADD_FAILURE() << "accepted: " << c.reason;
        } catch (const TPartsError& e) {
            EXPECT_NE(std::string(e.what()).find(c.reason), std::string::npos) << e.what();
        }
    }
}

}  // namespace
}  // namespace kinemo::cad
