// The load cases in the project file (.rcs): a block after its last line (the load combinations,
// or the design code line when there is one), present only when the project has load cases or
// combination options, so that a file without them is the same as before they existed:
//
//   LOAD CASES,N
//   "name",kind,P,Mx,My,sway,MxTop,MxBot,MyTop,MyBot,MxTopSway,MxBotSway,MyTopSway,MyBotSway
//   ... (N lines; an end moment not given is an empty field)
//   COMBINATION OPTIONS,halfLive,SDS,sustainedLiveFraction,U,F
//   USER COMBINATION,"name",K,"case",factor,... (U lines, K pairs each)
//   FACTOR ROW,factor,... (F lines: 0, or one per row of the standard's table, its terms' factors)
//
// Names are in double quotes, a quote in them doubled; kind is D, L, Lr, S, R, W, E or other;
// sway and halfLive are #TRUE# or #FALSE#.
#pragma once

#include "io/record_reader.h"
#include "model/load_cases.h"

#include <string>
#include <string_view>

namespace pmsect {

inline constexpr std::string_view kLoadCasesLineStart = "LOAD CASES";

// The block's lines, each ending in lineEnd. A value that is not finite is refused with a
// std::invalid_argument naming the case or combination.
std::string loadCaseBlockText(const LoadCaseSet& set, std::string_view lineEnd);

// Reads the block whose first line, `firstLine`, the reader has just given; throws
// FileFormatError naming the line and field at fault.
void readLoadCaseBlock(RecordReader& in, const std::string& firstLine, LoadCaseSet& set);

} // namespace pmsect
