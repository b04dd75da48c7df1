// One checked load as the table output prints it, shared by the project's own loads and the
// loads of a load file, so that both line up the same way.
#pragma once

#include "engine/load_check.h"

#include <string>

namespace pmsect::cli {

// A field of the CSV outputs: in quotes when it holds the separator, a quote or a line break.
std::string csvField(const std::string& text);

// A number as the tables print it.
std::string fixed(double value, const char* pattern = "##,##0.00");

// The table's two heading lines: the first column is 4 characters right-aligned (load numbers)
// or, for named loads, 10 left-aligned.
void printLoadTableHeading(bool namedLoads);
// The same with a first column of the width given, left-aligned when the width is negative
// (printf's rule).
void printLoadTableHeading(const char* firstColumn, int width);

// Pu, Mux, Muy, e and the angle after the row's first column, then the capacities, the ratio and
// the verdict, or dashes when the capacity was not found; ends the line.
void printLoadRowColumns(const CheckedLoad& check);

} // namespace pmsect::cli
