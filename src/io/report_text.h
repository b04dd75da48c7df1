// The plain-text report: the input data, the section summary with the pure-bending strengths and
// the check of every load combination, in the current display units.
#pragma once

#include "engine/governing_load.h"
#include "engine/section_results.h"
#include "model/project_model.h"
#include "project/design_code_choice.h"

#include <string>
#include <string_view>

namespace pmsect {

// The fixed-pitch font the report is shown and printed in.
inline constexpr const char* kReportFontName = "Lucida Console";

// The report's line break: carriage return, line feed and the six-blank margin of the next line.
inline constexpr std::string_view kReportLineBreak = "\r\n      ";

// text followed by as many blanks as bring it to width; a text as long as width or longer is
// returned unchanged, so a wide value pushes the next column along instead of being cut.
std::string AddSpace(std::string_view text, int width);

// The classification of the strain in the extreme tension steel under the edition's limits,
// compared in single precision: the tension-controlled limit itself (0.005 under 318-05) is
// tension controlled and the compression-controlled limit itself compression controlled.
std::string StrainOK(float strain, const StrainLimits& limits);

// Recomputes the section summary and returns the whole report.
std::string buildReport(ProjectModel& model);

// The report made from the load checks already in the model and the summary's results, without
// recomputing them.
std::string composeReport(const ProjectModel& model, const SectionResults& section);

} // namespace pmsect
