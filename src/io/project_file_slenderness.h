// The member's slenderness data and the loads' end moments in the project file (.rcs): blocks
// after its last line (after the load cases when there are any), each present only when the
// project has what it holds, so that a file without them is the same as before they existed:
//
//   SLENDERNESS,EI,betaDns
//   x,lu,k,sway,kSway,sumPu,sumPc,Q,deltaS,betaDs
//   y,lu,k,sway,kSway,sumPu,sumPc,Q,deltaS,betaDs
//   LOAD END MOMENTS,N
//   row,MuxTop,MuxBot,MuyTop,MuyBot,MuxTopSway,MuxBotSway,MuyTopSway,MuyBotSway,PuSustained
//   ... (N lines, one for each load combination that gives any)
//
// EI is a or b (ACI 318-19 6.6.4.4.4 (a), (b)) or a given EI in kip-in^2; lu in inches, sumPu and
// sumPc in kips; sway is #TRUE# or #FALSE#; a value not given is an empty field (sumPu, sumPc, Q,
// deltaS, each end moment, PuSustained). row is the load combination's 1-based number; the
// moments are in kip-ft in the moment-diagram sign, PuSustained in kips, compression negative.
#pragma once

#include "io/record_reader.h"
#include "model/project_model.h"

#include <string>
#include <string_view>

namespace pmsect {

// The blocks' lines, each ending in lineEnd; empty when the project has neither. A value that is
// not finite is refused with a std::invalid_argument.
std::string slendernessBlocksText(const ProjectModel& m, std::string_view lineEnd);

// Whether `firstLine`, just given by the reader, begins one of the blocks.
bool startsSlendernessBlock(const std::string& firstLine);

// Reads the block `firstLine` begins into the model (its slenderness data, or the loads' end
// moments of the load table's rows); throws FileFormatError naming the line and field at fault.
void readSlendernessBlock(RecordReader& in, const std::string& firstLine, ProjectModel& m);

} // namespace pmsect
