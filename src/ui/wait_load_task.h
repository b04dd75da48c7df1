// The wait window's file-loading task: the busy pointer, the progress line naming the file, and
// the load itself, while nothing else can run.
#pragma once

#include "io/file_result.h"
#include "model/project_model.h"
#include "ui/busy_pointer.h"

#include <array>
#include <string>

namespace pmsect {

struct WaitView {
    std::string caption = "Wait";
    std::string heading = "Please Wait ...";
    std::array<std::string, 4> lines{};
    bool shown = false;
};

// Shows the wait window, loads path into model and hides it again. A failed load leaves the
// model exactly as it was.
FileResult runLoadFileTask(ProjectModel& model, const std::string& path, BusyPointer& pointer,
                           WaitView& wait);

} // namespace pmsect
