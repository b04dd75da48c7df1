// report --pdf as an engineer meets it: the pages poppler's tools find in the file (their size,
// the header, the inputs, the clauses, every load's ratio and the verdict), A4 on request, a load
// file's loads in place of the project's, and the options refused without --pdf.
#include "run_cli.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <unistd.h>

namespace pmsect {
namespace {

namespace fs = std::filesystem;
using test::runCli;

const std::string kExample =
    std::string(PMSECT_TEST_DATA) + "/../../docs/examples/column-20x20-39-loads.project.json";

bool havePoppler() {
    return std::system("pdfinfo -v >/dev/null 2>&1") == 0;
}

std::string command(const std::string& line) {
    std::string out;
    FILE* pipe = popen(line.c_str(), "r");
    char buf[4096];
    while (pipe && std::fgets(buf, sizeof buf, pipe)) {
        out += buf;
    }
    if (pipe) {
        pclose(pipe);
    }
    return out;
}

class PdfReportCli : public ::testing::Test {
protected:
    void SetUp() override {
        if (!havePoppler()) {
            GTEST_SKIP() << "pdfinfo and pdftotext (poppler-utils) are not installed";
        }
        dir = fs::temp_directory_path() / ("pmsect_pdf_cli_" + std::to_string(::getpid()));
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string path(const std::string& name) const { return (dir / name).string(); }

    fs::path dir;
};

TEST_F(PdfReportCli, LetterPagesCarryTheHeaderInputsClausesLoadsAndVerdict) {
    const std::string pdf = path("calc.pdf");
    ASSERT_EQ(runCli("report " + kExample + " --pdf " + pdf +
                     " --title 'Tower B column C3' --engineer 'J. Engineer'")
                  .status,
              0);
    const std::string info = command("pdfinfo " + pdf);
    EXPECT_NE(info.find("612 x 792 pts (letter)"), std::string::npos) << info;
    const std::string text = command("pdftotext -layout " + pdf + " -");
    for (const char* s : {"Tower B column C3",
                          "Engineer: J. Engineer",
                          "Page 1 of",
                          "Design code: ACI 318-19",
                          "File: column-20x20-39-loads.project.json",
                          "width b = 20.00 in., depth h = 20.00 in.",
                          "As = 12.00 in^2; rho = As / Ag = 3.00%",
                          "f'c = 5,000 psi",
                          "fy = 60,000 psi",
                          "Es = 29,000,000 psi",
                          "Ec = 33 wc^1.5 sqrt(f'c) = 4,074,281 psi",
                          "beta1 = 0.800",
                          "wc = 145.0 pcf",
                          "Ties, bar #3",
                          "22.2.2.1:",
                          "22.2.2.4.1:",
                          "22.2.2.4.3:",
                          "20.2.2:",
                          "21.2.2:",
                          "22.4.2:",
                          "Pure compression",
                          "Balanced",
                          "Tension controlled",
                          "Po (pure compression)"}) {
        EXPECT_NE(text.find(s), std::string::npos) << s;
    }
    // Every load's ratio as `check --json` gives it, rounded to three places.
    const std::string check = runCli("check " + kExample + " --json").text;
    int loads = 0;
    double largest = 0;
    int governing = 0;
    for (auto at = check.find("\"ratio\": "); at != std::string::npos;
         at = check.find("\"ratio\": ", at + 1)) {
        ++loads;
        const double ratio = std::stod(check.substr(at + 9));
        char shown[16];
        std::snprintf(shown, sizeof shown, "%.3f", ratio);
        EXPECT_NE(text.find(std::string(shown) + "   OK"), std::string::npos) << shown;
        if (ratio > largest) {
            largest = ratio;
            governing = loads;
        }
    }
    ASSERT_EQ(loads, 39);
    char verdict[80];
    std::snprintf(verdict, sizeof verdict, "All 39 loads pass; largest ratio %.3f (load %d)",
                  largest, governing);
    EXPECT_NE(text.find(verdict), std::string::npos) << verdict;
}

TEST_F(PdfReportCli, A4AndALoadFileOnRequest) {
    const std::string csv = path("loads.csv");
    std::ofstream(csv) << "id,Pu,Mux,Muy\nW1,-300,150,20\nW2,-2500,10,0\n";
    const std::string pdf = path("a4.pdf");
    ASSERT_EQ(runCli("report " + kExample + " --pdf " + pdf + " --paper a4 --loads " + csv).status,
              0);
    EXPECT_NE(command("pdfinfo " + pdf).find("595 x 842 pts (A4)"), std::string::npos);
    const std::string text = command("pdftotext -layout " + pdf + " -");
    // W2 lies beyond phi*Pn(max) = -1,231.88 k: it fails and governs.
    EXPECT_NE(text.find("1 of 2 loads fail; largest ratio"), std::string::npos);
    EXPECT_NE(text.find("(load W2)"), std::string::npos);
    EXPECT_NE(text.find("W1 "), std::string::npos);

    // A load file that cannot be read writes nothing; the PDF options need --pdf.
    std::ofstream(path("bad.csv")) << "Pu,Mux,Muy\n1,x,2\n";
    const auto refused = runCli(
        "report " + kExample + " --pdf " + path("no.pdf") + " --loads " + path("bad.csv"), true);
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.text.find("line 2, column 2"), std::string::npos) << refused.text;
    EXPECT_FALSE(fs::exists(path("no.pdf")));
    EXPECT_EQ(runCli("report " + kExample + " --paper a4").status, 2);
    EXPECT_EQ(runCli("report " + kExample + " --pdf " + pdf + " --paper legal").status, 2);
    // Without --pdf the text report is printed as before.
    EXPECT_NE(runCli("report " + kExample).text.find("PMSECT ACI 318-19 Results"),
              std::string::npos);
}

} // namespace
} // namespace pmsect
