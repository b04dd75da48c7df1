// The calculation an engineer signs, as a document: the inputs with a dimensioned section, the
// method with the clauses of the edition in force, the strength with its tables and figures, and
// the check of every load with the verdict. The same document is printed, saved as PDF by the
// desktop and written by the command line.
#pragma once

#include "engine/load_batch.h"
#include "engine/section_results.h"
#include "model/project_model.h"
#include "results/document.h"

#include <string>
#include <vector>

namespace pmsect {

// The program's version, as the page header names it.
std::string programVersion();

// Today's local date, year first ("2026-12-09"), so that it reads the same in every country.
std::string localDate();

struct CalculationHeader {
    std::string title;
    std::string engineer;
    std::string date;
    std::string fileName; // empty for a project never saved
};

// One checked load with the name the report gives it: its row in the project's load table, the
// id of the load file it came from, or the name of a combination of the load cases.
struct ReportLoad {
    std::string id;
    CheckedLoad check;
    bool combination = false;
    // "load 3", "combination 1.2D + 1.6L"
    std::string title() const { return (combination ? "combination " : "load ") + id; }
};

// The project's own load table, rows 1..count, as section keeps their checks, then the
// combinations of its load cases checked against its section.
std::vector<ReportLoad> checkedProjectLoads(const ProjectModel& model,
                                            const SectionResults& section);

// "All N loads pass; largest ratio R (load K)", "F of N loads and combinations fail; largest
// ratio R (combination C)": the project's one verdict sentence.
std::string verdictLine(const std::vector<ReportLoad>& loads);

// model: a project whose section summary is current, section its results. The figures are
// computed here, on copies, at the governing load's direction and Pu (the largest ratio), and at
// both principal axes.
Document calculationReport(const ProjectModel& model, const SectionResults& section,
                           const std::vector<ReportLoad>& loads, const CalculationHeader& header);

} // namespace pmsect
