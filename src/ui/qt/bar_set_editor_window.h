// frmEdBarSet: the bar-set grid with the orientation of the sets and the effective width and
// depth of the rectangle they are laid on.
#pragma once

#include "ui/bar_set_editor_presenter.h"
#include "ui/qt/grid_window.h"

class QLabel;
class QRadioButton;

namespace pmsect {

class ConfirmLineEdit;

class BarSetEditorWindow : public GridWindow {
    Q_OBJECT
public:
    BarSetEditorWindow(BarSetEditorPresenter& presenter, const bool& taskRunning,
                       QWidget* parent = nullptr);

    void render() override;

private:
    void confirmBox(BarSetBox box, ConfirmLineEdit* edit);

    BarSetEditorPresenter& presenter_;
    QLabel* parallel_;
    QRadioButton* optParaX_;
    QRadioButton* optParaY_;
    QLabel* widthLabel_;
    QLabel* depthLabel_;
    ConfirmLineEdit* txtEWidth_;
    ConfirmLineEdit* txtEDepth_;
    QLabel* widthUnit_;
    QLabel* depthUnit_;
};

} // namespace pmsect
