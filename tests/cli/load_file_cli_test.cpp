// check --loads run as a script would: the JSON and CSV outputs, ids, the summary, exit codes,
// refusals with their line and column, and the same output at any number of threads.
#include "run_cli.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <unistd.h>

namespace pmsect {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;

class LoadFileCliTest : public ::testing::Test {
protected:
    fs::path dir = fs::temp_directory_path() / ("pmsect_loads_cli_" + std::to_string(::getpid()));
    void SetUp() override {
        fs::create_directories(dir);
        ASSERT_EQ(test::runCli("new " + path("p.rcs")).status, 0);
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string path(const char* name) { return (dir / name).string(); }
    std::string write(const char* name, const std::string& text) {
        std::ofstream(path(name), std::ios::binary) << text;
        return path(name);
    }
};

TEST_F(LoadFileCliTest, JsonCarriesIdsTheCheckKeysAndASummary) {
    const std::string loads = write("l.csv", "id;Muy;Pu;Mux\nA;10;-100;50\n\nB;0;-300;120\n");
    const test::CliOutput r =
        test::runCli("check " + path("p.rcs") + " --loads " + loads + " --json");
    ASSERT_EQ(r.status, 0) << r.text;
    const json j = json::parse(r.text);
    EXPECT_EQ(j["code"], "318-05");
    ASSERT_EQ(j["loads"].size(), 2u);
    EXPECT_EQ(j["loads"][0]["id"], "A");
    EXPECT_EQ(j["loads"][1]["id"], "B");
    EXPECT_EQ(j["loads"][0]["Pu_kip"], -100.0);
    EXPECT_EQ(j["loads"][0]["Muy_kipft"], 10.0);

    // check --json's keys for a load, in its order, after the id.
    const std::vector<std::string> expected = {
        "id",        "Pu_kip",       "Mux_kipft",    "Muy_kipft", "e_in",         "angle_deg",
        "phiPn_kip", "phiMnx_kipft", "phiMny_kipft", "ratio",     "capacityFound"};
    std::vector<std::string> keys;
    const nlohmann::ordered_json ordered = nlohmann::ordered_json::parse(r.text)["loads"][0];
    for (auto it = ordered.begin(); it != ordered.end(); ++it) {
        keys.push_back(it.key());
    }
    EXPECT_EQ(keys, expected);

    const double ratioA = j["loads"][0]["ratio"];
    const double ratioB = j["loads"][1]["ratio"];
    EXPECT_EQ(j["summary"]["count"], 2);
    EXPECT_EQ(j["summary"]["failing"], 0);
    EXPECT_EQ(j["summary"]["maxRatio"], std::max(ratioA, ratioB));
    EXPECT_EQ(j["summary"]["maxRatioId"], ratioA > ratioB ? "A" : "B");
    const json& governing = j["summary"]["governing"];
    EXPECT_EQ(governing["id"], j["summary"]["maxRatioId"]);
    EXPECT_EQ(governing["name"], j["summary"]["maxRatioId"]);
    EXPECT_EQ(governing["ratio"], std::max(ratioA, ratioB));
}

// summary and check name the governing load of the project's own table and count the failing
// ones: recounted here from the loads the same output lists.
TEST_F(LoadFileCliTest, TheProjectsCommandsNameTheGoverningLoad) {
    const std::string project = std::string(PMSECT_TEST_DATA) + "/golden/forty_loads.rcs";
    const json summary = json::parse(test::runCli("summary " + project + " --json").text);
    std::size_t failing = 0;
    std::size_t largest = 0;
    const json& loads = summary["loads"];
    ASSERT_EQ(loads.size(), 40u);
    for (std::size_t i = 0; i < loads.size(); ++i) {
        const bool fails = !loads[i]["capacityFound"].get<bool>() || loads[i]["ratio"] > 1.0;
        failing += fails ? 1 : 0;
        if (loads[i]["ratio"] > loads[largest]["ratio"]) {
            largest = i;
        }
    }
    EXPECT_GT(failing, 0u);
    EXPECT_EQ(summary["failing"], failing);
    EXPECT_EQ(summary["governing"]["id"], largest + 1);
    EXPECT_EQ(summary["governing"]["name"], std::to_string(largest + 1));
    EXPECT_EQ(summary["governing"]["ratio"], loads[largest]["ratio"]);

    char line[96];
    std::snprintf(line, sizeof line, "\n%zu of 40 loads fail; largest ratio %.3f (load %zu)\n",
                  failing, loads[largest]["ratio"].get<double>(), largest + 1);
    for (const char* command : {"summary ", "check "}) {
        const test::CliOutput r = test::runCli(command + project);
        EXPECT_NE(r.text.find(line), std::string::npos) << command << r.text;
    }
    EXPECT_EQ(json::parse(test::runCli("summary " + path("p.rcs") + " --json").text)["governing"],
              nullptr);
}

TEST_F(LoadFileCliTest, ResultsAreThoseOfTheLoadAloneInTheProject) {
    const std::string loads = write("l.csv", "Pu,Mux,Muy\n-250,80,-35\n0,30,40\n");
    const json batch =
        json::parse(test::runCli("check " + path("p.rcs") + " --loads " + loads + " --json").text);
    // The same loads typed into the project file's load table, one project each.
    const std::string base = [&] {
        std::ifstream in(path("p.rcs"), std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }();
    const char* rows[] = {"-250,80,-35", "0,30,40"};
    for (int i = 0; i < 2; ++i) {
        std::string text = base;
        const auto counts = text.find("\r\n") + 2;
        const auto end = text.find("\r\n", counts);
        std::string record2 = text.substr(counts, end - counts);
        record2.back() = '1';
        text = text.substr(0, counts) + record2 + text.substr(end) + rows[i] + "\r\n";
        const std::string single = write("single.rcs", text);
        const json alone = json::parse(test::runCli("check " + single + " --json").text);
        ASSERT_EQ(alone.size(), 1u) << text;
        json fromBatch = batch["loads"][static_cast<std::size_t>(i)];
        EXPECT_EQ(fromBatch["id"], i + 1); // the data row when the file has no id column
        fromBatch.erase("id");
        EXPECT_EQ(fromBatch, alone[0]);
    }
}

// --code computes under another edition, as check --code does for the project's own loads.
TEST_F(LoadFileCliTest, TheEditionAskedForIsTheOneUsed) {
    ASSERT_EQ(test::runCli("new " + path("s.rcs")).status, 0);
    const std::string loads = write("l.csv", "Pu,Mux,Muy\n-250,60,20\n");
    const json under05 =
        json::parse(test::runCli("check " + path("p.rcs") + " --loads " + loads + " --json").text);
    const json under19 = json::parse(
        test::runCli("check " + path("p.rcs") + " --loads " + loads + " --json --code 318-19")
            .text);
    EXPECT_EQ(under05["code"], "318-05");
    EXPECT_EQ(under19["code"], "318-19");
    // The project file of the same load checked with check --code 318-19.
    std::ifstream in(path("p.rcs"), std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    std::string text = s.str();
    const auto counts = text.find("\r\n") + 2;
    const auto end = text.find("\r\n", counts);
    text[end - 1] = '1';
    const std::string single = write("single.rcs", text + "-250,60,20\r\n");
    const json alone = json::parse(test::runCli("check " + single + " --json --code 318-19").text);
    json fromBatch = under19["loads"][0];
    fromBatch.erase("id");
    EXPECT_EQ(fromBatch, alone[0]);
}

TEST_F(LoadFileCliTest, AnyNumberOfThreadsPrintsTheSameBytes) {
    std::string text = "Pu,Mux,Muy\n";
    for (int i = 0; i < 120; ++i) {
        text += std::to_string(-400 + 7 * i) + "," + std::to_string((i * 37) % 200 - 100) + "," +
                std::to_string((i * 53) % 160 - 80) + "\n";
    }
    const std::string loads = write("l.csv", text);
    const std::string base = "check " + path("p.rcs") + " --loads " + loads + " --csv --threads ";
    const test::CliOutput one = test::runCli(base + "1");
    EXPECT_EQ(one.text.substr(0, one.text.find('\n')),
              "id,Pu_kip,Mux_kipft,Muy_kipft,e_in,angle_deg,phiPn_kip,phiMnx_kipft,phiMny_kipft,"
              "ratio,capacityFound");
    EXPECT_EQ(std::count(one.text.begin(), one.text.end(), '\n'), 121);
    for (const char* threads : {"2", "3", "16", "1024"}) {
        const test::CliOutput many = test::runCli(base + threads);
        EXPECT_EQ(many.status, one.status);
        EXPECT_EQ(many.text, one.text) << threads << " threads";
    }
}

TEST_F(LoadFileCliTest, AFailingLoadExitsWithOne) {
    const std::string loads = write("l.csv", "id,Pu,Mux,Muy\nsmall,-10,1,1\nhuge,-5000,0,0\n");
    const test::CliOutput r =
        test::runCli("check " + path("p.rcs") + " --loads " + loads + " --json");
    EXPECT_EQ(r.status, 1);
    const json j = json::parse(r.text);
    EXPECT_EQ(j["summary"]["failing"], 1);
    EXPECT_EQ(j["summary"]["maxRatioId"], "huge");
    EXPECT_GT(j["summary"]["maxRatio"].get<double>(), 1.0);
}

TEST_F(LoadFileCliTest, AMalformedFileIsRefusedWithItsLineAndColumnAndNoResult) {
    const std::string loads = write("bad.csv", "Pu,Mux,Muy\n-100,50,0\n-100,fifty,0\n");
    const std::string command = "check " + path("p.rcs") + " --loads " + loads + " --json";
    const test::CliOutput out = test::runCli(command);
    EXPECT_EQ(out.status, 2);
    EXPECT_EQ(out.text, ""); // no result printed
    const test::CliOutput withErrors = test::runCli(command, true);
    EXPECT_NE(withErrors.text.find("line 3, column 2: Mux \"fifty\" is not a finite number"),
              std::string::npos)
        << withErrors.text;

    const std::string missing = write("missing.csv", "Pu,Muy\n-100,0\n");
    EXPECT_EQ(test::runCli("check " + path("p.rcs") + " --loads " + missing).status, 2);
    EXPECT_EQ(test::runCli("check " + path("p.rcs") + " --loads " + path("none.csv")).status, 2);
}

TEST_F(LoadFileCliTest, TheTableCountsInWordsThatAgree) {
    const std::string one = write("one.csv", "Pu,Mux,Muy\n-100,50,0\n");
    EXPECT_NE(test::runCli("check " + path("p.rcs") + " --loads " + one)
                  .text.find("\n1 load passes; largest ratio"),
              std::string::npos);
    const std::string two = write("two.csv", "Pu,Mux,Muy\n-100,50,0\n-5000,0,0\n");
    EXPECT_NE(test::runCli("check " + path("p.rcs") + " --loads " + two)
                  .text.find("\n1 of 2 loads fail; largest ratio"),
              std::string::npos);
}

TEST_F(LoadFileCliTest, OptionsThatNeedALoadFile) {
    EXPECT_EQ(test::runCli("check " + path("p.rcs") + " --csv").status, 2);
    EXPECT_EQ(test::runCli("check " + path("p.rcs") + " --threads 2").status, 2);
    const std::string loads = write("l.csv", "Pu,Mux,Muy\n-1,1,1\n");
    EXPECT_EQ(test::runCli("check " + path("p.rcs") + " --loads " + loads + " --threads 0").status,
              2);
}

} // namespace
} // namespace pmsect
