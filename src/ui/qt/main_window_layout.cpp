// FrmMain's controls and where they sit: geometry and the section picture on the left, materials
// and reinforcement in the middle, the section summary on the right, the buttons along the foot.
#include "ui/qt/confirm_line_edit.h"
#include "ui/qt/main_window.h"
#include "ui/qt/picture_widget.h"
#include "ui/qt/window_support.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace pmsect {
namespace {

std::size_t at(MainInput input) {
    return static_cast<std::size_t>(input);
}

std::size_t at(MainOption option) {
    return static_cast<std::size_t>(option);
}

// One row of a grid: caption, input, unit label.
void addInputRow(QGridLayout* grid, int row, QLabel* caption, QWidget* input, QLabel* unit) {
    grid->addWidget(caption, row, 0);
    grid->addWidget(input, row, 1);
    if (unit != nullptr) {
        grid->addWidget(unit, row, 2);
    }
}

} // namespace

void MainWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu("&File");
    file->setObjectName("mnuFile");
    const auto fileEntry = [&](const char* name, const QString& caption,
                               void (MainWindowPresenter::*command)(), const QKeySequence& key) {
        QAction* action = file->addAction(caption);
        action->setObjectName(name);
        action->setShortcut(key);
        connect(action, &QAction::triggered, this, [this, command] { runFileCommand(command); });
    };
    // The same keys on every desktop, whatever its own bindings for these commands.
    fileEntry("mnuNew", "&New", &MainWindowPresenter::newProject, QKeySequence("Ctrl+N"));
    fileEntry("mnuOpen", "&Open...", &MainWindowPresenter::openProject, QKeySequence("Ctrl+O"));
    fileEntry("mnuSave", "&Save", &MainWindowPresenter::saveProject, QKeySequence("Ctrl+S"));
    fileEntry("mnuSaveAs", "Save &As...", &MainWindowPresenter::saveProjectAs,
              QKeySequence("Ctrl+Shift+S"));
    file->addSeparator();
    QAction* exitEntry = file->addAction("&Exit");
    exitEntry->setObjectName("mnuExit");
    connect(exitEntry, &QAction::triggered, this, [this] { requestExit(); });

    const auto menuEntry = [this](QMenu* menu, const char* name, const QString& caption,
                                  MainMenu entry) {
        QAction* action =
            menu != nullptr ? menu->addAction(caption) : menuBar()->addAction(caption);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this,
                [this, entry] { requestWindow(presenter_.onMenu(entry)); });
    };
    menuEntry(nullptr, "mnuOutput", "&Output", MainMenu::Output);
    QMenu* preferences = menuBar()->addMenu("&Preferences");
    preferences->setObjectName("mnuPreferences");
    menuEntry(preferences, "mnuDefDir", "&Default Directory", MainMenu::DefaultDirectory);
    menuEntry(preferences, "mnuUnits", "&Units", MainMenu::Units);
    menuEntry(nullptr, "mnuInformation", "&Information", MainMenu::Information);
}

ConfirmLineEdit* MainWindow::addInput(MainInput input, const char* name) {
    auto* edit = new ConfirmLineEdit(this);
    edit->setObjectName(name);
    // Room for a converted value such as a unit weight of 2324.7644 kg/m^3; a longer text
    // widens the box.
    edit->fitWidthTo("-00000.00000");
    inputs_[at(input)] = edit;
    // The caption and unit labels take the input's name after "lbl" and "lblUnit".
    const QString base = QString(name).mid(3);
    captions_[at(input)] = addLabel(nullptr);
    captions_[at(input)]->setObjectName("lbl" + base);
    unitLabels_[at(input)] = addLabel(nullptr);
    unitLabels_[at(input)]->setObjectName("lblUnit" + base);
    connect(edit, &ConfirmLineEdit::confirmed, this, [this, input](bool) { confirm(input); });
    return edit;
}

QRadioButton* MainWindow::addOption(MainOption option, const char* name, const QString& caption,
                                    QButtonGroup* group) {
    auto* button = new QRadioButton(caption, this);
    button->setObjectName(name);
    group->addButton(button);
    options_[at(option)] = button;
    connect(button, &QRadioButton::clicked, this, [this, option] {
        presenter_.onOption(option);
        render();
    });
    return button;
}

QPushButton* MainWindow::addButton(const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

QLabel* MainWindow::addLabel(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent != nullptr ? parent : this);
    if (name != nullptr) {
        label->setObjectName(name);
    }
    return label;
}

QGroupBox* MainWindow::buildGeometryGroup() {
    auto* box = new QGroupBox("Concrete Geometry", this);
    box->setObjectName("fraGeometry");
    auto* layout = new QVBoxLayout(box);

    auto* group = new QButtonGroup(box);
    auto* choices = new QHBoxLayout;
    choices->addWidget(addOption(MainOption::Rectangular, "optRect", "Rectangular", group));
    choices->addWidget(addOption(MainOption::Round, "optRounc", "Round", group));
    choices->addWidget(addOption(MainOption::Arbitrary, "optArbitrary", "Arbitarty", group));
    choices->addStretch();
    layout->addLayout(choices);

    auto* grid = new QGridLayout;
    const struct {
        MainInput input;
        const char* name;
        const char* caption;
    } rows[] = {{MainInput::Width, "txtRectb", "Width ="},
                {MainInput::Depth, "txtRecth", "Depth ="},
                {MainInput::Diameter, "txtCdiam", "Diameter ="}};
    int row = 0;
    for (const auto& r : rows) {
        ConfirmLineEdit* edit = addInput(r.input, r.name);
        captions_[at(r.input)]->setText(r.caption);
        addInputRow(grid, row++, captions_[at(r.input)], edit, unitLabels_[at(r.input)]);
    }
    editPoints_ = addButton("cmdEdPnts", "&Edit Points");
    grid->addWidget(editPoints_, 0, 3, 1, 1);
    grid->setColumnStretch(4, 1);
    layout->addLayout(grid);

    picGeom_ = new PictureWidget(box);
    picGeom_->setObjectName("picGeom");
    picGeom_->setMinimumSize(320, 320);
    layout->addWidget(picGeom_, 1);
    return box;
}

QGroupBox* MainWindow::buildMaterialGroup() {
    auto* box = new QGroupBox("Material Data", this);
    box->setObjectName("fraMaterial");
    auto* grid = new QGridLayout(box);
    const struct {
        MainInput input;
        const char* name;
        const char* caption;
    } rows[] = {{MainInput::Fpc, "txtfpc", "28 day conc. strength, f'c"},
                {MainInput::UnitWeight, "txtUnitWt", "Concrete Unit Weight"},
                {MainInput::Fy, "txtStlStren", "Steel Strength, fy"}};
    int row = 0;
    for (const auto& r : rows) {
        ConfirmLineEdit* edit = addInput(r.input, r.name);
        captions_[at(r.input)]->setText(r.caption);
        addInputRow(grid, row++, captions_[at(r.input)], edit, unitLabels_[at(r.input)]);
    }
    auto* codeLabel = addLabel("lblCode", box);
    codeLabel->setText("Design Code");
    designCode_ = new QComboBox(box);
    designCode_->setObjectName("cmbCode");
    for (std::string_view item : kDesignCodeItems) {
        designCode_->addItem(QString::fromUtf8(item.data(), static_cast<qsizetype>(item.size())));
    }
    // activated, not currentIndexChanged: showing a loaded project's edition is no choice.
    connect(designCode_, &QComboBox::activated, this, [this](int index) {
        presenter_.onDesignCodeSelected(index);
        render();
    });
    addInputRow(grid, row++, codeLabel, designCode_, nullptr);
    lblEc_ = addLabel("lblEc", box);
    lblEs_ = addLabel("lblEs", box);
    lblBeta1_ = addLabel("lblBeta1", box);
    grid->addWidget(lblEc_, row++, 0, 1, 3);
    grid->addWidget(lblEs_, row++, 0, 1, 3);
    grid->addWidget(lblBeta1_, row++, 0, 1, 3);
    return box;
}

QGroupBox* MainWindow::buildRebarGroup() {
    auto* box = new QGroupBox("Rebar Layout", this);
    box->setObjectName("fraRebar");
    auto* layout = new QVBoxLayout(box);

    auto* group = new QButtonGroup(box);
    auto* choices = new QHBoxLayout;
    choices->addWidget(addOption(MainOption::BarSets, "optBRect", "Rectangular", group));
    choices->addWidget(addOption(MainOption::Circle, "optRCirc", "Circular", group));
    choices->addWidget(addOption(MainOption::PlacedBars, "optBarbit", "Arbitrary", group));
    choices->addStretch();
    layout->addLayout(choices);

    auto* grid = new QGridLayout;
    int row = 0;
    const auto inputRow = [&](MainInput input, const char* name, const char* caption) {
        ConfirmLineEdit* edit = addInput(input, name);
        captions_[at(input)]->setText(caption);
        addInputRow(grid, row++, captions_[at(input)], edit, unitLabels_[at(input)]);
    };
    inputRow(MainInput::Cover, "txtClrCov", "Clear Cover");
    inputRow(MainInput::Spacing, "TxtClrSpace", "Clear Spacing");

    longBarLabel_ = addLabel("lblLBar", box);
    longBarLabel_->setText("Bar Size");
    longBar_ = new QComboBox(box);
    longBar_->setObjectName("cmbLBar");
    for (std::string_view item : kLongBarItems) {
        longBar_->addItem(QString::fromUtf8(item.data(), static_cast<qsizetype>(item.size())));
    }
    connect(longBar_, &QComboBox::activated, this, [this](int index) {
        presenter_.onLongBarSelected(index);
        render();
    });
    addInputRow(grid, row++, longBarLabel_, longBar_, nullptr);

    inputRow(MainInput::BarCount, "txtTotBars", "# of Bars");
    inputRow(MainInput::FirstBarAngle, "txtFAngle", "Ang. to 1st bar");
    grid->setColumnStretch(3, 1);
    layout->addLayout(grid);

    auto* editors = new QHBoxLayout;
    editBarSet_ = addButton("cmdEdBarSet", "Edit Bar Set");
    editBars_ = addButton("cmdEditBars", "Edit Bars");
    editors->addWidget(editBarSet_);
    editors->addWidget(editBars_);
    editors->addStretch();
    layout->addLayout(editors);

    autoRecompute_ = new QCheckBox("Auto Recompute", box);
    autoRecompute_->setObjectName("chkAReComp");
    connect(autoRecompute_, &QCheckBox::clicked, this,
            [this](bool checked) { presenter_.onAutoRecompute(checked); });
    layout->addWidget(autoRecompute_);

    auto* ties = new QGroupBox("Tie Bar Information", box);
    ties->setObjectName("fraTies");
    auto* tieLayout = new QGridLayout(ties);
    auto* tieGroup = new QButtonGroup(ties);
    tieLayout->addWidget(addOption(MainOption::Tied, "optTied", "Tied", tieGroup), 0, 0);
    tieLayout->addWidget(addOption(MainOption::Spiral, "optSpiral", "Spiral", tieGroup), 0, 1);
    QLabel* tieLabel = addLabel("lblTieSize", ties);
    tieLabel->setText("Bar Size");
    tieBar_ = new QComboBox(ties);
    tieBar_->setObjectName("cmbTieSize");
    for (std::string_view item : kTieBarItems) {
        tieBar_->addItem(QString::fromUtf8(item.data(), static_cast<qsizetype>(item.size())));
    }
    connect(tieBar_, &QComboBox::activated, this, [this](int index) {
        presenter_.onTieBarSelected(index);
        render();
    });
    tieLayout->addWidget(tieLabel, 1, 0);
    tieLayout->addWidget(tieBar_, 1, 1);
    tieLayout->setColumnStretch(2, 1);
    layout->addWidget(ties);
    layout->addStretch();
    return box;
}

QGroupBox* MainWindow::buildSummaryGroup() {
    auto* box = new QGroupBox("Misc. Information", this);
    box->setObjectName("fraSummary");
    auto* layout = new QVBoxLayout(box);
    const char* limitNames[] = {"lblAs",       "lblPercRein", "lblGrossA",  "lblPo",
                                "lblPhiPnMax", "lblTo",       "lblPhiTnMax"};
    for (std::size_t i = 0; i < limits_.size(); ++i) {
        limits_[i] = addLabel(limitNames[i], box);
        layout->addWidget(limits_[i]);
        // A gap between the areas and the axial limits.
        if (i == 2) {
            layout->addSpacing(8);
        }
    }
    layout->addSpacing(12);

    auto* caption = addLabel("lblPureBending", box);
    caption->setText("Pure Bending");
    QFont bold = caption->font();
    bold.setBold(true);
    caption->setFont(bold);
    layout->addWidget(caption);

    auto* grid = new QGridLayout;
    const char* headers[] = {"Mn", "phi*Mn", "Strain"};
    for (int c = 0; c < 3; ++c) {
        auto* header = new QLabel(headers[c], box);
        header->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(header, 0, c + 1);
    }
    const char* rowCaptions[] = {"+Mnx", "-Mnx", "+Mny", "-Mny"};
    const char* names[4][3] = {{"lblPosMnx", "lblPospMnx", "lblPoscbx"},
                               {"lblNegMnx", "lblNegpMnx", "lblNegcbx"},
                               {"lblPosMny", "lblPospMny", "lblPoscby"},
                               {"lblNegMny", "lblNegpMny", "lblNegcby"}};
    for (int r = 0; r < 4; ++r) {
        grid->addWidget(new QLabel(rowCaptions[r], box), r + 1, 0);
        for (int c = 0; c < 3; ++c) {
            QLabel* value = addLabel(names[r][c], box);
            value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            value->setMinimumWidth(80);
            grid->addWidget(value, r + 1, c + 1);
            pureBending_[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] = value;
        }
    }
    layout->addLayout(grid);
    flexuralUnits_ = addLabel("lblFlexUnits", box);
    layout->addWidget(flexuralUnits_);
    warnings_ = addLabel("lblWarnings", box);
    warnings_->setWordWrap(true);
    warnings_->hide();
    layout->addWidget(warnings_);
    loadVerdict_ = addLabel("lblLoadVerdict", box);
    loadVerdict_->setWordWrap(true);
    loadVerdict_->hide();
    layout->addWidget(loadVerdict_);
    layout->addStretch();
    return box;
}

QWidget* MainWindow::buildButtonRow() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    const struct {
        const char* name;
        const char* caption;
        MainButton button;
    } buttons[] = {{"cmdLoads", "Load Analysis", MainButton::Loads},
                   {"cmdResults", "P-M Diagrams", MainButton::Results},
                   {"cmdPnMn", "Pn && Mn", MainButton::SinglePoint},
                   {"cmdDesign", "Design...", MainButton::Design},
                   {"cmdLoadCases", "Load Cases...", MainButton::LoadCases},
                   {"cmdSlenderness", "Slenderness...", MainButton::Slenderness}};
    for (const auto& b : buttons) {
        QPushButton* button = addButton(b.name, b.caption);
        const MainButton which = b.button;
        connect(button, &QPushButton::clicked, this,
                [this, which] { requestWindow(presenter_.onButton(which)); });
        layout->addWidget(button);
    }
    layout->addStretch();
    QPushButton* exitButton = addButton("cmdExit", "&Exit");
    connect(exitButton, &QPushButton::clicked, this, [this] { requestExit(); });
    layout->addWidget(exitButton);

    // The editors belong to the groups above but open windows the same way.
    const std::pair<QPushButton*, MainButton> editors[] = {{editPoints_, MainButton::EditPoints},
                                                           {editBars_, MainButton::EditBars},
                                                           {editBarSet_, MainButton::EditBarSets}};
    for (const auto& [button, which] : editors) {
        const MainButton id = which;
        connect(button, &QPushButton::clicked, this,
                [this, id] { requestWindow(presenter_.onButton(id)); });
    }
    return row;
}

} // namespace pmsect
