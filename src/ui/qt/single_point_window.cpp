// SinglePointWindow: the mode choices on top, inputs and results on the left, the drawing on
// the right.
#include "ui/qt/single_point_window.h"

#include "ui/qt/confirm_line_edit.h"
#include "ui/qt/picture_widget.h"
#include "ui/qt/window_support.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace pmsect {
namespace {

constexpr double kTwipsPerInch = 1440;

} // namespace

SinglePointWindow::SinglePointWindow(SinglePointPresenter& presenter, QWidget* parent)
    : QWidget(parent), presenter_(presenter) {
    setObjectName("frmSingle");
    const SinglePointView& v = presenter_.view();
    auto* layout = new QVBoxLayout(this);

    auto* modes = new QHBoxLayout;
    givenC_ = new QRadioButton(qtText(v.givenCCaption), this);
    givenC_->setObjectName("optGivenC");
    givenE_ = new QRadioButton(qtText(v.givenECaption), this);
    givenE_->setObjectName("optGivenE");
    connect(givenC_, &QRadioButton::clicked, this, [this] {
        presenter_.chooseMode(SinglePointMode::GivenC);
        render();
    });
    connect(givenE_, &QRadioButton::clicked, this, [this] {
        presenter_.chooseMode(SinglePointMode::GivenE);
        render();
    });
    modes->addWidget(givenC_);
    modes->addWidget(givenE_);
    modes->addStretch();
    layout->addLayout(modes);

    auto* body = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    auto* grid = new QGridLayout;
    const struct {
        SinglePointInput input;
        const char* name;
    } inputs[] = {{SinglePointInput::C, "txtc"},
                  {SinglePointInput::NeutralAxisAngle, "txtRotAng"},
                  {SinglePointInput::E, "txte"},
                  {SinglePointInput::LoadAngle, "txtLdAng"}};
    int r = 0;
    for (const auto& in : inputs) {
        InputRow& rowWidgets = row(in.input);
        rowWidgets.caption = new QLabel(this);
        rowWidgets.edit = new ConfirmLineEdit(this);
        rowWidgets.edit->setObjectName(in.name);
        rowWidgets.edit->setMaximumWidth(110);
        rowWidgets.unit = new QLabel(this);
        const SinglePointInput which = in.input;
        connect(rowWidgets.edit, &ConfirmLineEdit::confirmed, this,
                [this, which](bool byEnter) { confirm(which, byEnter); });
        grid->addWidget(rowWidgets.caption, r, 0);
        grid->addWidget(rowWidgets.edit, r, 1);
        grid->addWidget(rowWidgets.unit, r, 2);
        ++r;
    }
    left->addLayout(grid);
    left->addSpacing(10);
    const char* resultNames[] = {"lblPn", "lblTforce", "lblCforce", "lblAc",
                                 "lblAg", "lblMnx",    "lblMny"};
    for (std::size_t i = 0; i < results_.size(); ++i) {
        results_[i] = new QLabel(this);
        results_[i]->setObjectName(resultNames[i]);
        left->addWidget(results_[i]);
        if (i == 0) {
            left->addSpacing(6);
        }
    }
    left->addStretch();
    doneButton_ = new QPushButton(this);
    doneButton_->setObjectName("cmdDone");
    doneButton_->setAutoDefault(false);
    connect(doneButton_, &QPushButton::clicked, this, [this] {
        presenter_.done();
        render();
    });
    left->addWidget(doneButton_, 0, Qt::AlignLeft);
    body->addLayout(left);

    picture_ = new PictureWidget(this);
    picture_->setObjectName("picSection");
    picture_->setMinimumSize(360, 360);
    picture_->setDrawing([this](Canvas& canvas) { presenter_.draw(canvas); });
    body->addWidget(picture_, 1);
    layout->addLayout(body, 1);
    render();
}

void SinglePointWindow::handOverTexts() {
    for (SinglePointInput input : {SinglePointInput::C, SinglePointInput::NeutralAxisAngle,
                                   SinglePointInput::E, SinglePointInput::LoadAngle}) {
        presenter_.setText(input, row(input).edit->takeText());
    }
}

void SinglePointWindow::confirm(SinglePointInput input, bool byEnter) {
    handOverTexts();
    if (byEnter) {
        presenter_.enter(input);
    } else {
        presenter_.leave(input);
    }
    render();
}

void SinglePointWindow::render() {
    const SinglePointView& v = presenter_.view();
    setWindowTitle(qtText(v.caption));
    givenC_->setChecked(v.mode == SinglePointMode::GivenC);
    givenE_->setChecked(v.mode == SinglePointMode::GivenE);
    const InputBox* boxes[] = {&v.c, &v.neutralAxisAngle, &v.e, &v.loadAngle};
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const InputBox& box = *boxes[i];
        rows_[i].caption->setText(qtText(box.label));
        rows_[i].caption->setEnabled(box.enabled);
        rows_[i].edit->showText(box.text);
        rows_[i].edit->setEnabled(box.enabled);
        rows_[i].unit->setText(qtText(box.unit));
        rows_[i].unit->setEnabled(box.enabled);
    }
    const std::string* lines[] = {
        &v.pn, &v.tensionForce, &v.compressionForce, &v.ac, &v.grossCompArea, &v.mnx, &v.mny};
    for (std::size_t i = 0; i < results_.size(); ++i) {
        results_[i]->setText(qtText(*lines[i]));
    }
    doneButton_->setText(qtText(v.doneCaption));
    if (v.drawingSerial != drawnSerial_) {
        drawnSerial_ = v.drawingSerial;
        picture_->update();
    }
    showAs(*this, v.visible);
}

bool SinglePointWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && presenter_.view().visible) {
        handOverTexts();
        presenter_.activate();
        render();
    }
    return QWidget::event(event);
}

void SinglePointWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    presenter_.close();
    render();
}

void SinglePointWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!presenter_.view().visible) {
        return;
    }
    // The presenter measures the window in twips.
    const double twipsPerPixel = kTwipsPerInch / logicalDpiX();
    handOverTexts();
    presenter_.resize(width() * twipsPerPixel, height() * twipsPerPixel);
    render();
}

} // namespace pmsect
