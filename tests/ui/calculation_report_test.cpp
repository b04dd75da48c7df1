// The calculation's content, read from the same text its pages are drawn from: the inputs with
// hand-checked values, the clauses of the edition in force, every load with its ratio and the
// verdict, for the project's loads and for a load file of 1,000.
#include "engine/load_batch.h"
#include "io/load_file.h"
#include "io/project_formats.h"
#include "project/design_code_choice.h"
#include "project/engine_inputs_of.h"
#include "project/project_summary.h"
#include "results/document_pages.h"
#include "ui/calculation_report.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <sstream>

namespace pmsect {
namespace {

const std::string kExample =
    std::string(PMSECT_TEST_DATA) + "/../../docs/examples/column-20x20-39-loads.project.json";

ProjectModel example() {
    ProjectModel m;
    EXPECT_TRUE(loadAnyProject(kExample, m).ok);
    return m;
}

std::string allText(const Document& d) {
    std::string text;
    for (const std::string& line : documentText(d)) {
        text += line + "\n";
    }
    return text;
}

bool has(const std::string& text, const std::string& what) {
    return text.find(what) != std::string::npos;
}

ReportLoad checked(std::string id, float ratio, bool found = true) {
    ReportLoad l{std::move(id), {}};
    l.check.result.ratio = ratio;
    l.check.result.capacityFound = found;
    return l;
}

TEST(CalculationReport, InputsCarryTheirValuesCheckedByHand) {
    ProjectModel m = example();
    const SectionResults section = computeSectionSummary(m);
    const Document d = calculationReport(m, section, checkedProjectLoads(m, section),
                                         {"Tower B", "J. Engineer", "2026-12-09", "c.json"});
    const std::string text = allText(d);
    EXPECT_EQ(d.header[0].left, "Tower B");
    EXPECT_EQ(d.header[0].right, "PMSECT " + programVersion());
    EXPECT_EQ(d.header[1].left, "Engineer: J. Engineer");
    EXPECT_EQ(d.header[1].right, "Design code: ACI 318-19");
    // 20 x 20 in, 12 #9 bars of 1.00 in2 (ASTM A615 nominal area): As = 12.00, rho = 12/400.
    EXPECT_TRUE(has(text, "width b = 20.00 in., depth h = 20.00 in."));
    EXPECT_TRUE(has(text, "Gross area Ag = 400.00 in^2; clear cover to the ties = 1.50 in."));
    EXPECT_TRUE(has(text, "As = 12.00 in^2; rho = As / Ag = 3.00%"));
    EXPECT_TRUE(has(text, "\n12        #9        7.56       -2.52        1.00\n"));
    // Ec = 33 x 145^1.5 x sqrt(5000) = 33 x 1,746.03 x 70.711 = 4,074,281 psi; beta1 at 5,000
    // psi = 0.85 - 0.05 = 0.80 (ACI 318-19 Table 22.2.2.4.3).
    EXPECT_TRUE(has(text, "Ec = 33 wc^1.5 sqrt(f'c) = 4,074,281 psi (ACI 318-19 19.2.2.1"));
    EXPECT_TRUE(has(text, "beta1 = 0.800 (ACI 318-19 22.2.2.4.3)"));
    EXPECT_TRUE(has(text, "Es = 29,000,000 psi (ACI 318-19 20.2.2.2)"));
    EXPECT_TRUE(has(text, "Unit weight of the concrete wc = 145.0 pcf"));
    EXPECT_TRUE(has(text, "Ties, bar #3; phi of compression-controlled sections = 0.65"));
    // Po = 0.85 x 5 x (400 - 12) + 60 x 12 = 1,649 + 720 = 2,369 k; phi*Pn(max) = 0.8 x 0.65 Po.
    EXPECT_TRUE(has(text, "Po (pure compression)            -2,369.00"));
    EXPECT_TRUE(has(text, "phi*Pn(max)                      -1,231.88"));
    EXPECT_TRUE(has(text, "To (pure tension)                   720.00"));
    for (const char* name :
         {"Pure compression", "Balanced", "Tension controlled", "Pure bending", "Pure tension"}) {
        EXPECT_TRUE(has(text, name)) << name;
    }
    // The sections in their order.
    const auto at = [&](const char* s) { return text.find(s); };
    EXPECT_LT(at("1. INPUTS"), at("2. METHOD (ACI 318-19)"));
    EXPECT_LT(at("2. METHOD"), at("3. STRENGTH"));
    EXPECT_LT(at("3. STRENGTH"), at("4. LOAD CHECKS"));
}

TEST(CalculationReport, TheMethodCitesTheClausesOfTheEditionInForce) {
    const struct {
        DesignCode code;
        std::vector<std::string> clauses;
        std::string absent;
    } cases[] = {
        {DesignCode::Aci318_19,
         {"22.2.2.1:", "22.2.2.4.1:", "22.2.2.4.3:", "20.2.2:", "21.2.2:", "22.4.2:"},
         "10.2.7.1"},
        {DesignCode::Aci318_14,
         {"22.2.2.1:", "22.2.2.4.1:", "22.2.2.4.3:", "20.2.2:", "21.2.2:", "22.4.2:"},
         "10.2.3"},
        {DesignCode::Aci318_05,
         {"10.2.3:", "10.2.7.1:", "10.2.7.3:", "10.2.4:", "9.3.2:", "10.3.6:"},
         "22.2.2.1"},
    };
    for (const auto& c : cases) {
        ProjectModel m = example();
        applyDesignCode(m, c.code);
        const SectionResults section = computeSectionSummary(m);
        const std::string text = allText(calculationReport(m, section, {}, {}));
        for (const std::string& clause : c.clauses) {
            EXPECT_TRUE(has(text, "\n" + clause)) << designCodeName(c.code) << " " << clause;
        }
        EXPECT_FALSE(has(text, c.absent)) << designCodeName(c.code);
        EXPECT_TRUE(has(text, "No loads are checked."));
    }
}

TEST(CalculationReport, TheVerdictNamesTheLargestRatioAndItsLoad) {
    const struct {
        std::vector<ReportLoad> loads;
        std::string verdict;
    } cases[] = {
        {{checked("1", 0.5f), checked("2", 0.9f)},
         "All 2 loads pass; largest ratio 0.900 (load 2)"},
        {{checked("A", 0.5f), checked("B", 1.2f), checked("C", 1.2f), checked("D", 0, false)},
         "3 of 4 loads fail; largest ratio 1.200 (load B)"},
        {{checked("A", 1.0f)}, "1 load passes; largest ratio 1.000 (load A)"},
        {{checked("A", 0, false)}, "1 of 1 load fails; no load has a capacity on its load line"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(verdictLine(c.loads), c.verdict);
    }
}

// The load table's rows: the lines of the calculation's last table.
std::vector<std::string> loadRows(const Document& d) {
    for (auto b = d.blocks.rbegin(); b != d.blocks.rend(); ++b) {
        if (b->kind == BlockKind::Table) {
            return b->table.rows;
        }
    }
    return {};
}

TEST(CalculationReport, EveryProjectLoadIsCheckedWithItsRatioOnLetterPages) {
    ProjectModel m = example();
    // A 40th load, far beyond the section: it fails and governs.
    m.loads.resize(40);
    m.loads[40] = {};
    m.loads[40][kPu] = -2000;
    m.loads[40][kMux] = 300;
    const SectionResults section = computeSectionSummary(m);
    const Document d = calculationReport(m, section, checkedProjectLoads(m, section), {});
    const auto rows = loadRows(d);
    ASSERT_EQ(rows.size(), 40u);
    int failing = 0;
    float largest = 0;
    for (int i = 1; i <= 40; ++i) {
        const float r = storedLoadResult(section, m, static_cast<std::size_t>(i)).value().ratio;
        const std::string& line = rows[static_cast<std::size_t>(i - 1)];
        char ratio[16];
        std::snprintf(ratio, sizeof ratio, "%.3f", static_cast<double>(r));
        EXPECT_EQ(line.rfind(std::to_string(i) + " ", 0), 0u) << line;
        EXPECT_TRUE(has(line, std::string(" ") + ratio + (r > 1 ? "  NG" : "  OK"))) << line;
        failing += r > 1 ? 1 : 0;
        largest = std::max(largest, r);
    }
    char verdict[80];
    std::snprintf(verdict, sizeof verdict, "%d of 40 loads fail; largest ratio %.3f (load 40)",
                  failing, static_cast<double>(largest));
    EXPECT_EQ(documentText(d).back(), verdict);
    // The governing load's diagram and contour are there, titled with it.
    const std::string text = allText(d);
    EXPECT_TRUE(has(text, "(governing load 40) - ACI 318-19"));
    EXPECT_TRUE(has(text, "biaxial contour at Pu = -2,000.00 k (governing load 40)"));
    EXPECT_TRUE(has(text, "Control points at 90 deg (the governing load 40):"));

    // On Letter every load row is on some page, whole, once.
    const PageMetrics letter{504, 684, 9.3, 4.8};
    std::size_t found = 0;
    for (const DocumentPage& page : layOutDocument(d, letter)) {
        for (const PlacedText& t : page.texts) {
            found += std::count(rows.begin(), rows.end(), t.text);
        }
    }
    EXPECT_EQ(found, 40u);
}

TEST(CalculationReport, AThousandLoadsFromAFileKeepTheirIdsAndOrder) {
    ProjectModel m = example();
    std::ostringstream csv;
    csv << "id,Pu,Mux,Muy\n";
    for (int i = 0; i < 1000; ++i) {
        csv << "C" << i << "," << -100 - 2 * i << "," << (i % 50) * 8 << "," << (i % 7) * 20
            << "\n";
    }
    std::istringstream in(csv.str());
    const LoadFileResult read = readLoadText(in);
    ASSERT_TRUE(read);
    const auto results = checkLoads(engineInputsOf(m), read.contents.loads, 2);
    std::vector<ReportLoad> loads;
    std::size_t failing = 0;
    std::size_t governing = 0;
    for (std::size_t i = 0; i < results.size(); ++i) {
        loads.push_back({read.contents.ids[i], results[i]});
        failing += results[i].result.ratio > 1 || !results[i].result.capacityFound ? 1 : 0;
        if (results[i].result.ratio > results[governing].result.ratio) {
            governing = i;
        }
    }
    const SectionResults section = computeSectionSummary(m);
    const Document d = calculationReport(m, section, loads, {});
    const auto rows = loadRows(d);
    ASSERT_EQ(rows.size(), 1000u);
    for (std::size_t i = 0; i < rows.size(); i += 111) {
        EXPECT_EQ(rows[i].rfind("C" + std::to_string(i) + " ", 0), 0u) << rows[i];
    }
    char ratio[16];
    std::snprintf(ratio, sizeof ratio, "%.3f",
                  static_cast<double>(results[governing].result.ratio));
    EXPECT_EQ(documentText(d).back(), std::to_string(failing) +
                                          " of 1,000 loads fail; largest ratio " + ratio +
                                          " (load C" + std::to_string(governing) + ")");
    // Laid out on A4 (595 x 842 pt less 3/4 in margins) the rows run over pages and each is
    // found whole, in order.
    const PageMetrics a4{487, 734, 9.3, 4.8};
    std::size_t next = 0;
    for (const DocumentPage& page : layOutDocument(d, a4)) {
        for (const PlacedText& t : page.texts) {
            if (next < rows.size() && t.text == rows[next]) {
                ++next;
            }
        }
    }
    EXPECT_EQ(next, 1000u);
}

} // namespace
} // namespace pmsect
