// frmResults and frmLrg3Dview on the offscreen platform: opened by "P-M Diagrams", the wait
// window painting its red progress lines, the pictures painted, the 3D view turned from the
// stored surface without a new computation, and the export of data and pictures.
#include "engine/strain_compat.h"
#include "results_windows_qt_support.h"
#include "ui/qt/large_view_window.h"
#include "ui/qt/picture_widget.h"
#include "ui/qt/qpainter_canvas.h"
#include "ui/qt/results_exporter.h"
#include "ui/qt/results_window.h"
#include "ui/qt/wait_window.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QRadioButton>
#include <QScrollBar>
#include <QWheelEvent>
#include <cmath>
#include <fstream>
#include <sstream>

namespace pmsect::test {
namespace {

// Pixels of a palette colour as painted on the black picture area; lines are smoothed, so a
// pixel counts when it is close to the colour.
int pixelsOf(const QImage& image, int colour) {
    const QColor wanted = canvasColour(colour, CanvasBackground::Black);
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const int distance = std::abs(c.red() - wanted.red()) +
                                 std::abs(c.green() - wanted.green()) +
                                 std::abs(c.blue() - wanted.blue());
            n += distance < 60 ? 1 : 0;
        }
    }
    return n;
}

std::vector<std::string> fileLines(const std::string& path) {
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

// Records what the wait window's first progress line looked like each time it was painted.
class PaintRecorder : public QObject {
public:
    struct Paint {
        QString title;
        QString text;
        QString style;
        bool modal = false;
    };
    std::vector<Paint> paints;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            auto* label = static_cast<QLabel*>(watched);
            QWidget* window = label->window();
            paints.push_back({window->windowTitle(), label->text(), label->styleSheet(),
                              window->isModal() && window->isVisible()});
        }
        return false;
    }
};

class ResultsWindowQtTest : public ResultsWindowsQtTest {
protected:
    void openResults() {
        clickMain("cmdResults");
        results = set->resultsWindow();
        ASSERT_NE(results, nullptr);
    }
    const ResultsView& view() { return app->results().view(); }
    template <typename T> T* control(const char* name) { return child<T>(results, name); }

    ResultsWindow* results = nullptr;
};

TEST_F(ResultsWindowQtTest, PmDiagramsComputesBothResultsAndShowsTheWindow) {
    openResults();
    EXPECT_TRUE(results->isVisible());
    EXPECT_EQ(results->objectName(), "frmResults");
    EXPECT_EQ(results->windowTitle(), "Interaction Diagrams");
    for (const char* name : {"lbl2DHorAngle", "lblNumSections", "lbl3DHorAngle", "lbl3DVertAngle",
                             "lblPo", "lblPhiPnMax", "lblTo", "lblPhiTnMax"}) {
        control<QLabel>(name);
    }
    for (const char* name :
         {"txt2DHorAngle", "rxtNumSections", "txt3DHorAngle", "txt3DVertAngle"}) {
        control<QLineEdit>(name);
    }
    for (const char* name : {"hsb2D", "hsb3D", "vsb3D"}) {
        control<QScrollBar>(name);
    }
    for (const char* name : {"chk2Dwophi", "chk2Dwphi", "chk2DDrwSec", "chk3Dwophi", "chk3Dwphi",
                             "chk3DLoads", "chk3DSection"}) {
        control<QCheckBox>(name);
    }
    EXPECT_EQ(control<QGroupBox>("fra2D")->title(), "2D Viewing Parameters");
    EXPECT_EQ(control<QGroupBox>("fra3D")->title(), "3D Viewing Parameters");
    EXPECT_TRUE(control<QRadioButton>("optPnMn")->isChecked());
    EXPECT_EQ(control<QRadioButton>("optBiMn")->text(), "Biaxial Mn");
    EXPECT_EQ(control<QPushButton>("cmdLrg3D")->text(), "Large 3D View");
    EXPECT_EQ(control<QPushButton>("cmdDone")->text(), "&Done");
    control<PictureWidget>("pic2D");
    control<PictureWidget>("pic3D");

    EXPECT_EQ(control<QLineEdit>("txt2DHorAngle")->text(), "90");
    EXPECT_EQ(control<QScrollBar>("hsb2D")->maximum(), 360);
    EXPECT_EQ(control<QScrollBar>("hsb2D")->value(), 90);
    EXPECT_EQ(control<QLineEdit>("rxtNumSections")->text(), "8");
    EXPECT_EQ(control<QLineEdit>("txt3DHorAngle")->text(), "45");
    // The vertical angle box shows the opposite sign of its scroll bar.
    EXPECT_EQ(control<QScrollBar>("vsb3D")->value(), -30);
    EXPECT_EQ(control<QLineEdit>("txt3DVertAngle")->text(), "30");
    EXPECT_FALSE(control<QCheckBox>("chk2DDrwSec")->isEnabled());
    EXPECT_TRUE(control<QLabel>("lblPo")->text().startsWith("Po = "));

    EXPECT_FALSE(app->data().curvesStale);
    EXPECT_FALSE(app->data().surfaceStale);
    EXPECT_GT(app->data().curve.count, 2);
    EXPECT_EQ(app->data().surface.sections, 8);
    ASSERT_NE(set->waitWindow(), nullptr);
    EXPECT_FALSE(set->waitWindow()->isVisible());
    EXPECT_EQ(app->pointer().busyCount(), 0);

    // Both pictures paint the nominal (colour 6) and the reduced (colour 10) results.
    QApplication::processEvents();
    const QImage plot = results->picture2D().image();
    EXPECT_GT(pixelsOf(plot, kDarkYellow), 20);
    EXPECT_GT(pixelsOf(plot, kLightGreen), 20);
    const QImage view3D = results->picture3D().image();
    EXPECT_GT(pixelsOf(view3D, kDarkYellow), 20);
    EXPECT_GT(pixelsOf(view3D, kLightGreen), 20);
}

TEST_F(ResultsWindowQtTest, TheWaitWindowPaintsRedProgressLinesWhileTheSurfaceIsComputed) {
    openResults();
    WaitWindow* wait = set->waitWindow();
    ASSERT_NE(wait, nullptr);
    PaintRecorder recorder;
    auto* line2 = wait->findChild<QLabel*>("lblLine2");
    ASSERT_NE(line2, nullptr);
    line2->installEventFilter(&recorder);

    const long long before = evaluationCount();
    typeAndEnter(control<QLineEdit>("rxtNumSections"), "6");
    EXPECT_GT(evaluationCount(), before);
    EXPECT_EQ(app->data().surface.sections, 6);
    EXPECT_EQ(control<QLineEdit>("rxtNumSections")->text(), "6");

    const Rgb red = paletteRgb(kLightRed);
    const QString redStyle = QString("rgb(%1, %2, %3)").arg(red.r).arg(red.g).arg(red.b);
    int redPaints = 0;
    for (const PaintRecorder::Paint& p : recorder.paints) {
        if (!p.text.isEmpty() && p.style.contains(redStyle)) {
            ++redPaints;
            EXPECT_EQ(p.title, "Computing 3D");
            EXPECT_TRUE(p.modal);
        }
    }
    // The progress was painted while the computation went on, not only at its end.
    EXPECT_GT(redPaints, 1);
    EXPECT_FALSE(wait->isVisible());
    EXPECT_EQ(wait->findChild<QLabel*>("lblLine1")->text(), "Computing 3D Surface Data");
    EXPECT_TRUE(line2->styleSheet().isEmpty()) << "black again once the task has ended";
    line2->removeEventFilter(&recorder);
}

TEST_F(ResultsWindowQtTest, TurningThe3DViewRedrawsWithoutComputing) {
    openResults();
    QScrollBar* hsb = control<QScrollBar>("hsb3D");
    QLineEdit* box = control<QLineEdit>("txt3DHorAngle");
    const QImage before = results->picture3D().image();
    const long long evaluations = evaluationCount();
    const int serial = view().view3DSerial;

    hsb->setValue(120);
    EXPECT_EQ(box->text(), "120");
    EXPECT_EQ(view().hsb3D.value, 120);
    EXPECT_EQ(view().view3DSerial, serial + 1);
    EXPECT_NE(results->picture3D().image(), before);

    // A drag shows the value in the box only; letting go turns the view once.
    hsb->setSliderDown(true);
    hsb->setSliderPosition(200);
    EXPECT_EQ(box->text(), "200");
    EXPECT_EQ(view().hsb3D.value, 120);
    EXPECT_EQ(view().view3DSerial, serial + 1);
    hsb->setSliderDown(false);
    EXPECT_EQ(view().hsb3D.value, 200);
    EXPECT_EQ(view().view3DSerial, serial + 2);

    control<QScrollBar>("vsb3D")->setValue(-60);
    EXPECT_EQ(control<QLineEdit>("txt3DVertAngle")->text(), "60");
    control<QCheckBox>("chk3DLoads")->click();
    EXPECT_FALSE(view().chk3DLoads.checked);
    typeAndEnter(box, "300");
    EXPECT_EQ(hsb->value(), 300);
    EXPECT_EQ(evaluationCount(), evaluations);
}

// The mouse as a hand moves it over a picture.
void mouse(QWidget& picture, QEvent::Type type, QPointF at, Qt::MouseButtons held,
           Qt::MouseButton button = Qt::LeftButton) {
    QMouseEvent event(type, at, picture.mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(&picture, &event);
}

TEST_F(ResultsWindowQtTest, TheMouseTurnsTheViewAndReadsThePlot) {
    openResults();
    PictureWidget& pic3D = results->picture3D();
    const long long evaluations = evaluationCount();
    mouse(pic3D, QEvent::MouseButtonPress, {100, 100}, Qt::LeftButton);
    mouse(pic3D, QEvent::MouseMove, {160, 80}, Qt::LeftButton);
    mouse(pic3D, QEvent::MouseButtonRelease, {160, 80}, Qt::NoButton);
    // 60 across and 20 up from 45 / 30.
    EXPECT_EQ(control<QLineEdit>("txt3DHorAngle")->text(), "75");
    EXPECT_EQ(control<QScrollBar>("hsb3D")->value(), 75);
    EXPECT_EQ(control<QLineEdit>("txt3DVertAngle")->text(), "20");
    EXPECT_EQ(control<QScrollBar>("vsb3D")->value(), -20);
    // Moving without the button turns nothing.
    mouse(pic3D, QEvent::MouseMove, {10, 10}, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(control<QScrollBar>("hsb3D")->value(), 75);
    QWheelEvent wheel({50, 50}, pic3D.mapToGlobal(QPointF(50, 50)), {}, {0, 120}, Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&pic3D, &wheel);
    mouse(pic3D, QEvent::MouseButtonDblClick, {50, 50}, Qt::LeftButton);
    EXPECT_EQ(control<QLineEdit>("txt3DHorAngle")->text(), "45");
    EXPECT_EQ(control<QScrollBar>("vsb3D")->value(), -30);
    EXPECT_EQ(evaluationCount(), evaluations);

    // Over the 2D plot, once painted, the readout follows the pointer; the control points are
    // listed.
    results->picture2D().image();
    mouse(results->picture2D(), QEvent::MouseMove, {0, 0}, Qt::NoButton, Qt::NoButton);
    EXPECT_TRUE(control<QLabel>("lbl2DReadout")->text().startsWith("Pn = "));
    EXPECT_TRUE(control<QLabel>("lblControlPoints")->text().contains("Pure bending"));
}

TEST_F(ResultsWindowQtTest, The2DAngleComputesTheCurveAtTheNewDirection) {
    openResults();
    const long long evaluations = evaluationCount();
    control<QScrollBar>("hsb2D")->setValue(45);
    EXPECT_EQ(control<QLineEdit>("txt2DHorAngle")->text(), "45");
    EXPECT_GT(evaluationCount(), evaluations);
    EXPECT_FALSE(app->data().curvesStale);

    typeAndEnter(control<QLineEdit>("txt2DHorAngle"), "abc");
    ASSERT_FALSE(platform.messages.empty());
    EXPECT_EQ(platform.messages.back(), "2D Horiz. Angle must be numeric");
    EXPECT_EQ(control<QLineEdit>("txt2DHorAngle")->text(), "45");
    // 360 is outside the open range: the scroll bar's value comes back without a message.
    const std::size_t messages = platform.messages.size();
    typeAndEnter(control<QLineEdit>("txt2DHorAngle"), "360");
    EXPECT_EQ(control<QLineEdit>("txt2DHorAngle")->text(), "45");
    EXPECT_EQ(platform.messages.size(), messages);
}

TEST_F(ResultsWindowQtTest, BiaxialModeSpansTheAxialLimitsAndComesBackAt90) {
    openResults();
    control<QRadioButton>("optBiMn")->click();
    EXPECT_TRUE(view().biaxial);
    EXPECT_EQ(control<QLabel>("lbl2DHorAngle")->text(), "Pn");
    EXPECT_EQ(control<QLineEdit>("txt2DHorAngle")->text(), "0");
    EXPECT_TRUE(control<QCheckBox>("chk2DDrwSec")->isEnabled());
    // Po and To are held in pounds; the scroll bar spans them in kips.
    const AxialLimits& limits = app->data().section.limits;
    QScrollBar* hsb = control<QScrollBar>("hsb2D");
    EXPECT_EQ(hsb->minimum(), std::lround(std::min(limits.Po, limits.To) / 1000.0));
    EXPECT_EQ(hsb->maximum(), std::lround(std::max(limits.Po, limits.To) / 1000.0));
    EXPECT_EQ(hsb->value(), 0);
    QApplication::processEvents();
    EXPECT_GT(pixelsOf(results->picture2D().image(), kLightMagenta), 10) << "the section";

    control<QRadioButton>("optPnMn")->click();
    EXPECT_EQ(control<QLabel>("lbl2DHorAngle")->text(), "Horiz. Angle");
    EXPECT_EQ(control<QLineEdit>("txt2DHorAngle")->text(), "90");
    EXPECT_EQ(hsb->maximum(), 360);
    EXPECT_FALSE(control<QCheckBox>("chk2DDrwSec")->isEnabled());
}

TEST_F(ResultsWindowQtTest, DoneAndTheFrameHideTheWindow) {
    openResults();
    control<QPushButton>("cmdDone")->click();
    EXPECT_FALSE(results->isVisible());
    clickMain("cmdResults");
    EXPECT_TRUE(results->isVisible());
    results->close();
    EXPECT_FALSE(results->isVisible());
    EXPECT_FALSE(view().visible);
}

TEST_F(ResultsWindowQtTest, TheLargeViewTurnsTheStoredSurface) {
    openResults();
    control<QPushButton>("cmdLrg3D")->click();
    LargeViewWindow* large = set->largeViewWindow();
    ASSERT_NE(large, nullptr);
    EXPECT_TRUE(large->isVisible());
    EXPECT_EQ(large->objectName(), "frmLrg3Dview");
    // As high as the results window and one and a half times as wide.
    EXPECT_EQ(large->height(), results->height());
    EXPECT_NEAR(large->width(), 1.5 * results->height(), 1.0);
    EXPECT_EQ(child<QLabel>(large, "lblHang")->text(), "Horizontal Angle = 45 deg");
    EXPECT_EQ(child<QLabel>(large, "lblVang")->text(), "Vertical Angle = 30 deg");
    EXPECT_EQ(app->pointer().busyCount(), 0);

    // A 900 x 600 pixel window is 13500 x 9000 twips: the scroll bars sit 400 twips from the
    // right and 1280 from the bottom, the picture fills the corner they leave.
    large->resize(900, 600);
    QApplication::processEvents();
    EXPECT_EQ(large->picture().geometry(), QRect(0, 0, 873, 515));
    EXPECT_EQ(child<QScrollBar>(large, "vsbVang")->geometry().left(), 873);
    EXPECT_EQ(child<QScrollBar>(large, "hsbHang")->geometry().top(), 515);
    EXPECT_EQ(child<QScrollBar>(large, "hsbHang")->geometry().width(), 873);
    EXPECT_EQ(child<QPushButton>(large, "cmdDone")->geometry().topLeft(), QPoint(780, 540));

    const long long evaluations = evaluationCount();
    const QImage before = large->picture().image();
    EXPECT_GT(pixelsOf(before, kDarkYellow), 20);
    QScrollBar* hang = child<QScrollBar>(large, "hsbHang");
    hang->setSliderDown(true);
    hang->setSliderPosition(100);
    EXPECT_EQ(child<QLabel>(large, "lblHang")->text(), "Horizontal Angle = 100 deg");
    EXPECT_EQ(app->largeView().view().hsbHang.value, 45);
    hang->setSliderDown(false);
    EXPECT_EQ(app->largeView().view().hsbHang.value, 100);
    EXPECT_NE(large->picture().image(), before);
    child<QScrollBar>(large, "vsbVang")->setValue(10);
    EXPECT_EQ(child<QLabel>(large, "lblVang")->text(), "Vertical Angle = -10 deg");
    child<QCheckBox>(large, "chk3Dwphi")->click();
    EXPECT_EQ(pixelsOf(large->picture().image(), kLightGreen), 0);
    EXPECT_EQ(evaluationCount(), evaluations);

    child<QPushButton>(large, "cmdDone")->click();
    EXPECT_FALSE(large->isVisible());
}

TEST_F(ResultsWindowQtTest, ExportsTheCurveTheSurfaceAndBothPictures) {
    openResults();
    auto trigger = [this](const char* name) {
        QAction* action = results->findChild<QAction*>(name);
        ASSERT_NE(action, nullptr) << name;
        action->trigger();
    };
    // A name without extension gets the format's own.
    platform.saveAnswers.push_back(dir.file("curve"));
    trigger("mnuExport2DData");
    const auto curve = fileLines(dir.file("curve.csv"));
    ASSERT_FALSE(curve.empty());
    EXPECT_EQ(curve[0], "phi,Pn (k),Mn (ft-k),found");
    EXPECT_EQ(static_cast<int>(curve.size()), app->data().curve.count + 1);
    ASSERT_FALSE(platform.dialogRequests.empty());
    EXPECT_NE(platform.dialogRequests.back().filters.find("*.csv"), std::string::npos);

    platform.saveAnswers.push_back(dir.file("surface.csv"));
    trigger("mnuExportSurface");
    const SurfaceData& s = app->data().surface;
    EXPECT_EQ(static_cast<int>(fileLines(dir.file("surface.csv")).size()),
              s.sections * s.rowCount + 1);

    platform.saveAnswers.push_back(dir.file("diagram"));
    trigger("mnuExport2DPicture");
    std::ifstream svg(dir.file("diagram.svg"));
    std::stringstream text;
    text << svg.rdbuf();
    EXPECT_EQ(text.str().rfind("<?xml", 0), 0u);
    EXPECT_NE(text.str().find("<svg"), std::string::npos);
    // On white, under the title line that names the project, the diagram and the edition.
    EXPECT_NE(text.str().find("fill=\"#ffffff\"/>"), std::string::npos);
    EXPECT_NE(text.str().find("New project - Pn-Mn diagram at "), std::string::npos);
    EXPECT_NE(text.str().find(" - ACI 318-05</text>"), std::string::npos);

    platform.saveAnswers.push_back(dir.file("view.png"));
    trigger("mnuExport3DPicture");
    const QImage png(QString::fromStdString(dir.file("view.png")));
    ASSERT_FALSE(png.isNull());
    // At print resolution, the picture's layout scaled up whole, on white.
    const QSize shown = results->picture3D().size();
    EXPECT_GE(png.width(), kPrintWidth);
    EXPECT_NEAR(static_cast<double>(png.height()) / png.width(),
                static_cast<double>(shown.height()) / shown.width(), 0.002);
    EXPECT_EQ(png.pixel(2, png.height() - 2), qRgb(255, 255, 255));
    EXPECT_GT(pixelsOf(png, kDarkYellow), 20);

    // An existing file is kept when the user does not want it overwritten.
    const auto before = fileLines(dir.file("curve.csv"));
    control<QRadioButton>("optBiMn")->click();
    platform.saveAnswers.push_back(dir.file("curve.csv"));
    platform.answers.push_back(false);
    trigger("mnuExport2DData");
    EXPECT_EQ(fileLines(dir.file("curve.csv")), before);
    // Yes writes the contour of the biaxial mode.
    platform.saveAnswers.push_back(dir.file("curve.csv"));
    platform.answers.push_back(true);
    trigger("mnuExport2DData");
    EXPECT_EQ(fileLines(dir.file("curve.csv"))[0],
              "angle (deg),phi,Mnx (ft-k),Mny (ft-k),found,design phi,phiPn (k),"
              "phiMnx (ft-k),phiMny (ft-k),design found");
}

} // namespace
} // namespace pmsect::test
