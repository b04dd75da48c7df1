// ReportWindow: the text area that fills the window and the three menu commands.
#include "ui/qt/report_window.h"

#include "ui/qt/printer_page_sink.h"
#include "ui/qt/window_support.h"

#include <QAction>
#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace pmsect {
namespace {

constexpr double kReportPointSize = 10;

} // namespace

ReportWindow::ReportWindow(ReportPresenter& presenter, QPrinter& printer, QWidget* parent)
    : QMainWindow(parent), presenter_(presenter), printer_(printer) {
    setObjectName("frmOutput");
    const ReportView& v = presenter_.view();
    QAction* save = menuBar()->addAction(qtText(v.saveCaption));
    save->setObjectName("mnuPrintFile");
    connect(save, &QAction::triggered, this, [this] {
        presenter_.onSaveFile();
        render();
    });
    QAction* printEntry = menuBar()->addAction(qtText(v.printCaption));
    printEntry->setObjectName("mnuPrint");
    connect(printEntry, &QAction::triggered, this, &ReportWindow::print);
    QAction* exitEntry = menuBar()->addAction(qtText(v.exitCaption));
    exitEntry->setObjectName("mnuExit");
    connect(exitEntry, &QAction::triggered, this, [this] {
        presenter_.onExit();
        render();
    });

    auto* central = new QWidget(this);
    auto* header = new QGridLayout;
    lblTitle_ = new QLabel(central);
    lblTitle_->setObjectName("lblTitle");
    txtTitle_ = new QLineEdit(central);
    txtTitle_->setObjectName("txtTitle");
    lblEngineer_ = new QLabel(central);
    lblEngineer_->setObjectName("lblEngineer");
    txtEngineer_ = new QLineEdit(central);
    txtEngineer_->setObjectName("txtEngineer");
    header->addWidget(lblTitle_, 0, 0);
    header->addWidget(txtTitle_, 0, 1);
    header->addWidget(lblEngineer_, 1, 0);
    header->addWidget(txtEngineer_, 1, 1);
    // Each is kept when the typing is done, as the other boxes of the program confirm.
    connect(txtTitle_, &QLineEdit::editingFinished, this,
            [this] { presenter_.setTitle(txtTitle_->text().toStdString()); });
    connect(txtEngineer_, &QLineEdit::editingFinished, this,
            [this] { presenter_.setEngineer(txtEngineer_->text().toStdString()); });

    text_ = new QPlainTextEdit(central);
    text_->setObjectName("txtReport");
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setFont(fixedPitchFont(v.fontName, kReportPointSize));
    auto* column = new QVBoxLayout(central);
    column->addLayout(header);
    column->addWidget(text_, 1);
    setCentralWidget(central);
    resize(760, 640);
    render();
}

void ReportWindow::render() {
    const ReportView& v = presenter_.view();
    setWindowTitle(qtText(v.caption));
    // The report's lines end in CR LF; the text area keeps one line break per line.
    QString text = qtText(v.text);
    text.replace("\r\n", "\n");
    // Rebuilding the same text leaves the reader where they were.
    if (text_->toPlainText() != text) {
        text_->setPlainText(text);
    }
    lblTitle_->setText(qtText(v.lblTitle));
    lblEngineer_->setText(qtText(v.lblEngineer));
    // A box being typed in keeps what is typed.
    if (!txtTitle_->hasFocus()) {
        txtTitle_->setText(qtText(v.txtTitle));
    }
    if (!txtEngineer_->hasFocus()) {
        txtEngineer_->setText(qtText(v.txtEngineer));
    }
    showAs(*this, v.visible);
}

void ReportWindow::print() {
    // Whatever is typed counts, even without leaving the box first.
    presenter_.setTitle(txtTitle_->text().toStdString());
    presenter_.setEngineer(txtEngineer_->text().toStdString());
    PrinterPageSink sink(printer_, fixedPitchFont(presenter_.view().fontName, kReportPointSize));
    presenter_.onPrint(sink);
    render();
}

bool ReportWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && presenter_.view().visible) {
        presenter_.activate();
        render();
    }
    return QMainWindow::event(event);
}

void ReportWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    presenter_.onExit();
    render();
}

} // namespace pmsect
