// The windows a presenter can ask the toolkit to show, and whether a menu asked for it.
#pragma once

namespace pmsect {

enum class WindowId {
    None,
    Main,
    Information,
    Loads,
    SinglePoint,
    Results,
    PointEditor,
    BarEditor,
    BarSetEditor,
    Units,
    DefaultDirectory,
    Report,
    Design,
    LoadCases,
    Slenderness,
};

// What an event asks the toolkit to show. fromMenu tells the directory and information windows
// that the main window's menu opened them rather than the start-up flow.
struct WindowRequest {
    WindowId window = WindowId::None;
    bool fromMenu = false;
};

} // namespace pmsect
