// ReportWindow: the text area that fills the window and the three menu commands.
#include "ui/qt/report_window.h"

#include "ui/qt/printer_page_sink.h"
#include "ui/qt/window_support.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenuBar>
#include <QPlainTextEdit>

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

    text_ = new QPlainTextEdit(this);
    text_->setObjectName("txtReport");
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setFont(fixedPitchFont(v.fontName, kReportPointSize));
    setCentralWidget(text_);
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
    showAs(*this, v.visible);
}

void ReportWindow::print() {
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
