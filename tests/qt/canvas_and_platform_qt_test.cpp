// The Qt drawing surface and the platform's conversions: palette colours on black and on white,
// text placed by its top left corner, marker sizes per resolution, filter lists in Qt's form.
#include "qt_test_support.h"
#include "results/section_drawing.h"
#include "ui/qt/qpainter_canvas.h"

#include <QFontDatabase>
#include <QImage>
#include <QPainter>

namespace pmsect::test {
namespace {

class CanvasQtTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ensureQtApplication(); }
};

TEST_F(CanvasQtTest, PaletteColoursFollowTheBackground) {
    EXPECT_EQ(canvasColour(kLightMagenta, CanvasBackground::Black), QColor(255, 0, 255));
    EXPECT_EQ(canvasColour(kLightBlue, CanvasBackground::Black), QColor(0, 0, 255));
    // Black on black would vanish: it is painted white.
    EXPECT_EQ(canvasColour(kBlack, CanvasBackground::Black), QColor(255, 255, 255));
    // Pale colours on paper take their dark counterparts.
    EXPECT_EQ(canvasColour(kYellow, CanvasBackground::White), QColor(128, 128, 0));
    EXPECT_EQ(canvasColour(kLightCyan, CanvasBackground::White), QColor(0, 128, 128));
    EXPECT_EQ(canvasColour(kBlack, CanvasBackground::White), QColor(0, 0, 0));
    // Numbers beyond the palette wrap round it: 16 + 13 is light magenta.
    EXPECT_EQ(canvasColour(29, CanvasBackground::Black), QColor(255, 0, 255));
}

TEST_F(CanvasQtTest, LinesAndCirclesLandWhereTheCanvasSays) {
    QImage image(100, 80, QImage::Format_RGB32);
    QPainter painter(&image);
    QPainterCanvas canvas(painter, QSizeF(100, 80), CanvasBackground::Black, QFont());
    // Exact pixels to look at: no smoothing.
    painter.setRenderHint(QPainter::Antialiasing, false);
    EXPECT_EQ(canvas.width(), 100);
    EXPECT_EQ(canvas.height(), 80);
    canvas.clear();
    canvas.line(10, 20, 90, 20, kLightBlue);
    canvas.moveTo(50, 30);
    canvas.lineTo(50, 70, kLightGreen);
    canvas.circle(20, 55, 10, kLightMagenta);
    painter.end();

    EXPECT_EQ(image.pixelColor(50, 20), QColor(0, 0, 255));
    EXPECT_EQ(image.pixelColor(50, 50), QColor(0, 255, 0));
    // The circle of radius 10 round (20, 55) passes through (30, 55); its centre stays empty.
    EXPECT_EQ(image.pixelColor(30, 55), QColor(255, 0, 255));
    EXPECT_EQ(image.pixelColor(20, 55), QColor(0, 0, 0));
    EXPECT_EQ(image.pixelColor(5, 5), QColor(0, 0, 0));
}

TEST_F(CanvasQtTest, TextHangsBelowItsPosition) {
    QImage image(200, 60, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    const QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    QPainterCanvas canvas(painter, QSizeF(200, 60), CanvasBackground::White, font);
    EXPECT_GT(canvas.textHeight(), 5);
    canvas.text(10, 20, "XXXX", kBlack);
    painter.end();
    // Nothing above the given top; ink within one line height below it.
    int top = -1;
    int bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y).lightness() < 128) {
                top = top < 0 ? y : top;
                bottom = y;
            }
        }
    }
    ASSERT_GE(top, 0);
    EXPECT_GE(top, 20);
    EXPECT_LE(bottom, 20 + canvas.textHeight());
}

TEST_F(CanvasQtTest, MarkerSizesFollowTheResolution) {
    // 40 and 70 twips; 1440 twips to the inch.
    const SectionDrawingStyle screen = sectionStyleFor(96);
    EXPECT_NEAR(screen.loadMarkerRadius, 40.0 * 96 / 1440, 1e-12);
    EXPECT_NEAR(screen.loadMarkerArm, 70.0 * 96 / 1440, 1e-12);
    const SectionDrawingStyle twips = sectionStyleFor(1440);
    EXPECT_EQ(twips.loadMarkerRadius, SectionDrawingStyle{}.loadMarkerRadius);
}

TEST(QtFileFilters, ProgramListsBecomeQtFilters) {
    const QtFileFilters save =
        qtFileFilters("All files (*.*) | *.* | Conc. files (*.rcs) | *.rcs", 2);
    EXPECT_EQ(save.filter, "All files (*.*);;Conc. files (*.rcs)");
    EXPECT_EQ(save.selected, "Conc. files (*.rcs)");
    // The open dialog's list is written without blanks around some bars.
    const QtFileFilters open = qtFileFilters("All Files (*.*)|*.* |Conc. Files (*.rcs)|*.rcs", 2);
    EXPECT_EQ(open.filter, "All Files (*.*);;Conc. Files (*.rcs)");
    EXPECT_EQ(open.selected, "Conc. Files (*.rcs)");
    // A description without its pattern gets it; an index out of range selects the first.
    const QtFileFilters bare = qtFileFilters("Text | *.txt", 5);
    EXPECT_EQ(bare.filter, "Text (*.txt)");
    EXPECT_EQ(bare.selected, "Text (*.txt)");
}

} // namespace
} // namespace pmsect::test
