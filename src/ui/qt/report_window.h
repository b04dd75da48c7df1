// The "PMSECT Output" window: the project title, the engineer and the paper of the calculation
// above the text report in a fixed-pitch font, with "Print&File", "&Print", "Save PDF..." and
// "&Exit" in its menu bar.
#pragma once

#include "ui/report_presenter.h"

#include <QMainWindow>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPrinter;

namespace pmsect {

class ReportWindow : public QMainWindow {
    Q_OBJECT
public:
    // printer is the one the platform's print dialog sets up.
    ReportWindow(ReportPresenter& presenter, QPrinter& printer, QWidget* parent = nullptr);

    void render();
    // "&Print": the print dialog, then the calculation's pages on the printer.
    void print();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // The title and the engineer as typed, handed to the presenter.
    void takeHeader();

    ReportPresenter& presenter_;
    QPrinter& printer_;
    QLabel* lblTitle_;
    QLineEdit* txtTitle_;
    QLabel* lblEngineer_;
    QLineEdit* txtEngineer_;
    QLabel* lblPaper_;
    QComboBox* cmbPaper_;
    QPlainTextEdit* text_;
};

} // namespace pmsect
