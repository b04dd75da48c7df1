// FrmMain on the offscreen platform: its controls carry the program's names, a confirmed box
// reaches the presenter once and the labels show the new summary.
#include "engine/codes/aci318.h"
#include "project/design_code_choice.h"
#include "qt_test_support.h"
#include "ui/qt/main_window.h"
#include "ui/qt/picture_widget.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <cmath>

namespace pmsect::test {
namespace {

class MainWindowQtTest : public MainWindowProgramTest {
protected:
    QString label(const char* name) { return child<QLabel>(main, name)->text(); }

    // Types text into a box and presses Enter the way a keyboard does.
    void typeAndEnter(const char* name, const QString& text) {
        QLineEdit* edit = child<QLineEdit>(main, name);
        edit->setText(text);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");
        QApplication::sendEvent(edit, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, "\r");
        QApplication::sendEvent(edit, &release);
    }
};

TEST_F(MainWindowQtTest, ControlsCarryTheProgramsNames) {
    EXPECT_EQ(main->objectName(), "FrmMain");
    for (const char* name :
         {"txtfpc", "txtRectb", "txtRecth", "txtCdiam", "txtClrCov", "TxtClrSpace", "txtTotBars",
          "txtFAngle", "txtUnitWt", "txtStlStren"}) {
        child<QLineEdit>(main, name);
    }
    for (const char* name : {"optRect", "optRounc", "optArbitrary", "optBRect", "optRCirc",
                             "optBarbit", "optTied", "optSpiral"}) {
        child<QRadioButton>(main, name);
    }
    for (const char* name : {"cmbLBar", "cmbTieSize"}) {
        child<QComboBox>(main, name);
    }
    for (const char* name :
         {"lblAs",       "lblPercRein",    "lblGrossA",  "lblPo",     "lblPhiPnMax", "lblTo",
          "lblPhiTnMax", "lblPosMnx",      "lblPospMnx", "lblPoscbx", "lblNegMnx",   "lblNegpMnx",
          "lblNegcbx",   "lblPosMny",      "lblPospMny", "lblPoscby", "lblNegMny",   "lblNegpMny",
          "lblNegcby",   "lblPureBending", "lblEc",      "lblEs",     "lblBeta1"}) {
        child<QLabel>(main, name);
    }
    for (const char* name : {"cmdEdPnts", "cmdEdBarSet", "cmdEditBars", "cmdLoads", "cmdResults",
                             "cmdPnMn", "cmdExit"}) {
        child<QWidget>(main, name);
    }
    child<PictureWidget>(main, "picGeom");
    EXPECT_EQ(child<QCheckBox>(main, "chkAReComp")->text(), "Auto Recompute");

    QStringList groups;
    for (const QGroupBox* box : main->findChildren<QGroupBox*>()) {
        groups << box->title();
    }
    for (const char* title : {"Concrete Geometry", "Material Data", "Rebar Layout",
                              "Tie Bar Information", "Misc. Information"}) {
        EXPECT_TRUE(groups.contains(title)) << title;
    }
    QStringList menus;
    for (const QAction* action : main->menuBar()->actions()) {
        menus << action->text();
    }
    EXPECT_EQ(menus, (QStringList{"&File", "&Output", "&Preferences", "&Information"}));
    EXPECT_EQ(main->windowTitle(),
              "PMSECT:  R.C. Section Axial & Flexural Strength Analysis (ACI 318-05)");
}

TEST_F(MainWindowQtTest, NewProjectDefaultsAreShown) {
    EXPECT_EQ(child<QLineEdit>(main, "txtRectb")->text(), "12");
    EXPECT_EQ(child<QLineEdit>(main, "txtRecth")->text(), "18");
    EXPECT_EQ(child<QLineEdit>(main, "txtClrCov")->text(), "1.5");
    EXPECT_EQ(child<QComboBox>(main, "cmbLBar")->currentText(), "5");
    EXPECT_TRUE(child<QRadioButton>(main, "optRect")->isChecked());
    EXPECT_TRUE(child<QRadioButton>(main, "optBRect")->isChecked());
    EXPECT_TRUE(child<QRadioButton>(main, "optTied")->isChecked());
    EXPECT_FALSE(child<QRadioButton>(main, "optSpiral")->isEnabled());
    EXPECT_FALSE(child<QLineEdit>(main, "txtCdiam")->isEnabled());
    // 12 x 18 in.
    EXPECT_EQ(label("lblGrossA"), "Gross Area = 216.00 in^2");
    EXPECT_EQ(label("lblEs"), "Steel Mod. of Elasticity = 29,000,000 psi");
}

TEST_F(MainWindowQtTest, EnterInFpcRecomputesTheMaterialLinesAndLimits) {
    QLineEdit* fpc = child<QLineEdit>(main, "txtfpc");
    fpc->setText("4000");
    QMetaObject::invokeMethod(fpc, "returnPressed");

    // Ec = 33 wc^1.5 sqrt(f'c) = 33 * 145^1.5 * sqrt(4000), to the nearest psi.
    const double ec = 33 * std::pow(145.0, 1.5) * std::sqrt(4000.0);
    EXPECT_NEAR(ec, 3644147, 0.5);
    EXPECT_EQ(label("lblEc"), "Conc. Mod. of Elasticity = 3,644,147 psi");
    // beta1 stays 0.85 up to 4000 psi.
    EXPECT_EQ(label("lblBeta1"), "Beta1 = 0.85");
    // Po = -(0.85 f'c (Ag - As) + fy As) with 20 #5 bars, As = 6.2 in2:
    // -(3400 * 209.8 + 60000 * 6.2) lb = -1,085.32 k.
    EXPECT_EQ(label("lblPo"), "Po = -1,085.32 k");
    // phi*Pn(max) = 0.80 * 0.65 * Po.
    EXPECT_EQ(label("lblPhiPnMax"), "phi*Pn(max) = -564.37 k");
    EXPECT_TRUE(platform.messages.empty());
}

// A refused strength leaves the box with the value it had; a yield strength above the code's
// limit shows the warning line under the summary, and it goes again at 60,000 psi.
TEST_F(MainWindowQtTest, ImpossibleStrengthIsRefusedAndHighYieldWarned) {
    QLineEdit* fpc = child<QLineEdit>(main, "txtfpc");
    fpc->setText("-3000");
    QMetaObject::invokeMethod(fpc, "returnPressed");
    EXPECT_EQ(platform.messages,
              std::vector<std::string>{"28 day strength must lie between 500 and 30,000 psi"});
    EXPECT_EQ(fpc->text(), "3000");
    EXPECT_EQ(label("lblEc"), "Conc. Mod. of Elasticity = 3,155,924 psi");

    QLabel* warning = child<QLabel>(main, "lblWarnings");
    EXPECT_TRUE(warning->isHidden());
    QLineEdit* fy = child<QLineEdit>(main, "txtStlStren");
    fy->setText("90000");
    QMetaObject::invokeMethod(fy, "returnPressed");
    EXPECT_FALSE(warning->isHidden());
    EXPECT_EQ(warning->text().toStdString(), kHighYieldWarning);
    fy->setText("60000");
    QMetaObject::invokeMethod(fy, "returnPressed");
    EXPECT_TRUE(warning->isHidden());
}

TEST_F(MainWindowQtTest, OneEnterKeyIsOneConfirmation) {
    typeAndEnter("txtfpc", "abc");
    EXPECT_EQ(platform.messages, std::vector<std::string>{"28 day strength must be numeric"});
    EXPECT_EQ(child<QLineEdit>(main, "txtfpc")->text(), "3000");

    platform.messages.clear();
    typeAndEnter("txtClrCov", "-2");
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(child<QLineEdit>(main, "txtClrCov")->text(), "2");
    EXPECT_FLOAT_EQ(app->model().clearCover, 2.0f);
}

TEST_F(MainWindowQtTest, LeavingAnEditedBoxConfirmsItOnce) {
    QLineEdit* width = child<QLineEdit>(main, "txtRectb");
    width->selectAll();
    // Typed key by key, so that the box knows it was edited.
    for (const char* key : {"2", "0"}) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_2, Qt::NoModifier, key);
        QApplication::sendEvent(width, &press);
    }
    EXPECT_EQ(width->text(), "20");
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(width, &out);
    EXPECT_FLOAT_EQ(app->model().rectB, 20.0f);
    // 20 x 18 in.
    EXPECT_EQ(label("lblGrossA"), "Gross Area = 360.00 in^2");
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(MainWindowQtTest, RoundSectionEnablesTheDiameter) {
    child<QRadioButton>(main, "optRounc")->click();
    EXPECT_TRUE(child<QLineEdit>(main, "txtCdiam")->isEnabled());
    EXPECT_FALSE(child<QLineEdit>(main, "txtRectb")->isEnabled());
    // The 16 in circle as its outline of 96 points: 96 / 2 * 8^2 * sin(360 / 96 degrees), within
    // 0.1 % of pi * 16^2 / 4 = 201.06 in^2.
    const double area = 48 * 64 * std::sin(2 * 3.14159 / 96);
    EXPECT_NEAR(area, 200.92, 0.005);
    EXPECT_EQ(label("lblGrossA"), "Gross Area = 200.92 in^2");
}

} // namespace
} // namespace pmsect::test
