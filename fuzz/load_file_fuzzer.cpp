// Fuzz target: any bytes as a load file, with and without a required header. Reading either
// refuses the text with a line and a reason and no loads, or gives finite loads (and one id per
// load when the file has ids) that written out again read back as the same values. The first load
// accepted is also checked against the new project's section.
#include "building/new_project.h"
#include "engine/load_batch.h"
#include "format/number_format.h"
#include "fuzz_files.h"
#include "io/load_file.h"
#include "project/engine_inputs_of.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace {

using namespace pmsect;

[[noreturn]] void fail(const char* what, const std::string& detail) {
    fuzz::failWith("load_file_fuzzer", what, detail);
}

using fuzz::newProject;

void checkAccepted(const LoadFileResult& read) {
    const LoadFileContents& c = read.contents;
    if (!c.ids.empty() && c.ids.size() != c.loads.size()) {
        fail("ids", "not one per load");
    }
    std::string text = "Pu,Mux,Muy\n";
    for (const LoadInput& load : c.loads) {
        if (!std::isfinite(load.Pu) || !std::isfinite(load.Mux) || !std::isfinite(load.Muy)) {
            fail("accepted", "a load that is not finite");
        }
        text += fileNumberText(load.Pu) + "," + fileNumberText(load.Mux) + "," +
                fileNumberText(load.Muy) + "\n";
    }
    std::istringstream again(text);
    const LoadFileResult reread = readLoadText(again);
    if (!reread || reread.contents.loads.size() != c.loads.size()) {
        fail("written and read again", reread ? "another count" : reread.error->text());
    }
    for (std::size_t i = 0; i < c.loads.size(); ++i) {
        const LoadInput& a = c.loads[i];
        const LoadInput& b = reread.contents.loads[i];
        if (a.Pu != b.Pu || a.Mux != b.Mux || a.Muy != b.Muy) {
            fail("written and read again", "load " + std::to_string(i + 1) + " changed");
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    for (const bool headerOptional : {false, true}) {
        std::istringstream in(bytes);
        LoadFileOptions options;
        options.headerOptional = headerOptional;
        options.maxLoads = 64; // the limit itself is met within a small input
        const LoadFileResult read = readLoadText(in, options);
        if (!read) {
            if (read.error->reason.empty() || !read.contents.loads.empty()) {
                fail("refused", "without a reason, or with loads");
            }
            continue;
        }
        checkAccepted(read);
        if (!read.contents.loads.empty()) {
            const auto results = checkLoads(engineInputsOf(newProject()),
                                            std::span(read.contents.loads).first(1), 1);
            const LoadResult& r = results[0].result;
            const std::pair<const char*, float> fields[] = {{"eccentricity", r.eccentricity},
                                                            {"angle", r.angle},
                                                            {"phiPn", r.phiPn},
                                                            {"phiMnx", r.phiMnx},
                                                            {"phiMny", r.phiMny},
                                                            {"ratio", r.ratio}};
            for (const auto& [name, value] : fields) {
                if (std::isnan(value)) {
                    fail("checked", std::string(name) + " is NaN");
                }
            }
        }
    }
    return 0;
}
