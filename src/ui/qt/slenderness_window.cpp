// SlendernessWindow: the controls laid out, their events forwarded, the presenter's view painted.
#include "ui/qt/slenderness_window.h"

#include "ui/qt/window_support.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace pmsect {
namespace {

constexpr const char* kAxisNames[] = {"X", "Y"};
constexpr std::array<const char*, kAxisBoxCount> kBoxObjectNames = {
    "txtLu", "txtK", "txtKSway", "txtSumPu", "txtSumPc", "txtQ", "txtDeltaS", "txtBetaDs"};

void setTexts(QComboBox& list, const std::vector<std::string>& texts) {
    if (list.count() == static_cast<int>(texts.size())) {
        return;
    }
    for (const std::string& text : texts) {
        list.addItem(qtText(text));
    }
}

void showBoxText(QLineEdit& box, const std::string& text) {
    // A box being typed in keeps what the user has typed.
    if (!box.hasFocus() || !box.isModified()) {
        box.setText(qtText(text));
    }
}

} // namespace

SlendernessWindow::SlendernessWindow(SlendernessPresenter& presenter, QWidget* parent)
    : QWidget(parent, Qt::Window), presenter_(presenter) {
    setObjectName("frmSlenderness");
    auto* layout = new QVBoxLayout(this);
    checked_ = new QCheckBox("Check slenderness", this);
    checked_->setObjectName("chkSlenderness");
    layout->addWidget(checked_);
    connect(checked_, &QCheckBox::clicked, this, [this](bool on) {
        presenter_.setChecked(on);
        render();
    });
    auto* axes = new QHBoxLayout;
    axes->addWidget(buildAxis(SlenderAxis::X));
    axes->addWidget(buildAxis(SlenderAxis::Y));
    layout->addLayout(axes);
    layout->addWidget(buildStiffness());
    note_ = new QLabel(this);
    note_->setObjectName("lblSlendernessNote");
    note_->setWordWrap(true);
    layout->addWidget(note_);

    addDoneRow(*this, *layout, [this] {
        presenter_.done();
        render();
    });
    setMinimumWidth(640);
}

QWidget* SlendernessWindow::buildAxis(SlenderAxis axis) {
    const int a = axis == SlenderAxis::X ? 0 : 1;
    AxisControls& c = axes_[static_cast<std::size_t>(a)];
    auto* group = new QGroupBox(this);
    group->setObjectName(QString("fraAxis") + kAxisNames[a]);
    auto* form = new QFormLayout(group);
    const auto addBox = [&](AxisBox which) {
        const auto b = static_cast<std::size_t>(which);
        c.labels[b] = new QLabel(group);
        c.boxes[b] = new QLineEdit(group);
        c.boxes[b]->setObjectName(QString(kBoxObjectNames[b]) + kAxisNames[a]);
        c.boxes[b]->setMaximumWidth(110);
        onConfirmed(c.boxes[b], [this, axis, which](const std::string& text) {
            presenter_.editAxis(axis, which, text);
        });
        form->addRow(c.labels[b], c.boxes[b]);
    };
    addBox(AxisBox::Lu);
    addBox(AxisBox::K);
    c.sway = new QCheckBox("Sway storey", group);
    c.sway->setObjectName(QString("chkSway") + kAxisNames[a]);
    form->addRow(c.sway);
    connect(c.sway, &QCheckBox::clicked, this, [this, axis](bool on) {
        presenter_.setSway(axis, on);
        render();
    });
    addBox(AxisBox::KSway);
    c.source = new QComboBox(group);
    c.source->setObjectName(QString("cmbSwaySource") + kAxisNames[a]);
    c.source->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    form->addRow("δs from", c.source);
    connect(c.source, &QComboBox::activated, this, [this, axis](int index) {
        presenter_.setSwaySource(axis, static_cast<SwaySource>(index));
        render();
    });
    for (const AxisBox which :
         {AxisBox::SumPu, AxisBox::SumPc, AxisBox::Q, AxisBox::DeltaS, AxisBox::BetaDs}) {
        addBox(which);
    }
    c.slenderness = new QLabel(group);
    c.slenderness->setObjectName(QString("lblSlenderness") + kAxisNames[a]);
    // Room for the second line a sway storey adds, so that the window need not grow for it.
    c.slenderness->setMinimumHeight(2 * c.slenderness->fontMetrics().lineSpacing());
    form->addRow(c.slenderness);
    return group;
}

QWidget* SlendernessWindow::buildStiffness() {
    auto* group = new QGroupBox("Effective stiffness", this);
    auto* form = new QFormLayout(group);
    stiffness_ = new QComboBox(group);
    stiffness_->setObjectName("cmbStiffness");
    stiffness_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    form->addRow("EI", stiffness_);
    connect(stiffness_, &QComboBox::activated, this, [this](int index) {
        presenter_.setStiffness(static_cast<StiffnessChoice>(index));
        render();
    });
    givenEI_ = new QLineEdit(group);
    givenEI_->setObjectName("txtGivenEI");
    givenEI_->setMaximumWidth(140);
    form->addRow("EI given (kip-in²)", givenEI_);
    onConfirmed(givenEI_, [this](const std::string& text) {
        presenter_.editProject(ProjectBox::GivenEI, text);
    });
    betaDns_ = new QLineEdit(group);
    betaDns_->setObjectName("txtBetaDns");
    betaDns_->setMaximumWidth(140);
    form->addRow("βdns (loads without a sustained Pu)", betaDns_);
    onConfirmed(betaDns_, [this](const std::string& text) {
        presenter_.editProject(ProjectBox::BetaDns, text);
    });
    return group;
}

void SlendernessWindow::onConfirmed(QLineEdit* box, std::function<void(const std::string&)> edit) {
    connect(box, &QLineEdit::editingFinished, this, [this, box, edit = std::move(edit)] {
        if (box->isModified()) {
            box->setModified(false);
            const std::string text = box->text().toStdString();
            later([edit, text] { edit(text); });
        }
    });
}

void SlendernessWindow::later(std::function<void()> edit) {
    // Not inside the box's own signal: the edit may show a message and the boxes are redrawn.
    QTimer::singleShot(0, this, [this, edit = std::move(edit)] {
        edit();
        render();
    });
}

void SlendernessWindow::render() {
    const SlendernessView& v = presenter_.view();
    setWindowTitle(qtText(v.caption));
    {
        const QSignalBlocker quiet(checked_);
        checked_->setChecked(v.checked);
    }
    for (std::size_t a = 0; a < 2; ++a) {
        const AxisView& view = v.axes[a];
        AxisControls& c = axes_[a];
        qobject_cast<QGroupBox*>(c.sway->parentWidget())->setTitle(qtText(view.title));
        {
            const QSignalBlocker quiet(c.sway);
            c.sway->setChecked(view.sway);
        }
        c.sway->setEnabled(v.checked);
        setTexts(*c.source, v.swaySources);
        c.source->setCurrentIndex(view.swaySource);
        c.source->setEnabled(v.checked && view.sway);
        for (std::size_t b = 0; b < kAxisBoxCount; ++b) {
            c.labels[b]->setText(qtText(view.labels[b]));
            showBoxText(*c.boxes[b], view.boxes[b]);
            c.boxes[b]->setEnabled(view.enabled[b]);
        }
        c.slenderness->setText(qtText(view.slenderness));
    }
    setTexts(*stiffness_, v.stiffnessChoices);
    stiffness_->setCurrentIndex(v.stiffness);
    stiffness_->setEnabled(v.checked);
    showBoxText(*givenEI_, v.givenEI);
    givenEI_->setEnabled(v.givenEnabled);
    showBoxText(*betaDns_, v.betaDns);
    betaDns_->setEnabled(v.checked);
    note_->setText(qtText(v.note));
    showAs(*this, v.visible);
}

void SlendernessWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    presenter_.done();
    render();
}

} // namespace pmsect
