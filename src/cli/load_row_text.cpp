// The load table's columns.
#include "cli/load_row_text.h"

#include "format/number_format.h"

#include <cstdio>

namespace pmsect::cli {

std::string csvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        return text;
    }
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    }
    return quoted + "\"";
}

std::string fixed(double value, const char* pattern) {
    return formatNumber(value, pattern);
}

void printLoadTableHeading(bool namedLoads) {
    printLoadTableHeading("Load", namedLoads ? -10 : 4);
}

void printLoadTableHeading(const char* firstColumn, int width) {
    std::printf("%*s", width, firstColumn);
    std::printf(" %10s %10s %10s %10s %8s %10s %10s %10s %8s\n", "Pu", "Mux", "Muy", "e", "angle",
                "phiPn", "phiMnx", "phiMny", "ratio");
    std::printf("%*s", width, "");
    std::printf(" %10s %10s %10s %10s %8s %10s %10s %10s %8s\n", "(k)", "(ft-k)", "(ft-k)", "(in.)",
                "(deg)", "(k)", "(ft-k)", "(ft-k)", "");
}

void printLoadRowColumns(const CheckedLoad& check) {
    const LoadInput& in = check.load;
    const LoadResult& r = check.result;
    std::printf(" %10s %10s %10s %10s %8s ", fixed(in.Pu).c_str(), fixed(in.Mux).c_str(),
                fixed(in.Muy).c_str(), fixed(r.eccentricity).c_str(), fixed(r.angle).c_str());
    if (r.capacityFound) {
        std::printf("%10s %10s %10s %8s %s\n", fixed(r.phiPn).c_str(), fixed(r.phiMnx).c_str(),
                    fixed(r.phiMny).c_str(), fixed(r.ratio, "#0.000").c_str(),
                    r.ratio <= 1.0f ? "Okay" : "NO GOOD!");
    } else {
        std::printf("%10s %10s %10s %8s %s\n", "-", "-", "-", "-", "capacity not found: NO GOOD!");
    }
}

} // namespace pmsect::cli
