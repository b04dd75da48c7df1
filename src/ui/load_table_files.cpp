// The load table's ways in and out: Import and Export of load files, and rows pasted from a
// spreadsheet.
#include "format/number_format.h"
#include "format/text.h"
#include "io/file_replacing.h"
#include "io/load_file.h"
#include "io/project_file.h"
#include "project/engine_inputs_of.h"
#include "project/project_summary.h"
#include "ui/finite_change.h"
#include "ui/load_table_presenter.h"

#include <filesystem>
#include <initializer_list>
#include <sstream>

namespace pmsect {

namespace {

// "1 load", "3 loads".
std::string loadCount(std::size_t n) {
    return std::to_string(n) + (n == 1 ? " load" : " loads");
}

// The answers to the question before an import, in the order of its buttons.
enum ImportChoice : std::size_t { kReplace, kAppend };

std::string fileName(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

// The header names the columns as a load file does, so that an exported file imports again.
constexpr const char* kExportHeader = "id,Pu,Mux,Muy,e,angle,phiPn,phiMnx,phiMny,ratio";

// For a project with slenderness data the load's end moments follow, named as a load file names
// them, and the magnified moments its ratio is computed on (a load file's reader passes them by).
std::string slenderHeader() {
    std::string header;
    for (const std::string_view name : kLoadEndMomentNames) {
        header += "," + std::string(name);
    }
    return header + ",PuSustained,Mcx,Mcy";
}

std::string slenderFields(const LoadRow& row, const std::optional<LoadMagnification>& magnified) {
    std::string text;
    const auto field = [&text](const auto& value) {
        text += ',';
        if (value) {
            text += fileNumberText(static_cast<float>(*value));
        }
    };
    for (const auto& moment : row.ends.moments) {
        field(moment);
    }
    field(row.ends.PuSustained);
    field(magnified ? magnified->x.Mc : std::nullopt);
    field(magnified ? magnified->y.Mc : std::nullopt);
    return text;
}

std::string exportText(const ProjectModel& m, const SectionResults& section) {
    const bool slender = m.slenderness.has_value();
    const std::optional<EngineInputs> inputs =
        slender ? std::optional(engineInputsOf(m)) : std::nullopt;
    std::string text = std::string(kExportHeader) + (slender ? slenderHeader() : "") + "\n";
    for (int k = 1; k <= m.loads.count(); ++k) {
        const LoadRow& row = m.loads[static_cast<std::size_t>(k)];
        const LoadResult r = storedLoadCheck(section, m, static_cast<std::size_t>(k)).result;
        text += std::to_string(k);
        for (const float value : {row[kPu], row[kMux], row[kMuy], r.eccentricity, r.angle}) {
            text += ',' + fileNumberText(value);
        }
        // The capacities and the ratio only where a capacity was found.
        for (const float value : {r.phiPn, r.phiMnx, r.phiMny, r.ratio}) {
            text += ',';
            if (r.capacityFound) {
                text += fileNumberText(value);
            }
        }
        if (inputs) {
            text += slenderFields(row, magnificationOf(*inputs, loadInputOf(row)));
        }
        text += "\n";
    }
    return text;
}

} // namespace

void LoadTablePresenter::importLoads() {
    const auto chosen = platform_.openFileDialog({kLoadFileFilters, 1, ""});
    if (!chosen || chosen->empty()) {
        return;
    }
    const LoadFileResult read = readLoadFile(*chosen);
    if (!read) {
        platform_.showMessage(fileName(*chosen) + ": " + read.error->text());
        return;
    }
    const auto& loads = read.contents.loads;
    // Loads already in the table are replaced only when the user says so.
    std::size_t kept = 0;
    if (!view_.rows.empty()) {
        const std::size_t answer =
            platform_.askChoice("Replace the " + loadCount(view_.rows.size()) + " in the table?",
                                {"Replace", "Append", "Cancel"});
        if (answer == kAppend) {
            // The rows as the table shows them, edits included, are the loads appended to.
            if (edited_ && !update()) {
                return;
            }
            kept = static_cast<std::size_t>(model_.loads.count());
        } else if (answer != kReplace) {
            return;
        }
    }
    const ProjectBefore before{model_, chain_.sectionResults()};
    model_.loads.resize(kept);
    model_.loads.reserve(kept + loads.size());
    for (const LoadInput& input : loads) {
        LoadRow row;
        row[kPu] = input.Pu;
        row[kMux] = input.Mux;
        row[kMuy] = input.Muy;
        row.ends = input.ends;
        model_.loads.append(row);
    }
    chain_.setSummaryEnabled(true);
    chain_.recompute();
    keepFiniteChange(model_, before, chain_, platform_);
    rowsFromModel();
    if (kept < view_.rows.size()) {
        showRow(kept); // the first row imported
    }
    edited_ = false;
}

void LoadTablePresenter::exportLoads() {
    const auto chosen = platform_.saveFileDialog({kLoadFileFilters, 1, "loads.csv"});
    if (!chosen || trimBlanks(*chosen).empty()) {
        return;
    }
    // A name without an extension is a load file all the same.
    const std::string path = withDefaultExtension(trimBlanks(*chosen), ".csv");
    if (fileExists(path) &&
        !platform_.askYesNo("FILE EXISTS!", "Do you wish to overwrite " + path + "?")) {
        return;
    }
    if (edited_ && !update()) {
        return;
    }
    const FileResult written =
        writeFileReplacing(path, exportText(model_, chain_.sectionResults()));
    if (!written) {
        platform_.showMessage(written.error);
    }
}

bool LoadTablePresenter::paste(std::string_view text) {
    std::istringstream in{std::string(text)};
    LoadFileOptions options;
    options.headerOptional = true;
    const LoadFileResult read = readLoadText(in, options);
    if (!read) {
        platform_.showMessage("The pasted rows: " + read.error->text());
        return false;
    }
    const auto& loads = read.contents.loads;
    for (const LoadInput& load : loads) {
        LoadGridRow row;
        row.field[kPu] = load.Pu;
        row.field[kMux] = load.Mux;
        row.field[kMuy] = load.Muy;
        // The end moments as typed, in the units shown; an empty one gives none.
        for (std::size_t m = 0; m < kEndMomentCount; ++m) {
            row.ends[m] = load.ends.moments[m];
        }
        row.ends[kEndMomentCount] = load.ends.PuSustained;
        row.endsEdited.fill(true);
        view_.rows.push_back(row);
    }
    renumber();
    arrangeRows();
    edited_ = true;
    return true;
}

} // namespace pmsect
