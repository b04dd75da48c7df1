// What a window shows of a scroll bar and of a check box; shared by the results window and its
// large view.
#pragma once

#include <cstdint>
#include <string>

namespace pmsect {

// A scroll bar's range and value. 32 bits, so that the biaxial range holds Po and To in pounds
// or newtons.
struct ScrollBarView {
    int32_t min = 0;
    int32_t max = 0;
    int32_t value = 0;
};

struct CheckBoxView {
    std::string caption;
    bool checked = true;
    bool enabled = true;
};

} // namespace pmsect
