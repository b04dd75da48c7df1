// Fuzz target: any bytes as a JSON project. Reading either refuses the text with a reason and
// leaves the model as it was, or gives counts inside their tables and every real finite; a read
// project written as JSON again reads back to the same stored values.
#include "building/new_project.h"
#include "fuzz_files.h"
#include "io/project_json.h"
#include "model/model_fields.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

using namespace pmsect;

[[noreturn]] void fail(const char* what, const std::string& detail) {
    fuzz::failWith("project_json_fuzzer", what, detail);
}

using fuzz::newProject;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    ProjectModel model = newProject();
    const FileResult read = readJsonProject(text, "input.json", model);
    if (!read) {
        if (read.error.empty()) {
            fail("refused", "no reason given");
        }
        std::string before;
        std::string after;
        if (!composeJsonProject(newProject(), before) || !composeJsonProject(model, after) ||
            before != after) {
            fail("refused", "the model changed");
        }
        return 0;
    }
    if (const auto bad = robust::firstCountOutOfRange(model); !bad.empty()) {
        fail("count outside its table", bad);
    }
    if (const auto bad = robust::firstNonFinite(model); !bad.empty()) {
        fail("not finite after reading", bad);
    }
    std::string written;
    if (const FileResult composed = composeJsonProject(model, written); !composed) {
        fail("a read project could not be written", composed.error);
    }
    ProjectModel again = newProject();
    if (const FileResult reread = readJsonProject(written, "written.json", again); !reread) {
        fail("a written project could not be read", reread.error);
    }
    std::string rewritten;
    if (!composeJsonProject(again, rewritten) || rewritten != written) {
        fail("written and read again", "a stored value changed");
    }
    return 0;
}
