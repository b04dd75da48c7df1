// A project's load cases in both forms: round trips JSON -> .rcs -> JSON of every field (end
// moments, sway, options, user combinations, an edited factor table), a project without cases
// unchanged, case files, and refusals that name the pointer, the line or the column.
#include "building/new_project.h"
#include "engine/load_combinations.h"
#include "io/load_case_file.h"
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

ProjectModel projectWithCases() {
    ProjectModel m;
    resetToNewProject(m);
    LoadCaseSet& set = m.loadCases;
    set.cases = {{"Dead", LoadKind::D, -100.25f, 10, 2},
                 {"Roof, \"north\"", LoadKind::Lr, -10, 1, 0},
                 {"Wind", LoadKind::W, -5, 40, 0, false}, // a wind case taken as non-sway
                 {"Crane", LoadKind::Other, -7, 0.1f, 0, true}};
    set.cases[0].ends[kMxTop] = 12;
    set.cases[0].ends[kMyBotSway] = -0.3f;
    set.options = {true, 0.75, 0.4, {{"Lift", {{"Dead", 1.2}, {"Crane", 1.6}}}}, {}};
    set.options.factorTable = standardFactorTable();
    set.options.factorTable[0].terms[0].factor = 1.5; // an edited 1.4D
    return m;
}

TEST(LoadCasesFile, EveryFieldGoesThroughBothFormsAndBack) {
    ScratchFolder dir;
    const ProjectModel original = projectWithCases();
    std::string json;
    ASSERT_TRUE(composeJsonProject(original, json));
    ProjectModel fromJson;
    ASSERT_TRUE(readJsonProject(json, "a.json", fromJson));
    EXPECT_EQ(fromJson.loadCases, original.loadCases);

    ASSERT_TRUE(writeProjectFile(dir.path("a.rcs"), fromJson));
    ProjectModel fromRcs;
    ASSERT_TRUE(loadProjectFile(dir.path("a.rcs"), fromRcs)) << readBytes(dir.path("a.rcs"));
    EXPECT_EQ(fromRcs.loadCases, original.loadCases);
    std::string again;
    ASSERT_TRUE(composeJsonProject(fromRcs, again));
    EXPECT_EQ(again, json);

    // Without cases both forms are as they were: no block, no keys.
    ProjectModel plain;
    resetToNewProject(plain);
    ASSERT_TRUE(writeProjectFile(dir.path("plain.rcs"), plain));
    EXPECT_EQ(readBytes(dir.path("plain.rcs")).find("LOAD CASES"), std::string::npos);
    ASSERT_TRUE(composeJsonProject(plain, json));
    EXPECT_EQ(json.find("loadCases"), std::string::npos);
}

TEST(LoadCasesFile, RefusalsNameTheFieldAtFault) {
    const std::pair<const char*, const char*> jsonCases[] = {
        {R"({"loadCases": [{"name": "D1", "kind": "X", "P": 0, "Mx": 0, "My": 0}]})",
         "/loadCases/0/kind: one of \"D\""},
        {R"({"loadCases": [{"name": "D1", "kind": "D", "P": 0, "Mx": 0, "My": 2e7}]})",
         "/loadCases/0/My: My must lie between -10,000,000 and 10,000,000 ft-k"},
        {R"({"loadCases": [{"name": "", "kind": "D", "P": 0, "Mx": 0, "My": 0}]})",
         "/loadCases/0/name: the name is empty"},
        {R"({"loadCases": [{"name": "A", "kind": "D", "P": 0, "Mx": 0, "My": 0},
                           {"name": "A", "kind": "L", "P": 0, "Mx": 0, "My": 0}]})",
         "/loadCases/1/name: names the case \"A\" a second time"},
        {R"({"combinationOptions": {"SDS": 5}})",
         "/combinationOptions/SDS: SDS must lie between 0 and 4 g"},
        {R"({"combinationOptions": {"userCombinations": [{"name": "U", "factors": {"Nope": 1}}]}})",
         "/combinationOptions/userCombinations/0/factors/Nope: names \"Nope\", which is not"},
        {R"({"loadCases": [{"name": "D1", "kind": "D", "P": -10, "Mx": 0, "My": 0}],
            "combinationOptions": {"userCombinations": [{"name": "1.4D", "factors": {"D1": 1.4}}]}})",
         "/combinationOptions/userCombinations/0/name: takes the name of a generated combination"},
        {R"({"combinationOptions": {"factorTable": [{"D": 1.4}]}})",
         "/combinationOptions/factorTable: holds 1 rows"},
    };
    for (const auto& [text, message] : jsonCases) {
        ProjectModel m;
        const FileResult r = readJsonProject(text, "x.json", m);
        ASSERT_FALSE(r) << text;
        EXPECT_NE(r.error.find(message), std::string::npos) << r.error;
    }

    ScratchFolder dir;
    ProjectModel m = projectWithCases();
    ASSERT_TRUE(writeProjectFile(dir.path("a.rcs"), m));
    const std::string good = readBytes(dir.path("a.rcs"));
    const int caseLine =
        1 + static_cast<int>(std::count(
                good.begin(), good.begin() + static_cast<long>(good.find("\"Dead\"")), '\n'));
    const auto replaced = [&](const std::string& from, const std::string& to) {
        std::string text = good;
        text.replace(text.find(from), from.size(), to);
        return text;
    };
    const std::pair<std::string, std::string> rcsCases[] = {
        {replaced("\"Dead\",D,", "\"Dead\",Q,"),
         "Line " + std::to_string(caseLine) + " (load case 1): field 2 \"Q\" is not one of D"},
        {replaced("LOAD CASES,4", "LOAD CASES,5"), "load case 5"},
        {replaced("\"Dead\",1.2", "\"Deadx\",1.2"), "names \"Deadx\", which is not a load case"},
        {good + "ACI318-19\r\n", "Line"},
    };
    for (const auto& [text, message] : rcsCases) {
        writeBytes(dir.path("b.rcs"), text);
        ProjectModel loaded;
        const FileResult r = loadProjectFile(dir.path("b.rcs"), loaded);
        ASSERT_FALSE(r) << text;
        EXPECT_NE(r.error.find(message), std::string::npos) << r.error;
    }
}

TEST(LoadCasesFile, CaseFilesTakeAnyOrderAndCaseOfColumns) {
    std::istringstream good("KIND;Case;p;mx;MY;MxTop;sway\n"
                            "d;\"Dead; self\";-100;5;1;7;\n"
                            "W;Wind;0;50;0;;no\n");
    const LoadCaseFileResult read = readLoadCaseText(good);
    ASSERT_TRUE(read) << read.error->text();
    ASSERT_EQ(read.cases.size(), 2u);
    EXPECT_EQ(read.cases[0].name, "Dead; self");
    EXPECT_EQ(read.cases[0].kind, LoadKind::D);
    EXPECT_EQ(read.cases[0].ends[kMxTop], 7.0f);
    EXPECT_FALSE(read.cases[0].ends[kMxBot]);
    EXPECT_FALSE(read.cases[1].sway); // said so, against the wind's default

    for (const auto& [text, message] : std::vector<std::pair<std::string, std::string>>{
             {"case,kind,P,Mx\nD,D,1,2\n", "the header has no column My"},
             {"case,kind,P,Mx,My\nA,D,1,2,x\n",
              "line 2, column 5: My \"x\" is not a finite number"},
             {"case,kind,P,Mx,My\nA,D,1,2,3\nA,L,1,2,3\n", "line 3, column 1: names the case"}}) {
        std::istringstream in(text);
        const LoadCaseFileResult bad = readLoadCaseText(in);
        ASSERT_FALSE(bad) << text;
        EXPECT_NE(bad.error->text().find(message), std::string::npos) << bad.error->text();
    }
}

} // namespace
} // namespace pmsect
