// The hand-over template expansion and the target name rule of the CAD link.
#include "base/NameValueList.h"
#include "cad/CadTarget.h"
#include "cad/PartsTemplate.h"

#include <gtest/gtest.h>

namespace kinemo {
namespace {

TNameValueList Row() {
    TNameValueList row;
    row.Add("mvto_flange=60");
    row.Add("mmp_vantor_id=KRS0202ANS0/F");
    row.Add("mvtos_dia=");  // a column with no value
    return row;
}

struct TemplateCase {
    const char* name;
    const char* templ;
    const char* expected;
};

TEST(PartsTemplate, ExpandsMarkersAndKeepsTheTextAroundThem) {
    const TemplateCase cases[] = {
        {"no marker: copied whole", "flange=60\nbody=57\n", "flange=60\nbody=57\n"},
        {"existing and missing column, text between kept", "a={[%]mvto_flange[%]};b={[%]no_such[%]};c",
         "a=60;b=;c"},
        {"marker first and last", "{[%]mmp_vantor_id[%]} {[%]mvto_flange[%]}", "KRS0202ANS0/F 60"},
        {"adjacent markers", "{[%]mvto_flange[%]}{[%]mvto_flange[%]}", "6060"},
        {"empty value gives nothing", "seal={[%]mvtos_dia[%]}.", "seal=."},
        {"column names ignore case", "{[%]MVTO_FLANGE[%]}", "60"},
        {"empty name gives nothing", "x{[%][%]}y", "xy"},
        {"opening mark without closing mark kept", "a={[%]mvto_flange[%]} b={[%]mvto_flange", "a=60 b={[%]mvto_flange"},
        {"closing mark alone is text", "a[%]}b", "a[%]}b"},
        {"empty template", "", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(ExpandPartsTemplate(c.templ, Row()), c.expected) << c.name;
}

struct TargetCase {
    const char* name;
    const char* typed;
    const char* saveType;
    const char* expected;
};

TEST(CadTarget, TypedExtensionIsKeptOtherwiseTheSaveTypesIsAdded) {
    const TargetCase cases[] = {
        {"typed extension kept", "/w/motor.dwg", "DXF drawing, mm (*.dxf)", "/w/motor.dwg"},
        {"no extension: save type's", "/w/motor", "DXF drawing, mm (*.dxf)", "/w/motor.dxf"},
        {"relative name made absolute", "drawings/motor", "STL triangle mesh, mm (*.stl)", "/base/drawings/motor.stl"},
        {"dot in a folder is no extension", "/w/v1.2/motor", "DXF drawing, mm (*.dxf)", "/w/v1.2/motor.dxf"},
        {"hidden file name has no extension", "/w/.motor", "DXF drawing, mm (*.dxf)", "/w/.motor.dxf"},
        {"save type without pattern adds nothing", "/w/motor", "Anything", "/w/motor"},
    };
    for (const auto& c : cases) EXPECT_EQ(CadTargetFileName(c.typed, c.saveType, "/base"), c.expected) << c.name;
}

TEST(CadTarget, SaveTypeListsAndExtensions) {
    EXPECT_EQ(SaveTypeEntries("A (*.dxf)\r\nB (*.dwg)\n\n  C (*.x)  "),
              (std::vector<std::string>{"A (*.dxf)", "B (*.dwg)", "C (*.x)"}));
    EXPECT_EQ(SaveTypeExtension("STL triangle mesh (*.stl)"), ".stl");
    EXPECT_EQ(SaveTypeExtension("no pattern"), "");
    EXPECT_EQ(FolderOf("/a/b.dxf"), "/a");
    EXPECT_EQ(FolderOf("/b.dxf"), "/");
}

}  // namespace
}  // namespace kinemo
