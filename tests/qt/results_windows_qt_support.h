// Shared by the tests of the load table, the editors and the results windows: the program
// started to its main window, whose buttons open them.
#pragma once

#include "qt_test_support.h"
#include "ui/qt/grid_table_view.h"
#include "ui/qt/grid_window.h"
#include "ui/qt/main_window.h"
#include "ui/qt/program_windows.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace pmsect::test {

class ResultsWindowsQtTest : public MainWindowProgramTest {
protected:
    void SetUp() override {
        MainWindowProgramTest::SetUp();
        set = windows.get();
    }

    // A button of the main window, clicked as the user would.
    void clickMain(const char* name) { child<QAbstractButton>(main, name)->click(); }

    // Types text into a box and presses Enter the way a keyboard does.
    static void typeAndEnter(QLineEdit* edit, const QString& text) {
        ASSERT_NE(edit, nullptr);
        edit->setText(text);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");
        QApplication::sendEvent(edit, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, "\r");
        QApplication::sendEvent(edit, &release);
    }

    // A typed cell of a grid window, handed to its model as the cell editor does it.
    static bool editCell(GridWindow* window, int row, int column, const QString& text) {
        GridTableModel& m = window->grid().gridModel();
        return m.setData(m.index(row, column), text, Qt::EditRole);
    }
    static QString cell(GridWindow* window, int row, int column) {
        GridTableModel& m = window->grid().gridModel();
        return m.data(m.index(row, column)).toString();
    }

    ProgramWindows* set = nullptr;
};

} // namespace pmsect::test
