// ReportWindow: the text area that fills the window and the three menu commands.
#include "ui/qt/report_window.h"

#include "ui/qt/fixed_pitch_font.h"
#include "ui/qt/paged_device_sink.h"
#include "ui/qt/pdf_document.h"
#include "ui/qt/window_support.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPageSize>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QVBoxLayout>

namespace pmsect {
namespace {

constexpr double kReportPointSize = 10;
constexpr int kLetterIndex = 0;
constexpr int kA4Index = 1;

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
    QAction* savePdf = menuBar()->addAction(qtText(v.savePdfCaption));
    savePdf->setObjectName("mnuSavePdf");
    connect(savePdf, &QAction::triggered, this, [this] {
        takeHeader();
        presenter_.onSavePdf();
        render();
    });
    presenter_.setPdfMaker(pdfDocument);
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
    lblPaper_ = new QLabel(central);
    lblPaper_->setObjectName("lblPaper");
    cmbPaper_ = new QComboBox(central);
    cmbPaper_->setObjectName("cmbPaper");
    cmbPaper_->addItems({"US Letter", "A4"});
    header->addWidget(lblPaper_, 2, 0);
    header->addWidget(cmbPaper_, 2, 1, Qt::AlignLeft);
    connect(cmbPaper_, &QComboBox::activated, this, [this](int index) {
        presenter_.setPaper(index == kA4Index ? PaperSize::A4 : PaperSize::Letter);
    });
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
    lblPaper_->setText(qtText(v.lblPaper));
    cmbPaper_->setCurrentIndex(v.paper == PaperSize::A4 ? kA4Index : kLetterIndex);
    // A box being typed in keeps what is typed.
    if (!txtTitle_->hasFocus()) {
        txtTitle_->setText(qtText(v.txtTitle));
    }
    if (!txtEngineer_->hasFocus()) {
        txtEngineer_->setText(qtText(v.txtEngineer));
    }
    showAs(*this, v.visible);
}

void ReportWindow::takeHeader() {
    // Whatever is typed counts, even without leaving the box first.
    presenter_.setTitle(txtTitle_->text().toStdString());
    presenter_.setEngineer(txtEngineer_->text().toStdString());
}

void ReportWindow::print() {
    takeHeader();
    printer_.setPageSize(
        QPageSize(presenter_.view().paper == PaperSize::A4 ? QPageSize::A4 : QPageSize::Letter));
    PagedDeviceSink sink(printer_, printer_.resolution(),
                         fixedPitchFont(presenter_.view().fontName, kPagePointSize));
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
