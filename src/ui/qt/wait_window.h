// The "Wait" window of every long task (loading a file, the surface, the Pn-Mn curve and the
// biaxial contour): modal while its task runs, with the task's caption, "Please Wait ..." and
// four progress lines, the last three red while a computation runs.
#pragma once

#include "ui/wait_presenter.h"

#include <QDialog>
#include <array>

class QLabel;

namespace pmsect {

class WaitWindow : public QDialog {
    Q_OBJECT
public:
    explicit WaitWindow(QWidget* parent = nullptr);

    // Shows the task's state and paints it at once: the task holds the event loop until it
    // ends, so each new progress line is painted before the computation goes on.
    void render(const WaitView& view);

    const QLabel& line(int index) const { return *lines_[static_cast<std::size_t>(index)]; }

protected:
    // The task ends the window, not the user.
    void reject() override {}

private:
    QLabel* heading_;
    std::array<QLabel*, 4> lines_{};
    std::array<int, 4> colours_{-1, -1, -1, -1};
};

} // namespace pmsect
