// The "Wait" window: shown modally while a long task runs, with a large "Please Wait ..." and
// four progress lines.
#pragma once

#include "ui/wait_load_task.h"

#include <QDialog>
#include <array>

class QLabel;

namespace pmsect {

class WaitWindow : public QDialog {
    Q_OBJECT
public:
    explicit WaitWindow(QWidget* parent = nullptr);

    // Shows the task's state: caption, heading and lines; shown or hidden as the task is.
    // Painted at once, since the task keeps the event loop from running until it ends.
    void render(const WaitView& view);

protected:
    // The task ends the window, not the user.
    void reject() override {}

private:
    QLabel* heading_;
    std::array<QLabel*, 4> lines_{};
};

} // namespace pmsect
