// combos, and the combinations in check.
#include "cli/combinations_command.h"

#include "cli/commands.h"
#include "cli/governing_output.h"
#include "cli/json_output.h"
#include "cli/load_row_json.h"
#include "cli/load_row_text.h"
#include "cli/slenderness_output.h"
#include "engine/combination_loads.h"
#include "engine/governing_load.h"
#include "format/text.h"
#include "io/load_case_file.h"
#include "io/load_case_rules.h"
#include "project/engine_inputs_of.h"
#include "project/project_summary.h"
#include "project/project_verdict.h"

#include <algorithm>
#include <cstdio>
#include <iostream>

namespace pmsect::cli {
namespace {

using json = nlohmann::ordered_json;

json combinationJson(const LoadCombination& c) {
    json out = {{"name", c.name},
                {"Pu", jsonNumber(static_cast<float>(c.Pu))},
                {"Mux", jsonNumber(static_cast<float>(c.Mux))},
                {"Muy", jsonNumber(static_cast<float>(c.Muy))},
                {"PuSustained", jsonNumber(static_cast<float>(c.PuSustained))}};
    if (c.ends) {
        for (std::size_t e = 0; e < kEndMomentCount; ++e) {
            out[std::string(kLoadEndMomentNames[e])] = jsonNumber(static_cast<float>((*c.ends)[e]));
        }
    }
    return out;
}

int nameWidth(const std::vector<LoadCombination>& combinations) {
    std::size_t width = 11; // "Combination"
    for (const LoadCombination& c : combinations) {
        width = std::max(width, c.name.size());
    }
    return static_cast<int>(width);
}

} // namespace

std::vector<LoadCombination> projectCombinations(const ProjectModel& model,
                                                 const std::string& casesPath) {
    LoadCaseSet set = model.loadCases;
    if (!casesPath.empty()) {
        const LoadCaseFileResult read = readLoadCaseFile(casesPath);
        if (!read) {
            throw FileError(casesPath + ": " + read.error->text());
        }
        set.cases = read.cases;
        if (const auto fault = checkLoadCaseSet(set)) {
            throw FileError(casesPath + ": the project's user combination \"" +
                            set.options.userCombinations[fault->index].name + "\" " +
                            fault->reason);
        }
    }
    return generateCombinations(set);
}

int runCombos(const ProjectSource& source, const std::string& casesPath, OutputFormat format) {
    const ProjectModel model = loadProject(source).model;
    const std::vector<LoadCombination> combinations = projectCombinations(model, casesPath);
    if (format == OutputFormat::Json) {
        json list = json::array();
        for (const LoadCombination& c : combinations) {
            list.push_back(combinationJson(c));
        }
        const json out = {{"code", designCodeJson(model)}, {"combinations", list}};
        std::cout << out.dump(2, ' ', false, json::error_handler_t::replace) << "\n";
    } else if (format == OutputFormat::Csv) {
        std::cout << "name,Pu,Mux,Muy,PuSustained";
        for (const auto name : kLoadEndMomentNames) {
            std::cout << ',' << name;
        }
        std::cout << '\n';
        for (const LoadCombination& c : combinations) {
            const json row = combinationJson(c);
            std::cout << csvField(c.name);
            for (auto it = std::next(row.begin()); it != row.end(); ++it) {
                std::cout << ',' << it->dump();
            }
            // Combinations without end moments leave their columns empty.
            std::cout << std::string(c.ends ? std::size_t{0} : std::size_t{kEndMomentCount}, ',')
                      << '\n';
        }
    } else if (combinations.empty()) {
        std::printf("%s has no load cases to combine.\n", source.path.c_str());
    } else {
        const int width = nameWidth(combinations);
        std::printf("%-*s %10s %10s %10s %12s\n%-*s %10s %10s %10s %12s\n", width, "Combination",
                    "Pu", "Mux", "Muy", "Pu,sust.", width, "", "(k)", "(ft-k)", "(ft-k)", "(k)");
        for (const LoadCombination& c : combinations) {
            std::printf("%-*s %10s %10s %10s %12s\n", width, printable(c.name).c_str(),
                        fixed(c.Pu).c_str(), fixed(c.Mux).c_str(), fixed(c.Muy).c_str(),
                        fixed(c.PuSustained).c_str());
        }
    }
    return 0;
}

int runCheckWithCombinations(const ProjectSource& source, const std::string& casesPath,
                             bool asJson) {
    const LoadedProject project = loadProject(source);
    const ProjectModel& model = project.model;
    const SectionResults& section = project.section;
    const std::vector<LoadCombination> combinations = projectCombinations(model, casesPath);
    if (combinations.empty()) {
        return runCheck(source, asJson); // the project's loads alone, as always
    }
    const CheckedCombinations checked{
        combinations, checkLoads(engineInputsOf(model), combinationLoads(combinations), 0)};
    // The project's loads, then the combinations: the verdict is over all of them.
    const bool failing = projectVerdict(model, section, checked).verdict.failing > 0;
    const auto magnified = projectMagnifications(model);
    if (asJson) {
        json rows = json::array();
        for (int i = 1; i <= model.loads.count(); ++i) {
            json row = loadRowJson(storedLoadCheck(section, model, static_cast<std::size_t>(i)));
            if (const auto& magnification = magnified[static_cast<std::size_t>(i - 1)]) {
                addSlendernessKeys(row, *magnification);
            }
            rows.push_back(row);
        }
        for (std::size_t k = 0; k < combinations.size(); ++k) {
            const CheckedLoad& check = checked.checks[k];
            json row = {{"name", combinations[k].name}};
            addLoadRowKeys(row, check);
            if (check.magnification) {
                addSlendernessKeys(row, *check.magnification);
            }
            rows.push_back(row);
        }
        std::cout << rows.dump(2, ' ', false, json::error_handler_t::replace) << "\n";
        return failing ? 1 : 0;
    }
    printChecksWithCombinations(model, section, checked);
    return failing ? 1 : 0;
}

void printChecksWithCombinations(const ProjectModel& model, const SectionResults& section,
                                 const CheckedCombinations& checked) {
    const std::vector<LoadCombination>& combinations = checked.combinations;
    const auto magnified = projectMagnifications(model);
    if (model.loads.count() > 0) {
        printLoadTableHeading(false);
        for (int i = 1; i <= model.loads.count(); ++i) {
            std::printf("%4d", i);
            printLoadRowColumns(storedLoadCheck(section, model, static_cast<std::size_t>(i)));
            if (const auto& magnification = magnified[static_cast<std::size_t>(i - 1)]) {
                printMagnification(*magnification);
            }
        }
    }
    {
        std::printf("%sCombinations of the load cases\n", model.loads.count() > 0 ? "\n" : "");
        const int width = nameWidth(combinations);
        printLoadTableHeading("Combination", -width);
        for (std::size_t k = 0; k < combinations.size(); ++k) {
            const CheckedLoad& check = checked.checks[k];
            std::printf("%-*s", width, printable(combinations[k].name).c_str());
            printLoadRowColumns(check);
            if (check.magnification) {
                printMagnification(*check.magnification);
            }
        }
    }
    std::printf("%s\n", projectVerdict(model, section, checked).sentence().c_str());
}

} // namespace pmsect::cli
