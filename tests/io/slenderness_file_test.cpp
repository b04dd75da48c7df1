// A slender member's data and its loads' end moments in both project forms and the load file:
// round trips JSON -> .rcs -> JSON of every field, a project without them unchanged, and
// refusals that name the pointer, the line or the column.
#include "building/new_project.h"
#include "io/load_file.h"
#include "io/project_file.h"
#include "io/project_json.h"
#include "io_test_support.h"

#include <gtest/gtest.h>
#include <sstream>

namespace pmsect {
namespace {

using testing::readBytes;
using testing::ScratchFolder;
using testing::writeBytes;

ProjectModel slenderProject(StiffnessChoice stiffness) {
    ProjectModel m;
    resetToNewProject(m);
    SlendernessData s;
    s.x.lu = 210;
    s.x.sway = true;
    s.x.kSway = 1.3f;
    s.x.sumPu = 16000;
    s.x.sumPc = 48000;
    s.x.Q = 0.125f;
    s.x.betaDs = 0.25f;
    s.y.lu = 144.5f;
    s.y.k = 0.85f;
    s.stiffness = stiffness;
    s.givenEI = stiffness == StiffnessChoice::Given ? 3.1725e6f : 0;
    s.betaDns = 0.6f;
    m.slenderness = s;
    m.loads.resize(2);
    m.loads[1][kPu] = -544;
    m.loads[1][kMux] = 187.5f;
    m.loads[1].ends.moments[kMxTop] = 187.5f;
    m.loads[1].ends.moments[kMxTopSway] = 90;
    m.loads[1].ends.moments[kMyBot] = -0.1f;
    m.loads[1].ends.PuSustained = -300;
    m.loads[2][kPu] = -100; // a load without end moments
    return m;
}

TEST(SlendernessFile, EveryFieldGoesThroughBothFormsAndBack) {
    ScratchFolder dir;
    for (const StiffnessChoice choice :
         {StiffnessChoice::ConcreteOnly, StiffnessChoice::WithBars, StiffnessChoice::Given}) {
        const ProjectModel original = slenderProject(choice);
        std::string json;
        ASSERT_TRUE(composeJsonProject(original, json));
        ProjectModel fromJson;
        ASSERT_TRUE(readJsonProject(json, "a.json", fromJson)) << json;
        EXPECT_EQ(fromJson.slenderness, original.slenderness);
        EXPECT_EQ(fromJson.loads[1].ends, original.loads[1].ends);
        EXPECT_TRUE(fromJson.loads[2].ends.empty());

        ASSERT_TRUE(writeProjectFile(dir.path("a.rcs"), fromJson));
        ProjectModel fromRcs;
        ASSERT_TRUE(loadProjectFile(dir.path("a.rcs"), fromRcs)) << readBytes(dir.path("a.rcs"));
        EXPECT_EQ(fromRcs.slenderness, original.slenderness);
        EXPECT_EQ(fromRcs.loads[1].ends, original.loads[1].ends);
        std::string again;
        ASSERT_TRUE(composeJsonProject(fromRcs, again));
        EXPECT_EQ(again, json);
    }
    // The braced axis writes no sway keys; a project without the data neither block nor key.
    std::string json;
    ASSERT_TRUE(composeJsonProject(slenderProject(StiffnessChoice::WithBars), json));
    EXPECT_NE(json.find(R"("y":{"lu_in":144.5,"k":0.85,"sway":false})"), std::string::npos) << json;
    ProjectModel plain;
    resetToNewProject(plain);
    ASSERT_TRUE(writeProjectFile(dir.path("plain.rcs"), plain));
    EXPECT_EQ(readBytes(dir.path("plain.rcs")).find("SLENDERNESS"), std::string::npos);
    ASSERT_TRUE(composeJsonProject(plain, json));
    EXPECT_EQ(json.find("slenderness"), std::string::npos);
}

TEST(SlendernessFile, RefusalsNameTheFieldAtFault) {
    const std::pair<const char*, const char*> jsonCases[] = {
        {R"({"slenderness": {"x": {"lu_in": 120}}})", "/slenderness/y: is missing"},
        {R"({"slenderness": {"x": {"lu_in": 120, "Q": 0.1}, "y": {"lu_in": 1}}})",
         "/slenderness/x/Q: is a field of a sway axis only"},
        {R"({"slenderness": {"x": {"lu_in": 120, "sway": true}, "y": {"lu_in": 1}}})",
         "/slenderness/x/sway: a sway axis needs"},
        {R"({"slenderness": {"x": {"lu_in": 1, "sway": true, "sumPu_kip": 9}, "y": {"lu_in": 1}}})",
         "/slenderness/x/sumPc_kip: is needed"},
        {R"({"slenderness": {"x": {"lu_in": 1}, "y": {"lu_in": 1, "k": 0}}})",
         "/slenderness/y/k: must be above 0"},
        {R"({"slenderness": {"x": {"lu_in": 1}, "y": {"lu_in": 1}, "EI": "c"}})",
         "/slenderness/EI: one of \"a\", \"b\""},
        {R"({"slenderness": {"x": {"lu_in": 1}, "y": {"lu_in": 1}, "betaDns": 2}})",
         "/slenderness/betaDns: lies outside 0 to 1"},
        {R"({"loads": [{"Pu": 0, "Mux": 0, "Muy": 0, "MuxTip": 1}]})",
         "/loads/0/MuxTip: is not a field here"},
    };
    for (const auto& [text, expected] : jsonCases) {
        ProjectModel m;
        const FileResult r = readJsonProject(text, "a.json", m);
        ASSERT_FALSE(r) << text;
        EXPECT_NE(r.error.find(expected), std::string::npos) << r.error;
    }

    // The .rcs block names its line.
    ScratchFolder dir;
    ASSERT_TRUE(writeProjectFile(dir.path("a.rcs"), slenderProject(StiffnessChoice::WithBars)));
    std::string bytes = readBytes(dir.path("a.rcs"));
    const auto at = bytes.find("y,144.5,.85");
    ASSERT_NE(at, std::string::npos) << bytes;
    bytes.replace(at, 11, "y,144.5,-1");
    writeBytes(dir.path("b.rcs"), bytes);
    ProjectModel m;
    const FileResult r = loadProjectFile(dir.path("b.rcs"), m);
    ASSERT_FALSE(r);
    EXPECT_NE(r.error.find("(slenderness): k must be above 0"), std::string::npos) << r.error;
}

// Load file columns of the same names in any case; an empty field gives nothing.
TEST(SlendernessFile, LoadFileColumnsCarryTheEndMoments) {
    std::istringstream in("pu,MUX,muy,muxtop,MuxBot,MUXTOPSWAY,pusustained\n"
                          "-544,187.5,0,187.5,,90,-300\n"
                          "-100,5,1,,,,\n");
    const LoadFileResult r = readLoadText(in);
    ASSERT_TRUE(r) << r.error->text();
    ASSERT_EQ(r.contents.loads.size(), 2u);
    const LoadEndMoments& a = r.contents.loads[0].ends;
    EXPECT_EQ(a.moments[kMxTop], 187.5f);
    EXPECT_FALSE(a.moments[kMxBot]);
    EXPECT_EQ(a.moments[kMxTopSway], 90.0f);
    EXPECT_EQ(a.PuSustained, -300.0f);
    EXPECT_TRUE(r.contents.loads[1].ends.empty());

    std::istringstream bad("Pu,Mux,Muy,MuyBot\n-1,0,0,x\n");
    const LoadFileResult refused = readLoadText(bad);
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error->text(), "line 2, column 4: MuyBot \"x\" is not a finite number");
}

} // namespace
} // namespace pmsect
