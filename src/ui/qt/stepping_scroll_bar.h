// A scroll bar whose arrows and trough step once for a click and repeat only while the mouse
// button is held down.
#pragma once

#include <QScrollBar>

class QTimerEvent;

namespace pmsect {

// Qt's own scroll bar repeats a step until the button's release reaches it. A step that starts
// a task puts up the task's modal wait window, which blocks the release: the bar then steps on
// to its end, starting a task at every step. This bar takes no step while a modal window blocks
// it, and ends the repeat as a release would once the button is no longer held.
class SteppingScrollBar : public QScrollBar {
public:
    using QScrollBar::QScrollBar;

protected:
    void timerEvent(QTimerEvent* event) override;
};

} // namespace pmsect
