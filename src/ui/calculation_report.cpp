// The calculation's four sections in order. Every value is the one the program's other outputs
// show (the section summary and the load checks as they stand in the model), in the display
// units, so that the calculation never contradicts the screen or the text report.
#include "ui/calculation_report.h"

#include "engine/bar_table.h"
#include "engine/governing_load.h"
#include "format/number_format.h"
#include "io/magnifier_report.h"
#include "io/report_text.h"
#include "project/design_code_choice.h"
#include "project/engine_inputs_of.h"
#include "project/project_summary.h"
#include "project/project_verdict.h"
#include "results/control_point_table.h"
#include "ui/calculation_figures.h"
#include "ui/method_clauses.h"
#include "units/unit_conversion.h"

#include <algorithm>
#include <cctype>
#include <ctime>
#include <string_view>

#ifndef PMSECT_VERSION
#define PMSECT_VERSION "unknown"
#endif

namespace pmsect {
namespace {

std::string aci(const ProjectModel& m) {
    return "ACI " + std::string(designCodeName(m.designCode));
}

// Cells right-aligned in columns of the given widths, the first left-aligned.
std::string row(std::initializer_list<std::pair<std::string_view, int>> cells) {
    std::string out;
    bool first = true;
    for (const auto& [text, width] : cells) {
        const auto w = static_cast<std::size_t>(width);
        const std::string cell(text);
        if (first) {
            out += cell.size() < w ? cell + std::string(w - cell.size(), ' ') : cell;
        } else {
            out += cell.size() < w ? std::string(w - cell.size(), ' ') + cell : " " + cell;
        }
        first = false;
    }
    return out;
}

struct Texts {
    const ProjectModel& m;
    std::string len(double inches) const {
        return formatNumber(shownLength(m.units, inches), "#,##0.00");
    }
    std::string area(double sqIn) const {
        return formatNumber(shownArea(m.units, sqIn), "#,##0.00");
    }
    std::string stress(double psi) const {
        return formatNumber(shownStress(m.units, psi), "###,##0");
    }
    std::string force(double kips) const {
        return formatNumber(shownForce(m.units, kips), "##,##0.00");
    }
    std::string momentKipFt(double kipFt) const {
        return formatNumber(shownMoment(m.units, kipFt), "##,##0.00");
    }
    std::string momentKipIn(double kipIn) const {
        return formatNumber(shownMomentFromKipIn(m.units, kipIn), "##,##0.00");
    }
    const std::string& L() const { return m.units.lengthLabel; }
    const std::string& A() const { return m.units.areaLabel; }
    const std::string& S() const { return m.units.stressLabel; }
    const std::string& F() const { return m.units.forceLabel; }
    const std::string& M() const { return m.units.momentLabel; }
};

std::string sectionLine(const ProjectModel& m, const Texts& t) {
    switch (m.sectionType) {
    case kRectangular:
        return "Rectangular section: width b = " + t.len(m.extentX) + " " + t.L() +
               ", depth h = " + t.len(m.extentY) + " " + t.L();
    case kRound:
        return "Round section: diameter = " + t.len(m.extentX) + " " + t.L();
    default:
        return "Section of " + std::to_string(outlinePoints(m).size()) +
               " outline points: " + t.len(m.extentX) + " " + t.L() + " wide, " + t.len(m.extentY) +
               " " + t.L() + " deep";
    }
}

void inputs(Document& doc, const ProjectModel& m, const AxialLimits& limits, const Texts& t,
            const CalculationFigures& figures) {
    doc.heading("1. INPUTS");
    doc.line(sectionLine(m, t));
    doc.figure(figures.section("Cross section, bars numbered (" + t.L() + ")"));
    doc.line("Gross area Ag = " + t.area(m.grossArea) + " " + t.A() +
             "; clear cover to the ties = " + t.len(m.clearCover) + " " + t.L());
    if (m.sectionType == kArbitrary) {
        DocumentTable outline;
        outline.heading = {row({{"Point", 7}, {"x", 12}, {"y", 12}}),
                           row({{"", 7}, {"(" + t.L() + ")", 12}, {"(" + t.L() + ")", 12}})};
        int i = 0;
        for (const Point& p : outlinePoints(m)) {
            outline.rows.push_back(
                row({{std::to_string(++i), 7}, {t.len(p.x), 12}, {t.len(p.y), 12}}));
        }
        doc.table(std::move(outline));
    }
    DocumentTable bars;
    bars.heading = {row({{"Bar", 6}, {"Size", 6}, {"x", 12}, {"y", 12}, {"Area", 12}}),
                    row({{"", 6},
                         {"", 6},
                         {"(" + t.L() + ")", 12},
                         {"(" + t.L() + ")", 12},
                         {"(" + t.A() + ")", 12}})};
    int i = 0;
    for (const Bar& b : modelBars(m)) {
        bars.rows.push_back(row({{std::to_string(++i), 6},
                                 {"#" + formatNumber(b.size, "#0"), 6},
                                 {t.len(b.x), 12},
                                 {t.len(b.y), 12},
                                 {t.area(Barea(b.size)), 12}}));
    }
    doc.table(std::move(bars));
    doc.line("As = " + t.area(limits.steelArea) + " " + t.A() + "; rho = As / Ag = " +
             (m.grossArea > 0 ? formatNumber(limits.steelArea / m.grossArea, "#0.00%") : "-"));

    doc.heading("Materials");
    const std::string code = aci(m);
    doc.line("f'c = " + t.stress(m.fpc) + " " + t.S() + "   fy = " + t.stress(m.fy) + " " + t.S());
    doc.line("Es = " + t.stress(m.Es) + " " + t.S() + " (" + code + " " +
             steelModulusClause(m.designCode) + ")");
    const bool ecByFormula = concreteModulusOf(m) == m.Ec;
    doc.line("Ec = " + std::string(ecByFormula ? "33 wc^1.5 sqrt(f'c) = " : "") + t.stress(m.Ec) +
             " " + t.S() + " (" +
             (ecByFormula ? code + " " + concreteModulusClause(m.designCode) + ", psi and pcf"
                          : "as given") +
             ")");
    const bool beta1ByRule = stressBlockDepthFactorOf(m) == m.beta1;
    doc.line("beta1 = " + formatNumber(m.beta1, "0.000") + " (" +
             (beta1ByRule ? code + " " + stressBlockFactorClause(m.designCode) : "as given") + ")");
    doc.line("Unit weight of the concrete wc = " +
             formatNumber(shownUnitWt(m.units, m.unitWt), "#,##0.0") + " " + m.units.unitWtLabel);

    doc.heading("Confinement");
    doc.line(std::string(isSpiral(m) ? "Spiral" : "Ties") + ", bar #" +
             formatNumber(m.tieBarSize, "#0") + "; phi of compression-controlled sections = " +
             formatNumber(m.phiCompression, "0.00") +
             "; phi*Pn(max) = " + formatNumber(m.pnMaxFactor, "0.00") + " phi Po");

    doc.heading("Units");
    doc.line("Lengths " + t.L() + ", areas " + t.A() + ", stresses " + t.S() + ", forces " + t.F() +
             ", moments " + t.M() + ", unit weight " + m.units.unitWtLabel +
             "; compression is negative.");
}

void method(Document& doc, const ProjectModel& m) {
    doc.heading("2. METHOD (" + aci(m) + ")");
    doc.paragraph("The strength of the section follows from strain compatibility at neutral "
                  "axes of any depth and angle, with these assumptions:");
    for (const MethodClause& c : methodClauses(m.designCode)) {
        doc.paragraph(c.clause + ": " + c.text);
    }
    doc.paragraph(
        "A load (Pu, Mux, Muy) is checked on its own load line through the origin: the "
        "design capacity (phi*Pn, phi*Mnx, phi*Mny) is the point of the reduced failure "
        "surface at the load's eccentricity e and direction, and the ratio is the "
        "demand divided by the capacity along that line. A ratio above 1.000 fails (NG).");
    if (m.slenderness) {
        const MagnifierClauses& c = designCodeRules(m).momentMagnifier().clauses();
        doc.paragraph("Slender member: each load is checked at (Pu, Mcx, Mcy), its moments "
                      "magnified about each axis separately by the moment magnifier method (" +
                      std::string(c.deltaNs) + "; " + std::string(c.deltaS) +
                      "). About an axis whose k lu/r does not exceed the limit of " +
                      std::string(c.neglectLimit) +
                      ","
                      " slenderness is neglected and the larger end moment is used as it is. "
                      "Section 4 lists the steps per load.");
    }
}

std::string angleText(float angle) {
    return formatNumber(angle, "##0.##") + " deg";
}

void controlPointTable(Document& doc, const ProjectModel& m, const CalculationFigures& figures,
                       float angle, const std::string& what) {
    doc.line("Control points at " + angleText(angle) + " (" + what + "):");
    std::vector<std::string> lines = controlPointTableLines(figures.controlPoints(angle), m.units);
    DocumentTable table;
    table.heading.assign(lines.begin(), lines.begin() + 2);
    table.rows.assign(lines.begin() + 2, lines.end());
    doc.table(std::move(table));
}

void strength(Document& doc, const ProjectModel& m, const SectionResults& section, const Texts& t,
              const CalculationFigures& figures, const std::optional<ReportLoad>& governing) {
    const AxialLimits& l = section.limits;
    doc.heading("3. STRENGTH");
    DocumentTable axial;
    axial.heading = {row({{"Axial limit", 28}, {"(" + t.F() + ")", 14}})};
    axial.rows = {row({{"Po (pure compression)", 28}, {t.force(l.Po / 1000.0), 14}}),
                  row({{"phi*Pn(max)", 28}, {t.force(l.phiPnMax / 1000.0), 14}}),
                  row({{"To (pure tension)", 28}, {t.force(l.To / 1000.0), 14}}),
                  row({{"phi*Tn(max)", 28}, {t.force(l.phiTnMax / 1000.0), 14}})};
    doc.table(std::move(axial));

    doc.line("Pure bending:");
    DocumentTable bending;
    bending.heading = {row({{"", 8}, {"Mn", 12}, {"phi*Mn", 12}, {"eps_t", 9}}),
                       row({{"", 8}, {"(" + t.M() + ")", 12}, {"(" + t.M() + ")", 12}})};
    const char* names[] = {"+Mnx", "-Mnx", "+Mny", "-Mny"};
    const StrainLimits limits = strainLimits(m);
    for (int k = 0; k < 4; ++k) {
        if (!section.pureBending) {
            bending.rows.push_back(row({{names[k], 8}, {"-", 12}, {"-", 12}}));
            continue;
        }
        const PureBendingResult& b = (*section.pureBending)[static_cast<std::size_t>(k)];
        bending.rows.push_back(row({{names[k], 8},
                                    {t.momentKipIn(b.Mn), 12},
                                    {t.momentKipIn(b.phiMn), 12},
                                    {formatNumber(b.maxSteelStrain, "0.0000"), 9},
                                    {"", 3},
                                    {StrainOK(b.maxSteelStrain, limits), 0}}));
    }
    doc.table(std::move(bending));

    controlPointTable(doc, m, figures, 0, "bending about the y axis");
    controlPointTable(doc, m, figures, 90, "bending about the x axis");
    const std::string code = aci(m);
    const std::string project = doc.header.empty() ? std::string() : doc.header[0].left;
    if (governing) {
        const float angle = governing->check.result.angle;
        controlPointTable(doc, m, figures, angle, "the governing " + governing->title());
        doc.figure(figures.diagram(angle, project + " - Pn-Mn diagram at " + angleText(angle) +
                                              " (governing " + governing->title() + ") - " + code));
    }
    doc.figure(
        figures.diagram(0, project + " - Pn-Mn diagram at 0 deg (about the y axis) - " + code));
    doc.figure(
        figures.diagram(90, project + " - Pn-Mn diagram at 90 deg (about the x axis) - " + code));
    const float Pu = governing ? governing->check.load.Pu : 0.0f;
    doc.figure(figures.contour(
        Pu, project + " - biaxial contour at Pu = " + t.force(Pu) + " " + t.F() +
                (governing ? " (governing " + governing->title() + ")" : std::string()) + " - " +
                code));
    doc.figure(figures.surface(project + " - failure surface, Pn-Mnx-Mny - " + code));
}

void loadChecks(Document& doc, const ProjectModel& m, const Texts& t,
                const std::vector<ReportLoad>& loads) {
    doc.heading("4. LOAD CHECKS");
    if (loads.empty()) {
        doc.line("No loads are checked.");
        return;
    }
    DocumentTable table;
    // With slenderness data every load is checked on its magnified moments: the table shows
    // those, beside the capacity they are measured against; the steps below give the first-order
    // ones.
    const bool slender = m.slenderness.has_value();
    // A combination is named by its formula: the first column takes the longest.
    int idWidth = 8;
    for (const ReportLoad& load : loads) {
        if (load.combination) {
            idWidth = std::max(idWidth, static_cast<int>(load.id.size()) + 2);
        }
    }
    const std::string f = "(" + t.F() + ")";
    const std::string mo = "(" + t.M() + ")";
    const std::string l = "(" + t.L() + ")";
    table.heading = {row({{"Load", idWidth},
                          {"Pu", 11},
                          {slender ? "Mcx" : "Mux", 10},
                          {slender ? "Mcy" : "Muy", 10},
                          {"e", 9},
                          {"Angle", 8},
                          {"phi*Pn", 11},
                          {"phi*Mnx", 10},
                          {"phi*Mny", 10},
                          {"Ratio", 7},
                          {"", 4}}),
                     row({{"", idWidth},
                          {f, 11},
                          {mo, 10},
                          {mo, 10},
                          {l, 9},
                          {"(deg)", 8},
                          {f, 11},
                          {mo, 10},
                          {mo, 10},
                          {"", 7},
                          {"", 4}})};
    for (const ReportLoad& load : loads) {
        const LoadInput& in = load.check.load;
        const LoadResult& r = load.check.result;
        const bool found = r.capacityFound;
        const auto cap = [&](std::string text) { return found ? text : std::string("-"); };
        const auto& magnified = load.check.magnification;
        const bool stable = magnified && !magnified->noStableMagnifier();
        const auto moment = [&](float own, bool aboutX) {
            if (!magnified) {
                return t.momentKipFt(own);
            }
            if (!stable) {
                return std::string("-");
            }
            const AxisMagnification& axis = aboutX ? magnified->x : magnified->y;
            return t.momentKipFt(static_cast<float>(*axis.Mc));
        };
        table.rows.push_back(
            row({{load.id, idWidth},
                 {t.force(in.Pu), 11},
                 {moment(in.Mux, true), 10},
                 {moment(in.Muy, false), 10},
                 {formatNumber(shownLength(m.units, r.eccentricity), "###0.00"), 9},
                 {formatNumber(r.angle, "##0.00"), 8},
                 {cap(t.force(r.phiPn)), 11},
                 {cap(t.momentKipFt(r.phiMnx)), 10},
                 {cap(t.momentKipFt(r.phiMny)), 10},
                 {cap(formatNumber(r.ratio, "0.000")), 7},
                 {loadFails(load.check) ? "NG" : "OK", 4}}));
    }
    doc.table(std::move(table));
    doc.line(verdictLine(loads));
    const MomentMagnifierRules& rules = designCodeRules(m).momentMagnifier();
    for (const ReportLoad& load : loads) {
        if (!load.check.magnification) {
            continue;
        }
        std::string title = load.title();
        title[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(title[0])));
        doc.line(title + ", moment magnifier, checked on (Pu, Mcx, Mcy):");
        for (const std::string& line :
             magnifierReportLines(*load.check.magnification, rules, m.units)) {
            doc.line(line);
        }
    }
}

} // namespace

std::string programVersion() {
    return PMSECT_VERSION;
}

std::string localDate() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[16];
    std::strftime(text, sizeof text, "%Y-%m-%d", &local);
    return text;
}

std::vector<ReportLoad> checkedProjectLoads(const ProjectModel& model,
                                            const SectionResults& section) {
    std::vector<ReportLoad> loads;
    loads.reserve(static_cast<std::size_t>(model.loads.count()));
    const EngineInputs inputs = engineInputsOf(model);
    for (int i = 1; i <= model.loads.count(); ++i) {
        CheckedLoad check = storedLoadCheck(section, model, static_cast<std::size_t>(i));
        check.magnification = magnificationOf(inputs, check.load);
        loads.push_back({std::to_string(i), std::move(check)});
    }
    const CheckedCombinations combinations = checkedCombinations(model);
    for (std::size_t k = 0; k < combinations.checks.size(); ++k) {
        loads.push_back({combinations.combinations[k].name, combinations.checks[k], true});
    }
    return loads;
}

std::string verdictLine(const std::vector<ReportLoad>& loads) {
    std::vector<CheckedLoad> checks;
    std::size_t combinations = 0;
    for (const ReportLoad& l : loads) {
        checks.push_back(l.check);
        combinations += l.combination ? 1 : 0;
    }
    const LoadVerdict v = loadVerdict(checks);
    return verdictSentence(v, combinations, v.governing ? loads[*v.governing].title() : "");
}

Document calculationReport(const ProjectModel& model, const SectionResults& section,
                           const std::vector<ReportLoad>& loads, const CalculationHeader& header) {
    Document doc;
    const std::string code = aci(model);
    doc.header = {
        {header.title, "PMSECT " + programVersion()},
        {"Engineer: " + header.engineer, "Design code: " + code},
        {"File: " + (header.fileName.empty() ? std::string("(not saved)") : header.fileName),
         "Date: " + header.date}};
    std::vector<CheckedLoad> checks;
    for (const ReportLoad& l : loads) {
        checks.push_back(l.check);
    }
    const LoadVerdict verdict = loadVerdict(checks);
    std::optional<ReportLoad> governing;
    if (verdict.governing) {
        governing = loads[*verdict.governing];
    }
    const CalculationFigures figures(model, section, loads);
    const Texts t{model};
    inputs(doc, model, section.limits, t, figures);
    method(doc, model);
    strength(doc, model, section, t, figures, governing);
    loadChecks(doc, model, t, loads);
    return doc;
}

} // namespace pmsect
