// frmResults, "Interaction Diagrams": the 2D diagram or contour and the 3D failure surface with
// their viewing controls, the axial limits, and the export of both results and both pictures.
// Every event goes to the results presenter; the window then shows its view state again.
#pragma once

#include "ui/qt/activating_window.h"
#include "ui/results_presenter.h"

#include <array>
#include <functional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace pmsect {

class ConfirmLineEdit;
class PictureWidget;
class ResultsExporter;

class ResultsWindow : public ActivatingWindow {
    Q_OBJECT
public:
    ResultsWindow(ResultsPresenter& presenter, ResultsExporter& exporter, const bool& taskRunning,
                  QWidget* parent = nullptr);

    void render();

    PictureWidget& picture2D() { return *pic2D_; }
    PictureWidget& picture3D() { return *pic3D_; }

protected:
    void onActivated() override;
    void onClosed() override;

private:
    QGroupBox* build2DFrame();
    QGroupBox* build3DFrame();
    QWidget* buildFoot();
    // Hover over the 2D plot; drag, wheel and double-click over the 3D view.
    void connectPictureMouse();
    QCheckBox* addCheck(const char* name, ResultsCheck which);
    ConfirmLineEdit* addBox(const char* name);
    QLabel* addLabel(const char* name);
    QScrollBar* addScrollBar(const char* name, Qt::Orientation orientation,
                             void (ResultsPresenter::*scroll)(int32_t),
                             void (ResultsPresenter::*change)(int32_t));
    // An event of this window: the presenter acts, the window shows the outcome.
    void run(const std::function<void()>& handling);
    void renderScrollBar(QScrollBar& bar, const ScrollBarView& v, int pageStep);
    void renderCheck(ResultsCheck which, const CheckBoxView& v);

    ResultsPresenter& presenter_;
    ResultsExporter& exporter_;

    QGroupBox* fra2D_ = nullptr;
    QRadioButton* optPnMn_ = nullptr;
    QRadioButton* optBiMn_ = nullptr;
    QLabel* lbl2DHorAngle_ = nullptr;
    ConfirmLineEdit* txt2DHorAngle_ = nullptr;
    QScrollBar* hsb2D_ = nullptr;
    PictureWidget* pic2D_ = nullptr;
    QLabel* lbl2DReadout_ = nullptr;
    QLabel* lblControlPoints_ = nullptr;

    QGroupBox* fra3D_ = nullptr;
    QLabel* lblNumSections_ = nullptr;
    ConfirmLineEdit* rxtNumSections_ = nullptr;
    QLabel* lbl3DHorAngle_ = nullptr;
    ConfirmLineEdit* txt3DHorAngle_ = nullptr;
    QLabel* lbl3DVertAngle_ = nullptr;
    ConfirmLineEdit* txt3DVertAngle_ = nullptr;
    QScrollBar* hsb3D_ = nullptr;
    QScrollBar* vsb3D_ = nullptr;
    PictureWidget* pic3D_ = nullptr;

    // In the order of ResultsCheck.
    std::array<QCheckBox*, 7> checks_{};
    QLabel* lblPo_ = nullptr;
    QLabel* lblPhiPnMax_ = nullptr;
    QLabel* lblTo_ = nullptr;
    QLabel* lblPhiTnMax_ = nullptr;
    QPushButton* cmdLrg3D_ = nullptr;
    QPushButton* cmdDone_ = nullptr;
    QPushButton* cmdExport_ = nullptr;
};

} // namespace pmsect
