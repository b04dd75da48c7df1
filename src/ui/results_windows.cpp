// Wiring of the results and editing windows to the Application.
#include "ui/results_windows.h"

#include "ui/results_export.h"

namespace pmsect {

ResultsWindows::ResultsWindows(Application& app)
    : app_(app), wait_(app.model(), app.pointer(), data_),
      loads_(app.model(), app.platform(), app.pointer(), app),
      results_(app.model(), app.platform(), app.pointer(), app.mainWindow(), data_, wait_),
      largeView_(app.model(), app.platform(), app.pointer(), data_),
      pointEditor_(app.model(), app.platform(), app.pointer(), app,
                   [&app] { return app.mainWindow().view().autoRecompute; }),
      barEditor_(app.model(), app.platform(), app.pointer(), app),
      barSetEditor_(app.model(), app.platform(), app.pointer(), app) {
    results_.setOpenLargeView([this] { largeView_.show(); });
}

bool ResultsWindows::open(WindowId window) {
    switch (window) {
    case WindowId::Loads:
        loads_.show();
        return true;
    case WindowId::Results:
        results_.show();
        return true;
    case WindowId::PointEditor:
        pointEditor_.show();
        return true;
    case WindowId::BarEditor:
        barEditor_.show();
        return true;
    case WindowId::BarSetEditor:
        barSetEditor_.show();
        return true;
    default:
        return false;
    }
}

std::string ResultsWindows::current2DCsv() const {
    const DisplayUnits& units = app_.model().units;
    if (results_.view().biaxial) {
        return contourCsv(data_.contour, units);
    }
    return curveCsv(data_.curve, data_.curve.count, units);
}

std::string ResultsWindows::surfaceCsvText() const {
    return surfaceCsv(data_.surface, app_.model().units);
}

} // namespace pmsect
