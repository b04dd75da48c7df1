// ResultsWindow: the two pictures side by side with their viewing frames below, the axial
// limits and the buttons along the foot.
#include "ui/qt/results_window.h"

#include "ui/qt/confirm_line_edit.h"
#include "ui/qt/picture_widget.h"
#include "ui/qt/results_exporter.h"
#include "ui/qt/window_support.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

namespace pmsect {
namespace {

constexpr int kAnglePageStep = 10;
// The biaxial range spans the axial limits; a page is a twentieth of it.
constexpr int kLoadPages = 20;

std::size_t at(ResultsCheck which) {
    return static_cast<std::size_t>(which);
}

} // namespace

ResultsWindow::ResultsWindow(ResultsPresenter& presenter, ResultsExporter& exporter,
                             const bool& taskRunning, QWidget* parent)
    : ActivatingWindow(taskRunning, parent), presenter_(presenter), exporter_(exporter) {
    setObjectName("frmResults");
    setWindowFlag(Qt::Window);

    pic2D_ = new PictureWidget(this);
    pic2D_->setObjectName("pic2D");
    pic3D_ = new PictureWidget(this);
    pic3D_->setObjectName("pic3D");
    hsb3D_ = addScrollBar("hsb3D", Qt::Horizontal, &ResultsPresenter::onHsb3DScroll,
                          &ResultsPresenter::onHsb3DChange);
    vsb3D_ = addScrollBar("vsb3D", Qt::Vertical, &ResultsPresenter::onVsb3DScroll,
                          &ResultsPresenter::onVsb3DChange);

    // Under the 2D plot: the readout of the point under the pointer and the control points.
    lbl2DReadout_ = addLabel("lbl2DReadout");
    lblControlPoints_ = addLabel("lblControlPoints");
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSizeF(std::min(fixed.pointSizeF(), 8.0));
    lblControlPoints_->setFont(fixed);
    lblControlPoints_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* view2D = new QVBoxLayout;
    view2D->addWidget(pic2D_, 1);
    view2D->addWidget(lbl2DReadout_);
    view2D->addWidget(lblControlPoints_);
    connectPictureMouse();

    auto* layout = new QGridLayout(this);
    layout->addLayout(view2D, 0, 0, 2, 1);
    auto* view3D = new QGridLayout;
    view3D->setSpacing(0);
    view3D->addWidget(pic3D_, 0, 0);
    view3D->addWidget(vsb3D_, 0, 1);
    view3D->addWidget(hsb3D_, 1, 0);
    layout->addLayout(view3D, 0, 1, 2, 1);
    layout->addWidget(build2DFrame(), 2, 0);
    layout->addWidget(build3DFrame(), 2, 1);
    layout->addWidget(buildFoot(), 3, 0, 1, 2);
    layout->setRowStretch(0, 1);
    layout->setColumnStretch(0, 1);
    layout->setColumnStretch(1, 1);

    presenter_.setPictures([this](const CanvasDrawing& d) { pic2D_->setDrawing(d); },
                           [this](const CanvasDrawing& d) { pic3D_->setDrawing(d); });
    resize(1180, 820);
    render();
}

void ResultsWindow::connectPictureMouse() {
    connect(pic2D_, &PictureWidget::pointerMoved, this, [this](QPointF at) {
        presenter_.hover2D(at.x(), at.y());
        lbl2DReadout_->setText(qtText(presenter_.view().readout2D));
    });
    connect(pic3D_, &PictureWidget::dragStarted, this, [this] { presenter_.beginTurn3D(); });
    connect(pic3D_, &PictureWidget::dragged, this,
            [this](QPointF by) { run([this, by] { presenter_.turn3D(by.x(), by.y()); }); });
    connect(pic3D_, &PictureWidget::wheelTurned, this,
            [this](double steps) { run([this, steps] { presenter_.zoom3D(steps); }); });
    connect(pic3D_, &PictureWidget::doubleClicked, this,
            [this] { run([this] { presenter_.resetView3D(); }); });
}

// ---- Building ----

QCheckBox* ResultsWindow::addCheck(const char* name, ResultsCheck which) {
    auto* box = new QCheckBox(this);
    box->setObjectName(name);
    connect(box, &QCheckBox::clicked, this,
            [this, which](bool on) { run([this, which, on] { presenter_.setCheck(which, on); }); });
    checks_[at(which)] = box;
    return box;
}

ConfirmLineEdit* ResultsWindow::addBox(const char* name) {
    auto* box = new ConfirmLineEdit(this);
    box->setObjectName(name);
    box->setMaximumWidth(90);
    return box;
}

QLabel* ResultsWindow::addLabel(const char* name) {
    auto* label = new QLabel(this);
    label->setObjectName(name);
    return label;
}

QScrollBar* ResultsWindow::addScrollBar(const char* name, Qt::Orientation orientation,
                                        void (ResultsPresenter::*scroll)(int32_t),
                                        void (ResultsPresenter::*change)(int32_t)) {
    // While the thumb is dragged only the box follows it; the value changes on release.
    return addDeferredScrollBar(
        *this, name, orientation,
        [this, scroll](int v) { run([&p = presenter_, scroll, v] { (p.*scroll)(v); }); },
        [this, change](int v) { run([&p = presenter_, change, v] { (p.*change)(v); }); });
}

QGroupBox* ResultsWindow::build2DFrame() {
    fra2D_ = new QGroupBox(this);
    fra2D_->setObjectName("fra2D");
    auto* grid = new QGridLayout(fra2D_);
    optPnMn_ = new QRadioButton(fra2D_);
    optPnMn_->setObjectName("optPnMn");
    optBiMn_ = new QRadioButton(fra2D_);
    optBiMn_->setObjectName("optBiMn");
    auto* options = new QButtonGroup(fra2D_);
    options->addButton(optPnMn_);
    options->addButton(optBiMn_);
    connect(optPnMn_, &QRadioButton::clicked, this, [this] {
        if (presenter_.view().biaxial) {
            run([this] { presenter_.onOptPnMn(); });
        }
    });
    connect(optBiMn_, &QRadioButton::clicked, this, [this] {
        if (!presenter_.view().biaxial) {
            run([this] { presenter_.onOptBiMn(); });
        }
    });
    grid->addWidget(optPnMn_, 0, 0);
    grid->addWidget(optBiMn_, 0, 1);

    lbl2DHorAngle_ = addLabel("lbl2DHorAngle");
    txt2DHorAngle_ = addBox("txt2DHorAngle");
    connect(txt2DHorAngle_, &ConfirmLineEdit::confirmed, this, [this](bool) {
        const std::string text = txt2DHorAngle_->takeText();
        run([this, &text] { presenter_.confirm2DAngle(text); });
    });
    hsb2D_ = addScrollBar("hsb2D", Qt::Horizontal, &ResultsPresenter::onHsb2DScroll,
                          &ResultsPresenter::onHsb2DChange);
    grid->addWidget(lbl2DHorAngle_, 1, 0);
    grid->addWidget(txt2DHorAngle_, 1, 1);
    grid->addWidget(hsb2D_, 2, 0, 1, 3);
    grid->addWidget(addCheck("chk2Dwophi", ResultsCheck::chk2Dwophi), 3, 0);
    grid->addWidget(addCheck("chk2Dwphi", ResultsCheck::chk2Dwphi), 3, 1);
    grid->addWidget(addCheck("chk2DDrwSec", ResultsCheck::chk2DDrwSec), 3, 2);
    return fra2D_;
}

QGroupBox* ResultsWindow::build3DFrame() {
    fra3D_ = new QGroupBox(this);
    fra3D_->setObjectName("fra3D");
    auto* grid = new QGridLayout(fra3D_);
    lblNumSections_ = addLabel("lblNumSections");
    rxtNumSections_ = addBox("rxtNumSections");
    // Only Enter sets the number of sections: the surface is a long computation.
    connect(rxtNumSections_, &ConfirmLineEdit::confirmed, this, [this](bool byEnter) {
        if (byEnter) {
            const std::string text = rxtNumSections_->takeText();
            run([this, &text] { presenter_.confirmNumSections(text); });
        }
    });
    grid->addWidget(lblNumSections_, 0, 0);
    grid->addWidget(rxtNumSections_, 0, 1);

    lbl3DHorAngle_ = addLabel("lbl3DHorAngle");
    txt3DHorAngle_ = addBox("txt3DHorAngle");
    connect(txt3DHorAngle_, &ConfirmLineEdit::confirmed, this, [this](bool) {
        const std::string text = txt3DHorAngle_->takeText();
        run([this, &text] { presenter_.confirm3DHorAngle(text); });
    });
    lbl3DVertAngle_ = addLabel("lbl3DVertAngle");
    txt3DVertAngle_ = addBox("txt3DVertAngle");
    connect(txt3DVertAngle_, &ConfirmLineEdit::confirmed, this, [this](bool) {
        const std::string text = txt3DVertAngle_->takeText();
        run([this, &text] { presenter_.confirm3DVertAngle(text); });
    });
    grid->addWidget(lbl3DHorAngle_, 1, 0);
    grid->addWidget(txt3DHorAngle_, 1, 1);
    grid->addWidget(lbl3DVertAngle_, 1, 2);
    grid->addWidget(txt3DVertAngle_, 1, 3);
    grid->addWidget(addCheck("chk3Dwophi", ResultsCheck::chk3Dwophi), 2, 0, 1, 2);
    grid->addWidget(addCheck("chk3Dwphi", ResultsCheck::chk3Dwphi), 2, 2, 1, 2);
    grid->addWidget(addCheck("chk3DLoads", ResultsCheck::chk3DLoads), 3, 0, 1, 2);
    grid->addWidget(addCheck("chk3DSection", ResultsCheck::chk3DSection), 3, 2, 1, 2);
    return fra3D_;
}

QWidget* ResultsWindow::buildFoot() {
    auto* foot = new QWidget(this);
    auto* row = new QHBoxLayout(foot);
    row->setContentsMargins(0, 0, 0, 0);
    auto* limits = new QGridLayout;
    lblPo_ = addLabel("lblPo");
    lblPhiPnMax_ = addLabel("lblPhiPnMax");
    lblTo_ = addLabel("lblTo");
    lblPhiTnMax_ = addLabel("lblPhiTnMax");
    limits->addWidget(lblPo_, 0, 0);
    limits->addWidget(lblPhiPnMax_, 0, 1);
    limits->addWidget(lblTo_, 1, 0);
    limits->addWidget(lblPhiTnMax_, 1, 1);
    limits->setHorizontalSpacing(24);
    row->addLayout(limits);
    row->addStretch(1);

    cmdExport_ = new QPushButton("E&xport", foot);
    cmdExport_->setObjectName("cmdExport");
    auto* menu = new QMenu(cmdExport_);
    menu->setObjectName("mnuExport");
    const auto entry = [this, menu](const char* name, const QString& caption,
                                    const std::function<void()>& command) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, [this, command] { run(command); });
    };
    entry("mnuExport2DData", "2D Curve Data (CSV)...", [this] { exporter_.save2DData(); });
    entry("mnuExportSurface", "3D Surface Data (CSV)...", [this] { exporter_.saveSurfaceData(); });
    menu->addSeparator();
    entry("mnuExport2DPicture", "2D Picture (SVG or PNG)...", [this] {
        exporter_.savePicture([this](Canvas& c) { presenter_.draw2D(c); }, pic2D_->size(),
                              presenter_.view().biaxial ? "biaxial_contour.svg"
                                                        : "pn_mn_diagram.svg",
                              presenter_.pictureTitle2D(exporter_.projectName()));
    });
    entry("mnuExport3DPicture", "3D Picture (SVG or PNG)...", [this] {
        exporter_.savePicture([this](Canvas& c) { presenter_.draw3D(c); }, pic3D_->size(),
                              "failure_surface.svg",
                              presenter_.pictureTitle3D(exporter_.projectName()));
    });
    cmdExport_->setMenu(menu);

    cmdLrg3D_ = new QPushButton(foot);
    cmdLrg3D_->setObjectName("cmdLrg3D");
    connect(cmdLrg3D_, &QPushButton::clicked, this,
            [this] { run([this] { presenter_.onLarge3D(); }); });
    cmdDone_ = new QPushButton(foot);
    cmdDone_->setObjectName("cmdDone");
    connect(cmdDone_, &QPushButton::clicked, this,
            [this] { run([this] { presenter_.onDone(); }); });
    row->addWidget(cmdExport_);
    row->addWidget(cmdLrg3D_);
    row->addWidget(cmdDone_);
    return foot;
}

// ---- Events ----

void ResultsWindow::run(const std::function<void()>& handling) {
    // A scroll bar's auto-repeat can fire while a task paints its progress: the presenter is
    // busy, and the window shows its state again once the task is over.
    if (taskRunning()) {
        return;
    }
    handling();
    render();
}

void ResultsWindow::onActivated() {
    presenter_.activate();
    render();
}

void ResultsWindow::onClosed() {
    presenter_.onDone();
    render();
}

// ---- Rendering ----

void ResultsWindow::renderScrollBar(QScrollBar& bar, const ScrollBarView& v, int pageStep) {
    const QSignalBlocker block(&bar);
    bar.setRange(v.min, v.max);
    bar.setPageStep(std::max(1, pageStep));
    // A thumb being dragged stays where the user holds it.
    if (!bar.isSliderDown()) {
        bar.setValue(v.value);
    }
}

void ResultsWindow::renderCheck(ResultsCheck which, const CheckBoxView& v) {
    QCheckBox& box = *checks_[at(which)];
    box.setText(qtText(v.caption));
    box.setChecked(v.checked);
    box.setEnabled(v.enabled);
}

void ResultsWindow::render() {
    const ResultsView& v = presenter_.view();
    setWindowTitle(qtText(v.caption));
    cmdLrg3D_->setText(qtText(v.cmdLrg3D));
    cmdDone_->setText(qtText(v.cmdDone));

    fra2D_->setTitle(qtText(v.fra2D));
    optPnMn_->setText(qtText(v.optPnMn));
    optBiMn_->setText(qtText(v.optBiMn));
    {
        const QSignalBlocker a(optPnMn_);
        const QSignalBlocker b(optBiMn_);
        optPnMn_->setChecked(!v.biaxial);
        optBiMn_->setChecked(v.biaxial);
    }
    lbl2DHorAngle_->setText(qtText(v.lbl2DHorAngle));
    txt2DHorAngle_->showText(v.txt2DHorAngle);
    const int span2D = v.hsb2D.max - v.hsb2D.min;
    renderScrollBar(*hsb2D_, v.hsb2D, v.biaxial ? span2D / kLoadPages : kAnglePageStep);
    renderCheck(ResultsCheck::chk2Dwophi, v.chk2Dwophi);
    renderCheck(ResultsCheck::chk2Dwphi, v.chk2Dwphi);
    renderCheck(ResultsCheck::chk2DDrwSec, v.chk2DDrwSec);

    fra3D_->setTitle(qtText(v.fra3D));
    lblNumSections_->setText(qtText(v.lblNumSections));
    rxtNumSections_->showText(v.rxtNumSections);
    lbl3DHorAngle_->setText(qtText(v.lbl3DHorAngle));
    txt3DHorAngle_->showText(v.txt3DHorAngle);
    lbl3DVertAngle_->setText(qtText(v.lbl3DVertAngle));
    txt3DVertAngle_->showText(v.txt3DVertAngle);
    renderScrollBar(*hsb3D_, v.hsb3D, kAnglePageStep);
    renderScrollBar(*vsb3D_, v.vsb3D, kAnglePageStep);
    renderCheck(ResultsCheck::chk3Dwophi, v.chk3Dwophi);
    renderCheck(ResultsCheck::chk3Dwphi, v.chk3Dwphi);
    renderCheck(ResultsCheck::chk3DLoads, v.chk3DLoads);
    renderCheck(ResultsCheck::chk3DSection, v.chk3DSection);

    lbl2DReadout_->setText(qtText(v.readout2D));
    const std::string table = presenter_.controlPointTable();
    lblControlPoints_->setText(qtText(table.empty() ? table : table.substr(0, table.size() - 1)));
    lblControlPoints_->setVisible(!table.empty());

    lblPo_->setText(qtText(v.lblPo));
    lblPhiPnMax_->setText(qtText(v.lblPhiPnMax));
    lblTo_->setText(qtText(v.lblTo));
    lblPhiTnMax_->setText(qtText(v.lblPhiTnMax));
    showAs(*this, v.visible);
}

} // namespace pmsect
