// The main window's title: the program's name with the design code edition in its parentheses,
// and once New, Open or Save has named the project, " - " and the name.
#pragma once

#include "model/design_code.h"

#include <optional>
#include <string>

namespace pmsect {

// fileName is "Untitled" after New and nothing before any file command. An ACI 318-05 project's
// titles read as they did before editions existed.
std::string mainWindowTitle(DesignCode code, const std::optional<std::string>& fileName);

} // namespace pmsect
