// The Slenderness window over the SlendernessPresenter: "Check slenderness", a group of boxes per
// axis, the effective stiffness and beta_dns, and Done.
#pragma once

#include "ui/slenderness_presenter.h"

#include <QWidget>
#include <array>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace pmsect {

class SlendernessWindow : public QWidget {
    Q_OBJECT
public:
    explicit SlendernessWindow(SlendernessPresenter& presenter, QWidget* parent = nullptr);

    void render();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    struct AxisControls {
        QCheckBox* sway = nullptr;
        QComboBox* source = nullptr;
        std::array<QLabel*, kAxisBoxCount> labels{};
        std::array<QLineEdit*, kAxisBoxCount> boxes{};
        QLabel* slenderness = nullptr;
    };
    QWidget* buildAxis(SlenderAxis axis);
    QWidget* buildStiffness();
    // A box's text forwarded once it is confirmed and changed, after the box has finished.
    void onConfirmed(QLineEdit* box, std::function<void(const std::string&)> edit);
    void later(std::function<void()> edit);

    SlendernessPresenter& presenter_;
    QCheckBox* checked_ = nullptr;
    std::array<AxisControls, 2> axes_;
    QComboBox* stiffness_ = nullptr;
    QLineEdit* givenEI_ = nullptr;
    QLineEdit* betaDns_ = nullptr;
    QLabel* note_ = nullptr;
};

} // namespace pmsect
