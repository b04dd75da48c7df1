// The information window: the help pages chosen by buttons, "Show on Startup" and Done.
#pragma once

#include "ui/information_presenter.h"

#include <QWidget>
#include <functional>
#include <vector>

class QCheckBox;
class QPlainTextEdit;
class QPushButton;

namespace pmsect {

class InformationWindow : public QWidget {
    Q_OBJECT
public:
    explicit InformationWindow(InformationPresenter& presenter, QWidget* parent = nullptr);

    // Done, or the window closed: the window to show next goes to the opener.
    void setDoneHandler(std::function<void(WindowId next)> done) { done_ = std::move(done); }
    void render();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void finish();

    InformationPresenter& presenter_;
    std::function<void(WindowId)> done_;
    std::vector<QPushButton*> pageButtons_;
    QPlainTextEdit* page_;
    QCheckBox* showOnStartup_;
    QPushButton* doneButton_;
};

} // namespace pmsect
