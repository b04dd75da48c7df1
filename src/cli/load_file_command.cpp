// check --loads: reads the load file, checks its loads on every thread asked for and streams the
// results in the file's order, so that a long file never needs its whole output in memory.
#include "cli/load_file_command.h"

#include "cli/combinations_command.h"
#include "cli/commands.h"
#include "cli/governing_output.h"
#include "cli/json_output.h"
#include "cli/load_row_json.h"
#include "cli/load_row_text.h"
#include "cli/slenderness_output.h"
#include "engine/combination_loads.h"
#include "engine/governing_load.h"
#include "engine/load_batch.h"
#include "format/text.h"
#include "io/load_file.h"
#include "project/engine_inputs_of.h"

#include <cstdio>
#include <iostream>
#include <optional>

namespace pmsect::cli {
namespace {

using json = nlohmann::ordered_json;

// The loads checked: the file's, then the combinations of the project's load cases.
struct CheckedLoads {
    const LoadFileContents& file;
    std::vector<std::string> combinations; // names
    std::size_t fileCount;
};

// The file's own id, or the 1-based data row when the file has none; a combination's name.
json loadId(const CheckedLoads& file, std::size_t i) {
    if (i >= file.fileCount) {
        return file.combinations[i - file.fileCount];
    }
    if (file.file.ids.empty()) {
        return i + 1;
    }
    return file.file.ids[i];
}

std::string dumped(const json& value) {
    return value.dump(-1, ' ', false, json::error_handler_t::replace);
}

// A load of the file by its id, shown as text where it is a number.
LoadNaming loadNaming(const CheckedLoads& file) {
    return [&file](std::size_t i) {
        const json id = loadId(file, i);
        return LoadName{id, id.is_string() ? id.get<std::string>() : dumped(id)};
    };
}

void printJson(const ProjectModel& model, const CheckedLoads& file,
               const std::vector<CheckedLoad>& results, const LoadVerdict& summary) {
    std::cout << "{\n  \"code\": " << dumped(designCodeJson(model)) << ",\n  \"loads\": [";
    for (std::size_t i = 0; i < results.size(); ++i) {
        json row = {{"id", loadId(file, i)}};
        addLoadRowKeys(row, results[i]);
        if (results[i].magnification) {
            addSlendernessKeys(row, *results[i].magnification);
        }
        std::cout << (i == 0 ? "\n    " : ",\n    ") << dumped(row);
    }
    const json totals = {
        {"count", results.size()},
        {"failing", summary.failing},
        {"maxRatio",
         summary.governing ? jsonNumber(results[*summary.governing].result.ratio) : json()},
        {"maxRatioId", summary.governing ? loadId(file, *summary.governing) : json()},
        {"governing", governingJson(summary, loadNaming(file))}};
    std::cout << (results.empty() ? "]" : "\n  ]") << ",\n  \"summary\": " << dumped(totals)
              << "\n}\n";
}

// With slenderness data the moments the ratio is computed on follow, as the JSON output names
// them; without, the columns are those of every load file.
void printCsv(const CheckedLoads& file, const std::vector<CheckedLoad>& results, bool slender) {
    constexpr const char* kMagnifiedKeys[] = {"Mcx_kipft", "Mcy_kipft"};
    std::cout << "id";
    for (const char* key : kLoadRowKeys) {
        std::cout << ',' << key;
    }
    if (slender) {
        for (const char* key : kMagnifiedKeys) {
            std::cout << ',' << key;
        }
    }
    std::cout << '\n';
    const auto field = [](const json& value) {
        return ',' + (value.is_null() ? std::string() : dumped(value));
    };
    for (std::size_t i = 0; i < results.size(); ++i) {
        const json id = loadId(file, i);
        std::cout << (id.is_string() ? csvField(id.get<std::string>()) : dumped(id));
        json row = loadRowJson(results[i]);
        for (const char* key : kLoadRowKeys) {
            std::cout << field(row[key]);
        }
        if (slender) {
            if (results[i].magnification) {
                addSlendernessKeys(row, *results[i].magnification);
            }
            for (const char* key : kMagnifiedKeys) {
                std::cout << field(row.contains(key) ? row[key] : json());
            }
        }
        std::cout << '\n';
    }
}

void printTable(const CheckedLoads& file, const std::vector<CheckedLoad>& results,
                const LoadVerdict& summary) {
    printLoadTableHeading(true);
    for (std::size_t i = 0; i < results.size(); ++i) {
        const json id = loadId(file, i);
        std::printf("%-10s", id.is_string() ? id.get<std::string>().c_str() : dumped(id).c_str());
        printLoadRowColumns(results[i]);
        if (results[i].magnification) {
            printMagnification(*results[i].magnification);
        }
    }
    std::printf("%s\n", verdictLine(summary, file.combinations.size(), loadNaming(file)).c_str());
}

} // namespace

int runCheckLoadFile(const ProjectSource& source, const std::string& loadsPath,
                     const std::string& casesPath, OutputFormat format, unsigned threads) {
    // The summary of the project (its limits, under the edition in force) is computed once here;
    // every load starts from it.
    ProjectModel model = loadProject(source).model;
    const LoadFileResult read = readLoadFile(loadsPath);
    if (!read) {
        std::cerr << "pmsect-cli: " << printable(loadsPath + ": " + read.error->text()) << "\n";
        return 2;
    }
    const std::vector<LoadCombination> combinations = projectCombinations(model, casesPath);
    CheckedLoads file{read.contents, {}, read.contents.loads.size()};
    std::vector<LoadInput> loads = read.contents.loads;
    for (const LoadCombination& c : combinations) {
        file.combinations.push_back(c.name);
    }
    const std::vector<LoadInput> combined = combinationLoads(combinations);
    loads.insert(loads.end(), combined.begin(), combined.end());
    const std::vector<CheckedLoad> results = checkLoads(engineInputsOf(model), loads, threads);
    const LoadVerdict summary = loadVerdict(results);
    if (format == OutputFormat::Json) {
        printJson(model, file, results, summary);
    } else if (format == OutputFormat::Csv) {
        printCsv(file, results, model.slenderness.has_value());
    } else {
        printTable(file, results, summary);
    }
    return summary.failing > 0 ? 1 : 0;
}

} // namespace pmsect::cli
