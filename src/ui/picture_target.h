// How a presenter gets a picture drawn: the window runs the drawing on a canvas of the
// picture's current size.
#pragma once

#include "results/canvas.h"

#include <functional>

namespace pmsect {

using PictureTarget = std::function<void(const std::function<void(Canvas&)>& drawing)>;

} // namespace pmsect
