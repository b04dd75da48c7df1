// The project file (.rcs): comma-separated text records in internal units, written and read in
// one fixed order, with a check that a file can be opened.
#pragma once

#include "io/file_result.h"
#include "model/project_model.h"
#include "project/project_summary.h"

#include <cstdint>
#include <optional>
#include <string>

namespace pmsect {

// True when path names a regular file that can be opened for reading (a directory, a pipe or a
// device is not a file).
bool fileExists(const std::string& path);

// Why a path that fileExists refused cannot be read, in the user's words: "there is no such
// file", "it is a folder or a device, not a file", or the system's reason.
std::string whyNotReadable(const std::string& path);

// Writes the project to path with writeFileReplacing: a failed save leaves the old file as it was.
// A model that cannot be written faithfully (a count outside its table, a value that is not
// finite, a bar size missing from the main window's lists) is refused before anything is written.
FileResult writeProjectFile(const std::string& path, const ProjectModel& model);

// The text writeProjectFile would write for the model, or nothing for a model it refuses.
std::optional<std::string> projectFileText(const ProjectModel& model);

// Reads the project at path into model. A file larger than kMaxProjectFileBytes is refused unread,
// and so is one whose values in use cannot be computed with (f'c or fy not above 0, a section
// dimension of its own section type not above 0). A failure reads "PATH: REASON", the reason
// naming the line and field at fault where there is one.
// The file is read into a copy, and the model changes only when the whole file was read: after a
// failure it is exactly as before. On success the derived fields are recomputed, both stale flags
// are set, projectFileName becomes path and the section summary has run.
// Display units are kept.
// Deferred checks leave the rows of the load table pending (project/project_summary.h). The
// summary's results go to section when given.
FileResult loadProjectFile(const std::string& path, ProjectModel& model,
                           LoadChecks checks = LoadChecks::Now, SectionResults* section = nullptr);

// Far above the largest section (some 300 lines of a few dozen characters, blank lines aside)
// with a load table of several hundred thousand rows (some 25 bytes each in a project file, 80 in
// a JSON project), and still small enough to be read whole.
inline constexpr std::uintmax_t kMaxProjectFileBytes = 32u << 20;

} // namespace pmsect
