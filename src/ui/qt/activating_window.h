// A non-modal window of the results and editing set: it tells its presenter when the user
// brings it to the front and when its frame is closed. Coming back from a message box or from
// the wait window is not a new activation, and nothing is forwarded while a wait task runs.
#pragma once

#include <QWidget>

namespace pmsect {

class ActivatingWindow : public QWidget {
    Q_OBJECT
public:
    // taskRunning is true while the wait window computes.
    ActivatingWindow(const bool& taskRunning, QWidget* parent = nullptr);

protected:
    virtual void onActivated() = 0;
    // The window's frame was closed.
    virtual void onClosed() = 0;

    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

    bool taskRunning() const { return taskRunning_; }

private:
    const bool& taskRunning_;
    // The window lost the front to a modal dialog: a message, a file dialog or the wait window.
    bool lostToModal_ = false;
};

} // namespace pmsect
