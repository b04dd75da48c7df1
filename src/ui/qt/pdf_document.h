// The calculation's pages as a PDF file, drawn by Qt's PDF writer. The command line uses it too,
// on the offscreen platform, so this header names nothing of Qt.
#pragma once

#include "io/settings_file.h"
#include "results/document.h"

#include <optional>
#include <string>

namespace pmsect {

// The document on US Letter or A4 with margins of 3/4 in, in the report's fixed-pitch font; the
// bytes of the file, or nothing when the writer could not draw. Starts a Qt application on the
// offscreen platform when the program has none (the command line).
std::optional<std::string> pdfDocument(const Document& document, PaperSize paper);

} // namespace pmsect
