// BarSetEditorWindow: the controls below the grid and their events.
#include "ui/qt/bar_set_editor_window.h"

#include "ui/qt/confirm_line_edit.h"
#include "ui/qt/window_support.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace pmsect {

BarSetEditorWindow::BarSetEditorWindow(BarSetEditorPresenter& presenter, const bool& taskRunning,
                                       QWidget* parent)
    : GridWindow(bindGrid(presenter, &BarSetEditorPresenter::addBarSet,
                          &BarSetEditorPresenter::deleteBarSet),
                 GridWindowNames{"frmEdBarSet", "BarSetGrid", "cmdAddBarSet", "cmdDelBarSet",
                                 "cmdUpdate", "cmdDone", nullptr},
                 taskRunning, parent),
      presenter_(presenter) {
    auto* grid = new QGridLayout;
    parallel_ = new QLabel(this);
    optParaX_ = new QRadioButton(this);
    optParaX_->setObjectName("optParaX");
    optParaY_ = new QRadioButton(this);
    optParaY_->setObjectName("optParaY");
    auto* group = new QButtonGroup(this);
    group->addButton(optParaX_);
    group->addButton(optParaY_);
    grid->addWidget(parallel_, 0, 0, 1, 3);
    grid->addWidget(optParaX_, 1, 0);
    grid->addWidget(optParaY_, 1, 1);

    widthLabel_ = new QLabel(this);
    depthLabel_ = new QLabel(this);
    txtEWidth_ = new ConfirmLineEdit(this);
    txtEWidth_->setObjectName("txtEWidth");
    txtEDepth_ = new ConfirmLineEdit(this);
    txtEDepth_->setObjectName("txtEDepth");
    widthUnit_ = new QLabel(this);
    depthUnit_ = new QLabel(this);
    grid->addWidget(widthLabel_, 2, 0);
    grid->addWidget(txtEWidth_, 2, 1);
    grid->addWidget(widthUnit_, 2, 2);
    grid->addWidget(depthLabel_, 3, 0);
    grid->addWidget(txtEDepth_, 3, 1);
    grid->addWidget(depthUnit_, 3, 2);
    grid->setColumnStretch(3, 1);
    extraArea().addLayout(grid);

    connect(optParaX_, &QRadioButton::clicked, this, [this] {
        if (presenter_.view().alongY) {
            run([this] { presenter_.onParallel(false); });
        }
    });
    connect(optParaY_, &QRadioButton::clicked, this, [this] {
        if (!presenter_.view().alongY) {
            run([this] { presenter_.onParallel(true); });
        }
    });
    connect(txtEWidth_, &ConfirmLineEdit::confirmed, this,
            [this](bool) { confirmBox(BarSetBox::EffectiveWidth, txtEWidth_); });
    connect(txtEDepth_, &ConfirmLineEdit::confirmed, this,
            [this](bool) { confirmBox(BarSetBox::EffectiveDepth, txtEDepth_); });
    resize(460, 520);
}

void BarSetEditorWindow::confirmBox(BarSetBox box, ConfirmLineEdit* edit) {
    const std::string text = edit->takeText();
    run([this, box, &text] { presenter_.confirmBox(box, text); });
}

void BarSetEditorWindow::render() {
    const BarSetEditorView& v = presenter_.view();
    parallel_->setText(qtText(v.parallelCaption));
    optParaX_->setText(qtText(v.optParaX));
    optParaY_->setText(qtText(v.optParaY));
    {
        const QSignalBlocker bx(optParaX_);
        const QSignalBlocker by(optParaY_);
        optParaX_->setChecked(!v.alongY);
        optParaY_->setChecked(v.alongY);
    }
    widthLabel_->setText(qtText(v.widthLabel));
    depthLabel_->setText(qtText(v.depthLabel));
    txtEWidth_->showText(v.txtEWidth);
    txtEDepth_->showText(v.txtEDepth);
    widthUnit_->setText(qtText(v.unitLabel));
    depthUnit_->setText(qtText(v.unitLabel));
    GridWindow::render();
}

} // namespace pmsect
