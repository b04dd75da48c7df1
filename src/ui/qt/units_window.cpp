// UnitsWindow: the five groups side by side, Done beneath them.
#include "ui/qt/units_window.h"

#include "ui/qt/window_support.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace pmsect {
namespace {

constexpr UnitGroup kGroups[5] = {UnitGroup::Length, UnitGroup::Force, UnitGroup::Moment,
                                  UnitGroup::Stress, UnitGroup::UnitWeight};
constexpr const char* kGroupNames[5] = {"Length", "Force", "Moment", "Stress", "UnitWt"};

} // namespace

UnitsWindow::UnitsWindow(UnitsPresenter& presenter, QWidget* parent)
    : QWidget(parent), presenter_(presenter) {
    setObjectName("frmUnits");
    auto* layout = new QVBoxLayout(this);
    auto* groups = new QHBoxLayout;
    const UnitsView& v = presenter_.view();
    for (std::size_t g = 0; g < 5; ++g) {
        auto* box = new QGroupBox(qtText(v.groups[g].caption), this);
        box->setObjectName(QString("fra%1").arg(kGroupNames[g]));
        auto* column = new QVBoxLayout(box);
        auto* exclusive = new QButtonGroup(box);
        for (std::size_t i = 0; i < v.groups[g].options.size(); ++i) {
            auto* option = new QRadioButton(qtText(v.groups[g].options[i]), box);
            option->setObjectName(QString("opt%1%2").arg(kGroupNames[g]).arg(i + 1));
            exclusive->addButton(option);
            const auto position = static_cast<int16_t>(i + 1);
            const UnitGroup group = kGroups[g];
            connect(option, &QRadioButton::clicked, this, [this, group, position] {
                presenter_.select(group, position);
                render();
            });
            column->addWidget(option);
            options_[g].push_back(option);
        }
        column->addStretch();
        groups->addWidget(box);
    }
    layout->addLayout(groups);
    doneButton_ = new QPushButton(this);
    doneButton_->setObjectName("cmdDone");
    doneButton_->setAutoDefault(false);
    connect(doneButton_, &QPushButton::clicked, this, &UnitsWindow::done);
    clickOnEscape(*this, *doneButton_);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(doneButton_);
    layout->addLayout(row);
    render();
}

void UnitsWindow::render() {
    const UnitsView& v = presenter_.view();
    setWindowTitle(qtText(v.caption));
    for (std::size_t g = 0; g < 5; ++g) {
        for (std::size_t i = 0; i < options_[g].size(); ++i) {
            options_[g][i]->setChecked(static_cast<int>(i) + 1 == v.groups[g].selected);
        }
    }
    doneButton_->setText(qtText(v.doneCaption));
    showAs(*this, v.visible);
}

void UnitsWindow::done() {
    presenter_.onDone();
    render();
}

void UnitsWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    // Closing the window applies the choice as Done does.
    if (presenter_.view().visible) {
        done();
    }
}

} // namespace pmsect
