// Fuzz target: any bytes as a project file. Loading either fails and leaves the model as it was,
// or succeeds with counts inside their tables and every real finite; a loaded project then saves
// and loads again to the same stored values.
#include "building/new_project.h"
#include "fuzz_files.h"
#include "io/project_file.h"
#include "model/model_fields.h"

#include <cstdio>
#include <cstdlib>

namespace {

using namespace pmsect;

[[noreturn]] void fail(const char* what, const std::string& detail) {
    fuzz::failWith("project_file_fuzzer", what, detail);
}

using fuzz::newProject;

// Tables compared value by value: -0 is written as 0 and reads back as 0, which is the same value.
bool sameTables(const ProjectModel& a, const ProjectModel& b) {
    for (std::size_t i = 0; i < a.points.size(); ++i) {
        if (a.points[i].x != b.points[i].x || a.points[i].y != b.points[i].y) {
            return false;
        }
    }
    for (std::size_t i = 0; i < a.bars.size(); ++i) {
        if (a.bars[i].x != b.bars[i].x || a.bars[i].y != b.bars[i].y ||
            a.bars[i].size != b.bars[i].size) {
            return false;
        }
    }
    for (std::size_t i = 0; i < a.barSets.size(); ++i) {
        if (a.barSets[i].count != b.barSets[i].count || a.barSets[i].size != b.barSets[i].size) {
            return false;
        }
    }
    return true;
}

// The values the file stores, compared field by field.
void compareStored(const ProjectModel& a, const ProjectModel& b) {
    const bool same =
        a.sectionType == b.sectionType && a.barLayout == b.barLayout &&
        a.numPoints == b.numPoints && a.numBars == b.numBars && a.numBarSets == b.numBarSets &&
        a.loads.count() == b.loads.count() && a.unitWt == b.unitWt && a.fpc == b.fpc &&
        a.fy == b.fy && a.Ec == b.Ec && a.Es == b.Es && a.rectB == b.rectB && a.rectH == b.rectH &&
        a.circDiam == b.circDiam && a.clearCover == b.clearCover &&
        a.clearSpacing == b.clearSpacing && a.extentX == b.extentX && a.extentY == b.extentY &&
        a.phiCompression == b.phiCompression && a.totBars == b.totBars &&
        a.firstBarAngle == b.firstBarAngle && a.barSetsAlongY == b.barSetsAlongY &&
        a.longBarSize == b.longBarSize && a.tieBarSize == b.tieBarSize && sameTables(a, b);
    if (!same) {
        fail("saved and loaded again", "a stored value changed");
    }
    for (int i = 1; i <= a.loads.count(); ++i) {
        for (int c = kPu; c <= kMuy; ++c) {
            if (a.loads[static_cast<std::size_t>(i)][c] !=
                b.loads[static_cast<std::size_t>(i)][c]) {
                fail("saved and loaded again", "load " + std::to_string(i) + " changed");
            }
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    static fuzz::MemoryFile input;
    input.fill(data, size);

    ProjectModel model = newProject();
    const FileResult loaded = loadProjectFile(input.path(), model);
    if (!loaded) {
        if (loaded.error.empty()) {
            fail("failed load", "no reason given");
        }
        // The model must be exactly the new project still.
        ProjectModel expected = newProject();
        compareStored(model, expected);
        return 0;
    }
    if (const auto bad = robust::firstCountOutOfRange(model); !bad.empty()) {
        fail("count outside its table", bad);
    }
    if (const auto bad = robust::firstNonFinite(model); !bad.empty()) {
        fail("not finite after loading", bad);
    }

    const std::string saved = fuzz::scratchFolder() + "/saved.rcs";
    const FileResult written = writeProjectFile(saved, model);
    if (!written) {
        fail("a loaded project could not be saved", written.error);
    }
    ProjectModel again = newProject();
    const FileResult reloaded = loadProjectFile(saved, again);
    if (!reloaded) {
        fail("a saved project could not be loaded", reloaded.error);
    }
    compareStored(model, again);
    return 0;
}
