// The engine's subcommands: new project, one strain state, the section summary and the checks.
#include "cli/commands.h"

#include "building/new_project.h"
#include "cli/combinations_command.h"
#include "cli/governing_output.h"
#include "cli/json_output.h"
#include "cli/load_row_json.h"
#include "cli/load_row_text.h"
#include "cli/slenderness_output.h"
#include "engine/bar_table.h"
#include "engine/strain_compat.h"
#include "io/project_file.h"
#include "io/project_formats.h"
#include "project/design_code_choice.h"
#include "project/engine_inputs_of.h"
#include "project/project_summary.h"
#include "project/project_verdict.h"
#include "ui/main_window_texts.h"
#include "ui/summary_labels.h"

#include <cstdio>
#include <iostream>
#include <vector>

namespace pmsect::cli {
namespace {

using json = nlohmann::ordered_json;

// A bar size missing from the table is reported once per command, as its summary found it, not
// once per evaluation.
void reportUnmatchedBarSize(const SectionResults& section, const std::string& file) {
    if (section.unmatchedBarSize) {
        std::cerr << "pmsect-cli: " << file
                  << ": warning: " << unmatchedBarSizeMessage(*section.unmatchedBarSize) << "\n";
    }
}

const char* const kPureBendingNames[4] = {"+Mnx", "-Mnx", "+Mny", "-Mny"};

json loadsJson(const ProjectModel& m, const SectionResults& section) {
    json loads = json::array();
    const auto magnified = projectMagnifications(m);
    for (int i = 1; i <= m.loads.count(); ++i) {
        json row = loadRowJson(storedLoadCheck(section, m, static_cast<std::size_t>(i)));
        if (const auto& magnification = magnified[static_cast<std::size_t>(i - 1)]) {
            addSlendernessKeys(row, *magnification);
        }
        loads.push_back(row);
    }
    return loads;
}

// The project's load table, and under it which load governs and how many fail.
void printLoadTable(const ProjectModel& m, const SectionResults& section) {
    printLoadTableHeading(false);
    const auto magnified = projectMagnifications(m);
    for (int i = 1; i <= m.loads.count(); ++i) {
        std::printf("%4d", i);
        printLoadRowColumns(storedLoadCheck(section, m, static_cast<std::size_t>(i)));
        if (const auto& magnification = magnified[static_cast<std::size_t>(i - 1)]) {
            printMagnification(*magnification);
        }
    }
    std::printf("%s\n", projectVerdict(m, section, {}).sentence().c_str());
}

} // namespace

int runConvert(const std::string& in, const std::string& out) {
    if (isJsonProjectPath(in) == isJsonProjectPath(out)) {
        throw CommandError("convert goes from a .rcs project to a .json one or back");
    }
    const LoadedProject project = loadProject(ProjectSource(in));
    reportUnmatchedBarSize(project.section, in);
    const FileResult written = writeAnyProject(out, project.model);
    if (!written) {
        throw FileError(written.error);
    }
    return 0;
}

int runNew(const std::string& file, std::optional<DesignCode> code) {
    ProjectModel model;
    model.designCode = code.value_or(DesignCode::Aci318_05);
    resetToNewProject(model);
    const FileResult result = writeAnyProject(file, model);
    if (!result) {
        throw FileError(result.error);
    }
    return 0;
}

int runPoint(const ProjectSource& source, float c, float angle, bool asJson) {
    const LoadedProject project = loadProject(source);
    const ProjectModel& model = project.model;
    NeutralAxisState state;
    state.c = c;
    EvaluationDetail detail;
    solveNeutralAxis(engineInputsOf(model), angle, state, &detail);
    reportUnmatchedBarSize(project.section, source.path);
    if (asJson) {
        const json out = {{"code", designCodeJson(model)},
                          {"c_in", jsonNumber(state.c)},
                          {"Pn_kip", jsonNumber(state.Pn)},
                          {"Mn_kipin", jsonNumber(state.Mn)},
                          {"loadAngle_deg",
                           detail.loadAngleWritten ? jsonNumber(state.loadAngle) : json(nullptr)},
                          {"phi", jsonNumber(state.phi)},
                          {"Mnx_kipin", jsonNumber(detail.Mnx)},
                          {"Mny_kipin", jsonNumber(detail.Mny)},
                          {"Ac_in2", jsonNumber(detail.Ac)},
                          {"grossCompArea_in2", jsonNumber(detail.grossCompArea)},
                          {"compForce_kip", jsonNumber(detail.compressionForce)},
                          {"tensForce_kip", jsonNumber(detail.tensionForce)},
                          {"maxSteelStrain", jsonNumber(state.netTensileStrain)}};
        std::cout << out.dump(2) << "\n";
        return 0;
    }
    std::printf("Neutral axis: c = %s in., angle = %s deg\n", fixed(state.c, "0.000").c_str(),
                fixed(angle).c_str());
    std::printf("  Pn = %s k\n  Mn = %s in-k\n", fixed(state.Pn).c_str(), fixed(state.Mn).c_str());
    std::printf("  Load angle = %s\n", detail.loadAngleWritten
                                           ? (fixed(state.loadAngle) + " deg").c_str()
                                           : "(none: no axial force)");
    std::printf("  phi = %s\n", fixed(state.phi, "0.0000").c_str());
    std::printf("  Mnx = %s in-k\n  Mny = %s in-k\n", fixed(detail.Mnx).c_str(),
                fixed(detail.Mny).c_str());
    std::printf("  Ac = %s in^2\n  Gross Comp. Area = %s in^2\n", fixed(detail.Ac).c_str(),
                fixed(detail.grossCompArea).c_str());
    std::printf("  Comp. Force = %s k\n  Tens. Force = %s k\n",
                fixed(detail.compressionForce).c_str(), fixed(detail.tensionForce).c_str());
    std::printf("  Max. steel strain = %s\n", fixed(state.netTensileStrain, "0.00000").c_str());
    return 0;
}

int runSummary(const ProjectSource& source, bool asJson) {
    LoadedProject project = loadProject(source);
    ProjectModel& model = project.model;
    const SectionResults& section = project.section;
    const AxialLimits& limits = section.limits;
    reportUnmatchedBarSize(section, source.path);
    if (asJson) {
        // Without bars there are no strengths: null, not an earlier section's numbers.
        json pure = section.pureBending ? json::array() : json(nullptr);
        if (section.pureBending) {
            for (const PureBendingResult& r : *section.pureBending) {
                pure.push_back({{"angle_deg", jsonNumber(r.neutralAxisAngle)},
                                {"Mn_kipft", jsonNumber(static_cast<float>(r.Mn / 12.0))},
                                {"phiMn_kipft", jsonNumber(static_cast<float>(r.phiMn / 12.0))},
                                {"maxSteelStrain", jsonNumber(r.maxSteelStrain)}});
            }
        }
        json out = {{"code", designCodeJson(model)},
                    {"grossArea_in2", jsonNumber(model.grossArea)},
                    {"steelArea_in2", jsonNumber(limits.steelArea)},
                    {"Po_kip", jsonNumber(static_cast<float>(limits.Po / 1000.0))},
                    {"phiPnMax_kip", jsonNumber(static_cast<float>(limits.phiPnMax / 1000.0))},
                    {"To_kip", jsonNumber(static_cast<float>(limits.To / 1000.0))},
                    {"phiTnMax_kip", jsonNumber(static_cast<float>(limits.phiTnMax / 1000.0))},
                    {"pureBending", pure},
                    {"loads", loadsJson(model, section)}};
        // Over the loads and the combinations of the load cases, as the text says it.
        const CheckedCombinations combinations = checkedCombinations(model);
        std::vector<CheckedLoad> all = projectChecks(model, section);
        const std::size_t projectCount = all.size();
        all.insert(all.end(), combinations.checks.begin(), combinations.checks.end());
        const LoadVerdict verdict = loadVerdict(all);
        out["governing"] = governingJson(verdict, [&](std::size_t i) {
            if (i < projectCount) {
                return projectLoadName(i);
            }
            const std::string& name = combinations.combinations[i - projectCount].name;
            return LoadName{name, name};
        });
        out["failing"] = verdict.failing;
        // Present only when it holds something, so that a sound section's output stays as it was.
        if (const std::vector<std::string> warnings = designWarnings(model); !warnings.empty()) {
            out["warnings"] = warnings;
        }
        std::cout << out.dump(2) << "\n";
        return 0;
    }
    const SummaryLabels l = summaryLabels(model, section);
    std::printf("Section summary of %s\n", source.path.c_str());
    for (const LabelText* t :
         {&l.grossArea, &l.As, &l.percentRein, &l.Po, &l.phiPnMax, &l.To, &l.phiTnMax}) {
        std::printf("  %s\n", t->text.c_str());
    }
    std::printf("  %s\n  %s\n  %s\n", concreteModulusLabel(model).c_str(),
                steelModulusLabel(model).c_str(), beta1Label(model).c_str());
    for (const std::string& warning : designWarnings(model)) {
        std::printf("  %s\n", warning.c_str());
    }
    std::printf("Pure bending          Mn (ft-k)   phi*Mn (ft-k)   max. strain\n");
    for (std::size_t i = 0; i < 4; ++i) {
        // A section without bars has no strengths: "-", not an earlier section's numbers.
        const bool found = section.pureBending.has_value();
        const PureBendingResult r = found ? (*section.pureBending)[i] : PureBendingResult{};
        std::printf("  %-6s %19s %15s %13s\n", kPureBendingNames[i],
                    found ? fixed(r.Mn / 12.0, "###,##0.00").c_str() : "-",
                    found ? fixed(r.phiMn / 12.0, "###,##0.00").c_str() : "-",
                    found ? fixed(r.maxSteelStrain, "0.0000").c_str() : "-");
    }
    const CheckedCombinations combinations = checkedCombinations(model);
    if (!combinations.combinations.empty()) {
        std::printf("Load checks\n");
        printChecksWithCombinations(model, section, combinations);
    } else if (model.loads.count() > 0) {
        std::printf("Load checks\n");
        printLoadTable(model, section);
    }
    return 0;
}

int runCheck(const ProjectSource& source, bool asJson) {
    LoadedProject project = loadProject(source);
    ProjectModel& model = project.model;
    const SectionResults& section = project.section;
    reportUnmatchedBarSize(section, source.path);
    if (asJson) {
        std::cout << loadsJson(model, section).dump(2) << "\n";
    } else if (model.loads.count() == 0) {
        std::printf("%s has no load combinations.\n", source.path.c_str());
    } else {
        printLoadTable(model, section);
    }
    return loadVerdict(projectChecks(model, section)).failing > 0 ? 1 : 0;
}

} // namespace pmsect::cli
