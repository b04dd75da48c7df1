// Load files: factored load combinations exported by an analysis program or a spreadsheet, one
// per row under a header that names the columns Pu, Mux and Muy (and optionally id, and for a
// slender member the end moments MuxTop, MuxBot, MuyTop, MuyBot, their sway parts MuxTopSway,
// MuxBotSway, MuyTopSway, MuyBotSway, and PuSustained, in any case; an empty field gives
// nothing), separated by commas, semicolons or tabs. Read row by row, so that a long file never
// sits in memory whole.
#pragma once

#include "engine/load_batch.h"

#include <cstddef>
#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <vector>

namespace pmsect {

struct LoadFileContents {
    std::vector<LoadInput> loads;
    std::vector<std::string> ids; // one per load when the file has an id column, else empty
};

// Where and why a load text was refused. line and column are 1-based; column is 0 when the
// fault is not in one field (a missing header column, a line too long); line is 0 when the file as
// a whole is refused.
struct LoadFileError {
    int line = 0;
    int column = 0;
    std::string reason;
    // "line 5, column 3: Muy \"abc\" is not a finite number"; the reason alone at line 0
    std::string text() const;
};

struct LoadFileOptions {
    // Pasted spreadsheet rows may come without a header: a first row of numbers is then taken as
    // data in the load table's order Pu, Mux, Muy.
    bool headerOptional = false;
    // More rows or more bytes than these are refused: together with the line length they bound
    // the memory a hostile file can take.
    std::size_t maxLoads = 1'000'000;
    std::uintmax_t maxBytes = 256 * 1024 * 1024;
};

// The longest line taken; a longer one is refused before it is held whole.
inline constexpr std::size_t kMaxLoadLineLength = 4096;

struct LoadFileResult {
    LoadFileContents contents;
    std::optional<LoadFileError> error; // set when refused; contents are then empty
    explicit operator bool() const { return !error; }
};

LoadFileResult readLoadText(std::istream& in, const LoadFileOptions& options = {});
// A file that cannot be opened, that is not a regular file (a folder, a pipe, a device) or that is
// larger than the options allow is refused at line 0, before anything is read.
LoadFileResult readLoadFile(const std::string& path, const LoadFileOptions& options = {});

} // namespace pmsect
