// FrmMain: the section, material and reinforcement inputs, the section summary and picture, the
// buttons to the other windows and the File, Output, Preferences and Information menus. Every
// event goes to the main window's presenter; the window then shows the presenter's view again.
#pragma once

#include "model/project_model.h"
#include "ui/application.h"
#include "ui/window_id.h"

#include <QMainWindow>
#include <array>
#include <functional>

class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace pmsect {

class ConfirmLineEdit;
class PictureWidget;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(Application& app, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Who shows the windows that the buttons and menus ask for, and who ends the program.
    void setWindowOpener(std::function<void(const WindowRequest&)> open) {
        openWindow_ = std::move(open);
    }
    void setExitHandler(std::function<void()> exitProgram) {
        exitProgram_ = std::move(exitProgram);
    }

    // Shows the presenter's view state. force also puts back inputs whose text the presenter
    // did not change (after New, Open and a change of units).
    void render(bool force = false);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Building the window.
    void buildMenus();
    QGroupBox* buildGeometryGroup();
    QGroupBox* buildMaterialGroup();
    QGroupBox* buildRebarGroup();
    QGroupBox* buildSummaryGroup();
    QWidget* buildButtonRow();
    ConfirmLineEdit* addInput(MainInput input, const char* name);
    QRadioButton* addOption(MainOption option, const char* name, const QString& caption,
                            QButtonGroup* group);
    QPushButton* addButton(const char* name, const QString& caption);
    QLabel* addLabel(const char* name, QWidget* parent = nullptr);

    // Events.
    void confirm(MainInput input);
    void requestWindow(const WindowRequest& request);
    // Exit: the program ends unless the user keeps unsaved work open.
    void requestExit();
    void runFileCommand(void (MainWindowPresenter::*command)());

    void renderInputs(bool force);
    void renderChoices();
    void renderSummary();
    void keepRoomForEveryControl();

    Application& app_;
    MainWindowPresenter& presenter_;
    std::function<void(const WindowRequest&)> openWindow_;
    std::function<void()> exitProgram_;

    std::array<ConfirmLineEdit*, kMainInputCount> inputs_{};
    std::array<QLabel*, kMainInputCount> captions_{};
    std::array<QLabel*, kMainInputCount> unitLabels_{};
    std::array<QRadioButton*, 8> options_{};
    QComboBox* longBar_ = nullptr;
    QLabel* longBarLabel_ = nullptr;
    QComboBox* tieBar_ = nullptr;
    QComboBox* designCode_ = nullptr; // cmbCode
    QCheckBox* autoRecompute_ = nullptr;
    QPushButton* editPoints_ = nullptr;
    QPushButton* editBarSet_ = nullptr;
    QPushButton* editBars_ = nullptr;
    QLabel* lblEc_ = nullptr;
    QLabel* lblEs_ = nullptr;
    QLabel* lblBeta1_ = nullptr;
    QLabel* flexuralUnits_ = nullptr;
    QLabel* warnings_ = nullptr;    // design warnings, shown only when there are some
    QLabel* loadVerdict_ = nullptr; // the governing load, shown only when there are loads
    // As, % reinforcement, gross area, Po, phi*Pn(max), To, phi*Tn(max).
    std::array<QLabel*, 7> limits_{};
    // Rows +Mnx, -Mnx, +Mny, -Mny; columns Mn, phi*Mn, strain.
    std::array<std::array<QLabel*, 3>, 4> pureBending_{};
    PictureWidget* picGeom_ = nullptr;

    // The model as the last summary left it: picGeom is redrawn only when a summary runs.
    ProjectModel pictured_;
    SectionResults picturedSection_;
    int picturedRevision_ = -1;
};

} // namespace pmsect
