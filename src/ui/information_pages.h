// The static help pages of the information window.
#pragma once

#include <span>
#include <string_view>

namespace pmsect {

struct InformationPage {
    std::string_view title;
    std::string_view text;
};

// The eight pages in the order of the window's buttons.
std::span<const InformationPage> informationPages();

} // namespace pmsect
