// The Units window: five groups of unit options and Done, which applies and stores the choice.
#pragma once

#include "ui/units_presenter.h"

#include <QWidget>
#include <array>
#include <vector>

class QPushButton;
class QRadioButton;

namespace pmsect {

class UnitsWindow : public QWidget {
    Q_OBJECT
public:
    explicit UnitsWindow(UnitsPresenter& presenter, QWidget* parent = nullptr);

    void render();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void done();

    UnitsPresenter& presenter_;
    std::array<std::vector<QRadioButton*>, 5> options_{};
    QPushButton* doneButton_;
};

} // namespace pmsect
