// The file-loading task of the wait window.
#include "ui/wait_load_task.h"

#include "io/project_file.h"

namespace pmsect {

FileResult runLoadFileTask(ProjectModel& model, const std::string& path, BusyPointer& pointer,
                           WaitView& wait) {
    wait.shown = true;
    FileResult result;
    {
        BusyScope busy(pointer);
        wait.lines.fill(std::string());
        wait.caption = "Loading file " + path;
        wait.lines[0] = wait.caption;
        result = loadProjectFile(path, model);
    }
    wait.shown = false;
    return result;
}

} // namespace pmsect
