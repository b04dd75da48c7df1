// The static help pages of the information window.
#pragma once

#include "model/design_code.h"

#include <string>
#include <string_view>
#include <vector>

namespace pmsect {

struct InformationPage {
    std::string_view title;
    std::string text;
};

// The eight pages in the order of the window's buttons, written for the design code edition in
// force.
std::vector<InformationPage> informationPages(DesignCode code);

} // namespace pmsect
