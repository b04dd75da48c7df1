// LoadCasesWindow: the controls laid out, their events forwarded, the presenter's view painted.
#include "ui/qt/load_cases_window.h"

#include "ui/qt/window_support.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

namespace pmsect {
namespace {

constexpr int kKindColumn = static_cast<int>(CaseColumn::Kind);

QTableWidget* makeTable(QWidget* parent, const char* name, int columns) {
    auto* table = new QTableWidget(0, columns, parent);
    table->setObjectName(name);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->verticalHeader()->setVisible(false);
    table->setWordWrap(false);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

struct Command {
    const char* name;
    const char* caption;
    std::function<void()> run;
};

// Buttons from the left, each running its command and then drawing the window again.
QHBoxLayout* buttonRow(LoadCasesWindow& window, QWidget* parent,
                       const std::vector<Command>& commands) {
    auto* row = new QHBoxLayout;
    for (const Command& command : commands) {
        auto* button = new QPushButton(command.caption, parent);
        button->setObjectName(command.name);
        button->setAutoDefault(false);
        row->addWidget(button);
        QObject::connect(button, &QPushButton::clicked, &window, [&window, run = command.run] {
            run();
            window.render();
        });
    }
    row->addStretch();
    return row;
}

QStringList qtTexts(const auto& texts) {
    QStringList list;
    for (const std::string& text : texts) {
        list << qtText(text);
    }
    return list;
}

} // namespace

LoadCasesWindow::LoadCasesWindow(LoadCasesPresenter& presenter, QWidget* parent)
    : QWidget(parent, Qt::Window), presenter_(presenter) {
    setObjectName("frmLoadCases");
    auto* layout = new QVBoxLayout(this);

    auto* top = new QHBoxLayout;
    auto* casesBox = new QGroupBox("Service load cases", this);
    auto* casesLayout = new QVBoxLayout(casesBox);
    // Its columns come with the first render: the end moments' only with slenderness data.
    cases_ = makeTable(casesBox, "grdLoadCases", 0);
    cases_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed);
    casesLayout->addWidget(cases_);
    connect(cases_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        const int row = item->row();
        const auto column = static_cast<CaseColumn>(item->column());
        const std::string text = item->text().toStdString();
        later([this, row, column, text] { presenter_.editCase(row, column, text); });
    });
    connect(cases_, &QTableWidget::currentCellChanged, this,
            [this](int row) { presenter_.selectCase(row); });
    casesLayout->addLayout(
        buttonRow(*this, casesBox,
                  {{"cmdAddCase", "&Add Case", [this] { presenter_.addCase(); }},
                   {"cmdDeleteCase", "De&lete Case", [this] { presenter_.deleteCase(); }}}));
    top->addWidget(casesBox, 1);

    auto* optionsBox = new QGroupBox("Options", this);
    auto* form = new QFormLayout(optionsBox);
    halfLive_ = new QCheckBox(qtText(std::string(kHalfLiveCaption)), optionsBox);
    halfLive_->setObjectName("chkHalfLive");
    form->addRow(halfLive_);
    connect(halfLive_, &QCheckBox::clicked, this, [this](bool on) {
        presenter_.setHalfLive(on);
        render();
    });
    const std::pair<QLineEdit**, CaseOption> boxes[] = {
        {&sds_, CaseOption::SDS}, {&liveFraction_, CaseOption::SustainedLiveFraction}};
    for (const auto& [box, option] : boxes) {
        *box = new QLineEdit(optionsBox);
        (*box)->setMaximumWidth(80);
        QLineEdit* edit = *box;
        const CaseOption which = option;
        connect(edit, &QLineEdit::editingFinished, this, [this, edit, which] {
            if (edit->isModified()) {
                edit->setModified(false);
                const std::string text = edit->text().toStdString();
                later([this, which, text] { presenter_.editOption(which, text); });
            }
        });
    }
    sds_->setObjectName("txtSDS");
    liveFraction_->setObjectName("txtSustainedLive");
    form->addRow("SDS (g)", sds_);
    form->addRow("Sustained share of L", liveFraction_);
    top->addWidget(optionsBox, 0, Qt::AlignTop);
    layout->addLayout(top, 3);

    auto* middle = new QHBoxLayout;
    auto* factorsBox = new QGroupBox("Factor table (ASCE 7-22 2.3.1, 2.3.6)", this);
    auto* factorsLayout = new QVBoxLayout(factorsBox);
    factors_ = makeTable(factorsBox, "grdFactorTable", 1 + static_cast<int>(kFactorKinds.size()));
    factors_->setSelectionBehavior(QAbstractItemView::SelectItems);
    factors_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                              QAbstractItemView::AnyKeyPressed);
    factors_->horizontalHeader()->setStretchLastSection(false);
    factorsLayout->addWidget(factors_);
    connect(factors_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        const int row = item->row();
        const LoadKind kind = kFactorKinds[static_cast<std::size_t>(item->column() - 1)];
        const std::string text = item->text().toStdString();
        later([this, row, kind, text] { presenter_.editFactor(row, kind, text); });
    });
    factorsLayout->addLayout(buttonRow(*this, factorsBox,
                                       {{"cmdRestoreFactors", "&Restore ASCE 7 Factors",
                                         [this] { presenter_.restoreStandardFactors(); }}}));
    restore_ = factorsBox->findChild<QPushButton*>("cmdRestoreFactors");
    middle->addWidget(factorsBox, 3);

    auto* usersBox = new QGroupBox("Combinations of your own", this);
    auto* usersLayout = new QVBoxLayout(usersBox);
    users_ = makeTable(usersBox, "grdUserCombinations", 1);
    users_->horizontalHeader()->setStretchLastSection(false);
    users_->setSelectionBehavior(QAbstractItemView::SelectItems);
    users_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed);
    usersLayout->addWidget(users_);
    connect(users_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        const int row = item->row();
        const int column = item->column();
        const std::string text = item->text().toStdString();
        later([this, row, column, text] {
            column == 0 ? presenter_.editUserName(row, text)
                        : presenter_.editUserFactor(row, column - 1, text);
        });
    });
    connect(users_, &QTableWidget::currentCellChanged, this,
            [this](int row) { presenter_.selectUserCombination(row); });
    usersLayout->addLayout(buttonRow(
        *this, usersBox,
        {{"cmdAddCombination", "Add Co&mbination", [this] { presenter_.addUserCombination(); }},
         {"cmdDeleteCombination", "Delete Com&bination",
          [this] { presenter_.deleteUserCombination(); }}}));
    middle->addWidget(usersBox, 2);
    layout->addLayout(middle, 4);

    auto* combinationsBox = new QGroupBox("Strength combinations, checked", this);
    auto* combinationsLayout = new QVBoxLayout(combinationsBox);
    combinations_ = makeTable(combinationsBox, "grdCombinations", 6);
    combinations_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    combinations_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    combinations_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    combinationsLayout->addWidget(combinations_);
    status_ = new QLabel(combinationsBox);
    status_->setObjectName("lblCombinations");
    status_->setWordWrap(true);
    combinationsLayout->addWidget(status_);
    layout->addWidget(combinationsBox, 3);

    addDoneRow(*this, *layout, [this] {
        presenter_.done();
        render();
    });
    setMinimumSize(1100, 960);
}

void LoadCasesWindow::later(std::function<void()> edit) {
    // Not inside the grid's own commit: the edit may show a message and the grid is redrawn.
    QTimer::singleShot(0, this, [this, edit = std::move(edit)] {
        edit();
        render();
    });
}

void LoadCasesWindow::render() {
    const LoadCasesView& v = presenter_.view();
    setWindowTitle(qtText(v.caption));
    renderCases();
    {
        const QSignalBlocker quiet(halfLive_);
        halfLive_->setChecked(v.halfLive);
    }
    for (const auto& [box, text] : {std::pair{sds_, &v.sds}, {liveFraction_, &v.liveFraction}}) {
        if (!box->hasFocus() || !box->isModified()) {
            box->setText(qtText(*text));
        }
    }
    renderFactors();
    renderUsers();
    renderCombinations();
    status_->setText(qtText(v.status));
    showAs(*this, v.visible);
}

void LoadCasesWindow::renderCases() {
    const LoadCasesView& v = presenter_.view();
    const QSignalBlocker quiet(cases_);
    const int columns = static_cast<int>(v.caseColumns.size());
    if (columns != cases_->columnCount()) {
        cases_->setColumnCount(columns);
        // The five columns share the grid's width, the Kind lists keeping the width they need;
        // with the end moments each takes what its heading needs and the grid scrolls.
        cases_->horizontalHeader()->setSectionResizeMode(
            columns > static_cast<int>(kCaseColumnCount) ? QHeaderView::ResizeToContents
                                                         : QHeaderView::Stretch);
        cases_->horizontalHeader()->setSectionResizeMode(kKindColumn,
                                                         QHeaderView::ResizeToContents);
    }
    cases_->setHorizontalHeaderLabels(qtTexts(v.caseColumns));
    cases_->setRowCount(static_cast<int>(v.cases.size()));
    for (int r = 0; r < static_cast<int>(v.cases.size()); ++r) {
        const auto& row = v.cases[static_cast<std::size_t>(r)];
        for (int c = 0; c < static_cast<int>(row.size()); ++c) {
            const std::string& text = row[static_cast<std::size_t>(c)];
            if (c == kKindColumn) {
                auto* kinds = qobject_cast<QComboBox*>(cases_->cellWidget(r, c));
                if (!kinds) {
                    kinds = new QComboBox(cases_);
                    kinds->addItems(qtTexts(v.kinds));
                    connect(kinds, &QComboBox::activated, this, [this, kinds](int) {
                        const int at = cases_->indexAt(kinds->pos()).row();
                        const std::string kind = kinds->currentText().toStdString();
                        later(
                            [this, at, kind] { presenter_.editCase(at, CaseColumn::Kind, kind); });
                    });
                    cases_->setCellWidget(r, c, kinds);
                }
                const QSignalBlocker quietKinds(kinds);
                kinds->setCurrentText(qtText(text));
                continue;
            }
            auto* item = new QTableWidgetItem(qtText(text));
            item->setTextAlignment(c == 0 ? Qt::AlignLeft | Qt::AlignVCenter
                                          : Qt::AlignRight | Qt::AlignVCenter);
            cases_->setItem(r, c, item);
        }
    }
    if (!v.cases.empty()) {
        cases_->setCurrentCell(v.currentCase,
                               cases_->currentColumn() < 0 ? 0 : cases_->currentColumn());
    }
}

void LoadCasesWindow::renderFactors() {
    const LoadCasesView& v = presenter_.view();
    const QSignalBlocker quiet(factors_);
    QStringList columns{"Combination"};
    for (const LoadKind kind : kFactorKinds) {
        columns << qtText(std::string(loadKindName(kind)));
    }
    factors_->setHorizontalHeaderLabels(columns);
    factors_->setRowCount(static_cast<int>(v.factorRows.size()));
    for (int r = 0; r < static_cast<int>(v.factorRows.size()); ++r) {
        const FactorRowView& row = v.factorRows[static_cast<std::size_t>(r)];
        auto* formula = new QTableWidgetItem(qtText(row.formula));
        formula->setFlags(formula->flags() & ~Qt::ItemIsEditable);
        factors_->setItem(r, 0, formula);
        for (int k = 0; k < static_cast<int>(kFactorKinds.size()); ++k) {
            const std::string& text = row.factors[static_cast<std::size_t>(k)];
            auto* item = new QTableWidgetItem(qtText(text));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            // A kind the row has no term of takes no factor.
            if (text.empty()) {
                item->setFlags(item->flags() & ~Qt::ItemIsEditable);
                item->setBackground(palette().window());
            }
            factors_->setItem(r, k + 1, item);
        }
    }
    restore_->setEnabled(!v.standardFactors);
    // Every factor in sight: the grid is as wide as its columns.
    factors_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    factors_->resizeColumnsToContents();
    int width = 2 * factors_->frameWidth() + factors_->verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < factors_->columnCount(); ++c) {
        width += factors_->columnWidth(c);
    }
    factors_->setMinimumWidth(width);
    factors_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
}

void LoadCasesWindow::renderUsers() {
    const LoadCasesView& v = presenter_.view();
    const QSignalBlocker quiet(users_);
    users_->setColumnCount(static_cast<int>(v.userColumns.size()));
    users_->setHorizontalHeaderLabels(qtTexts(v.userColumns));
    users_->setRowCount(static_cast<int>(v.users.size()));
    for (int r = 0; r < static_cast<int>(v.users.size()); ++r) {
        const UserCombinationView& row = v.users[static_cast<std::size_t>(r)];
        users_->setItem(r, 0, new QTableWidgetItem(qtText(row.name)));
        for (int c = 0; c < static_cast<int>(row.factors.size()); ++c) {
            auto* item = new QTableWidgetItem(qtText(row.factors[static_cast<std::size_t>(c)]));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            users_->setItem(r, c + 1, item);
        }
    }
    if (!v.users.empty()) {
        users_->setCurrentCell(v.currentUser, std::max(0, users_->currentColumn()));
    }
}

void LoadCasesWindow::renderCombinations() {
    const LoadCasesView& v = presenter_.view();
    const int columns = static_cast<int>(v.combinationColumns.size());
    combinations_->setColumnCount(columns);
    combinations_->setHorizontalHeaderLabels(qtTexts(v.combinationColumns));
    combinations_->setRowCount(static_cast<int>(v.combinations.size()));
    for (int r = 0; r < static_cast<int>(v.combinations.size()); ++r) {
        const CombinationRowView& row = v.combinations[static_cast<std::size_t>(r)];
        const std::vector<std::string> cells = combinationCells(row);
        for (int c = 0; c < columns; ++c) {
            auto* item = new QTableWidgetItem(qtText(cells[static_cast<std::size_t>(c)]));
            item->setTextAlignment(c == 0 ? Qt::AlignLeft | Qt::AlignVCenter
                                          : Qt::AlignRight | Qt::AlignVCenter);
            // As the load table marks a check beyond the design strength.
            if (c == columns - 1 && row.fails) {
                item->setForeground(Qt::red);
            }
            combinations_->setItem(r, c, item);
        }
    }
}

void LoadCasesWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    presenter_.done();
    render();
}

} // namespace pmsect
