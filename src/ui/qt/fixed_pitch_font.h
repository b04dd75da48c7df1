// The font of the report and of the calculation's pages.
#pragma once

#include <QFont>
#include <string>

namespace pmsect {

// The named fixed-pitch font, or the system's fixed-pitch font when it is not installed.
QFont fixedPitchFont(const std::string& family, double pointSize);

} // namespace pmsect
