// The "PMSECT Output" window: the project title and the engineer for the printed header above
// the report in a fixed-pitch font, with "Print&File", "&Print" and "&Exit" in its menu bar.
#pragma once

#include "ui/report_presenter.h"

#include <QMainWindow>

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
    // "&Print": the print dialog, then the pages on the printer.
    void print();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    ReportPresenter& presenter_;
    QPrinter& printer_;
    QLabel* lblTitle_;
    QLineEdit* txtTitle_;
    QLabel* lblEngineer_;
    QLineEdit* txtEngineer_;
    QPlainTextEdit* text_;
};

} // namespace pmsect
