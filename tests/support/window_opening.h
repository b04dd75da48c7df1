// The presenter side of a window opening, as the desktop program's windows do it before they
// draw: for driving the load table, the results window and the editors without a display.
#pragma once

#include "ui/application.h"
#include "ui/window_id.h"

namespace pmsect::test {

// False for a window that is not one of these five.
inline bool openWindow(Application& app, WindowId window) {
    switch (window) {
    case WindowId::Loads:
        app.loads().show();
        return true;
    case WindowId::Results:
        app.results().show();
        return true;
    case WindowId::PointEditor:
        app.pointEditor().show();
        return true;
    case WindowId::BarEditor:
        app.barEditor().show();
        return true;
    case WindowId::BarSetEditor:
        app.barSetEditor().show();
        return true;
    default:
        return false;
    }
}

} // namespace pmsect::test
