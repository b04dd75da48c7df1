// The opening window: the program's name, version and date, the default directory, and
// Continue.
#pragma once

#include "ui/opening_presenter.h"

#include <QWidget>
#include <functional>

class QLabel;

namespace pmsect {

class OpeningWindow : public QWidget {
    Q_OBJECT
public:
    explicit OpeningWindow(OpeningPresenter& presenter, QWidget* parent = nullptr);

    // Continue, or the window closed: whoever leads on to the next window.
    void setContinueHandler(std::function<void()> onContinue) { continue_ = std::move(onContinue); }
    void render();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void proceed();

    OpeningPresenter& presenter_;
    std::function<void()> continue_;
    QLabel* version_;
    QLabel* date_;
    QLabel* directory_;
};

} // namespace pmsect
