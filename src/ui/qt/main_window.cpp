// FrmMain's events and how it shows the presenter's view state.
#include "ui/qt/main_window.h"

#include "results/section_drawing.h"
#include "ui/qt/confirm_line_edit.h"
#include "ui/qt/picture_widget.h"
#include "ui/qt/qpainter_canvas.h"
#include "ui/qt/window_support.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace pmsect {

MainWindow::MainWindow(Application& app, QWidget* parent)
    : QMainWindow(parent), app_(app), presenter_(app.mainWindow()) {
    setObjectName("FrmMain");
    buildMenus();

    auto* central = new QWidget(this);
    auto* outer = new QVBoxLayout(central);
    auto* columns = new QHBoxLayout;
    columns->addWidget(buildGeometryGroup(), 3);
    auto* middle = new QVBoxLayout;
    middle->addWidget(buildMaterialGroup());
    middle->addWidget(buildRebarGroup(), 1);
    columns->addLayout(middle, 2);
    columns->addWidget(buildSummaryGroup(), 2);
    outer->addLayout(columns, 1);
    outer->addWidget(buildButtonRow());
    setCentralWidget(central);
    central->installEventFilter(this);

    picGeom_->setDrawing([this](Canvas& canvas) {
        if (picturedRevision_ > 0) {
            drawSectionPicture(pictured_, picturedSection_, canvas,
                               sectionStyleFor(picGeom_->logicalDpiX()));
        }
    });
    render(true);
}

MainWindow::~MainWindow() = default;

// ---- Events ----

void MainWindow::confirm(MainInput input) {
    const std::string text = inputs_[static_cast<std::size_t>(input)]->takeText();
    presenter_.onTextConfirmed(input, text);
    render();
}

void MainWindow::requestWindow(const WindowRequest& request) {
    render();
    if (request.window != WindowId::None && openWindow_) {
        openWindow_(request);
    }
}

void MainWindow::runFileCommand(void (MainWindowPresenter::*command)()) {
    (presenter_.*command)();
    render(true);
}

bool MainWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        presenter_.onActivated();
    }
    return QMainWindow::event(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    const bool handled = QMainWindow::eventFilter(watched, event);
    // A control whose text grew (other units) asks for a new layout: the least size follows.
    if (watched == centralWidget() && event->type() == QEvent::LayoutRequest) {
        keepRoomForEveryControl();
    }
    return handled;
}

void MainWindow::requestExit() {
    const bool leave = presenter_.confirmExit();
    render();
    if (leave && exitProgram_) {
        exitProgram_();
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!presenter_.confirmExit()) {
        event->ignore();
        render();
        return;
    }
    event->accept();
    if (exitProgram_) {
        exitProgram_();
    }
}

// ---- Rendering ----

void MainWindow::render(bool force) {
    setWindowTitle(qtText(presenter_.view().title));
    renderInputs(force);
    renderChoices();
    renderSummary();
    keepRoomForEveryControl();
}

void MainWindow::keepRoomForEveryControl() {
    // Below the size its layout asks for, rows would be squeezed into each other and columns
    // cut. That least size follows what the window shows now: a long number shown once must
    // not keep the window wider than the screen after it has gone.
    const QSize wanted = sizeHint();
    const QSize least = minimumSize();
    if (wanted == least) {
        return;
    }
    // A side the old least size held the window at comes back with the new one.
    const QSize held(width() == least.width() ? wanted.width() : width(),
                     height() == least.height() ? wanted.height() : height());
    setMinimumSize(wanted);
    if (isVisible() && held.expandedTo(wanted) != size()) {
        resize(held.expandedTo(wanted));
    }
}

void MainWindow::renderInputs(bool force) {
    const MainWindowView& v = presenter_.view();
    for (std::size_t i = 0; i < kMainInputCount; ++i) {
        const InputView& in = v.inputs[i];
        inputs_[i]->showText(in.text, force);
        inputs_[i]->setEnabled(in.enabled);
        captions_[i]->setEnabled(in.labelEnabled);
        unitLabels_[i]->setText(qtText(in.unitLabel));
        unitLabels_[i]->setEnabled(in.unitLabelEnabled);
    }
}

void MainWindow::renderChoices() {
    const MainWindowView& v = presenter_.view();
    const auto check = [this](MainOption option, bool on) {
        options_[static_cast<std::size_t>(option)]->setChecked(on);
    };
    check(MainOption::Rectangular, v.sectionOption == kRectangular);
    check(MainOption::Round, v.sectionOption == kRound);
    check(MainOption::Arbitrary, v.sectionOption == kArbitrary);
    check(MainOption::BarSets, v.barLayoutOption == kBarSets);
    check(MainOption::Circle, v.barLayoutOption == kCircular);
    check(MainOption::PlacedBars, v.barLayoutOption == kPlacedBars);
    check(MainOption::Tied, !v.spiralSelected);
    check(MainOption::Spiral, v.spiralSelected);
    options_[static_cast<std::size_t>(MainOption::Spiral)]->setEnabled(v.spiralEnabled);

    longBar_->setCurrentIndex(v.longBarIndex);
    longBar_->setEnabled(v.longBarListEnabled);
    longBarLabel_->setEnabled(v.longBarLabelEnabled);
    tieBar_->setCurrentIndex(v.tieBarIndex);
    designCode_->setCurrentIndex(v.designCodeIndex);
    editPoints_->setEnabled(v.editPointsEnabled);
    editBars_->setEnabled(v.editBarsEnabled);
    editBarSet_->setEnabled(v.editBarSetEnabled);
    autoRecompute_->setChecked(v.autoRecompute);
}

void MainWindow::renderSummary() {
    const MainWindowView& v = presenter_.view();
    lblEc_->setText(qtText(v.lblEc));
    lblEs_->setText(qtText(v.lblEs));
    lblBeta1_->setText(qtText(v.lblBeta1));
    flexuralUnits_->setText(qtText(v.flexuralUnits));

    const SummaryLabels& s = v.summary;
    const LabelText* limits[] = {&s.As,       &s.percentRein, &s.grossArea, &s.Po,
                                 &s.phiPnMax, &s.To,          &s.phiTnMax};
    for (std::size_t i = 0; i < limits_.size(); ++i) {
        showColouredText(*limits_[i], limits[i]->text, limits[i]->colour);
        limits_[i]->setToolTip(qtText(limits[i]->reason));
    }
    showColouredText(*warnings_, s.warnings.text, s.warnings.colour);
    warnings_->setVisible(!s.warnings.text.empty());
    loadVerdict_->setText(qtText(v.loadVerdict));
    loadVerdict_->setVisible(!v.loadVerdict.empty());
    const LabelText* rows[4][3] = {{&s.posMnx, &s.posPhiMnx, &s.posStrainX},
                                   {&s.negMnx, &s.negPhiMnx, &s.negStrainX},
                                   {&s.posMny, &s.posPhiMny, &s.posStrainY},
                                   {&s.negMny, &s.negPhiMny, &s.negStrainY}};
    for (std::size_t r = 0; r < 4; ++r) {
        for (std::size_t c = 0; c < 3; ++c) {
            showColouredText(*pureBending_[r][c], rows[r][c]->text, rows[r][c]->colour);
            pureBending_[r][c]->setToolTip(qtText(rows[r][c]->reason));
        }
    }
    if (v.summaryRevision != picturedRevision_) {
        picturedRevision_ = v.summaryRevision;
        pictured_ = app_.model();
        picturedSection_ = app_.sectionResults();
        picGeom_->update();
    }
}

} // namespace pmsect
