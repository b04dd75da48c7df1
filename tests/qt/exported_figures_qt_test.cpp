// Figures as they leave the program: an SVG whose text librsvg (rsvg-convert) draws where the
// picture puts it, title and legend included, and a PNG at print resolution on white under its
// title line.
#include "qt_test_support.h"
#include "results/figure_title.h"
#include "results/svg_canvas.h"
#include "ui/qt/results_exporter.h"

#include <QImage>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace pmsect::test {
namespace {

class ExportedFiguresQtTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ensureQtApplication(); }
};

// Rows [top, bottom) of the image that hold a dark pixel between columns left and right.
int darkRows(const QImage& image, int top, int bottom, int left, int right) {
    int rows = 0;
    for (int y = std::max(0, top); y < std::min(bottom, image.height()); ++y) {
        bool dark = false;
        for (int x = std::max(0, left); x < std::min(right, image.width()) && !dark; ++x) {
            dark = qGray(image.pixel(x, y)) < 128;
        }
        rows += dark ? 1 : 0;
    }
    return rows;
}

TEST_F(ExportedFiguresQtTest, RsvgConvertDrawsTextAtTheTopOfThePictureBelowItsEdge) {
    if (std::system("rsvg-convert --version >/dev/null 2>&1") != 0) {
        GTEST_SKIP() << "rsvg-convert (librsvg2-bin) is not installed";
    }
    // A title on the first line and a legend entry at the right edge, as the plots place them.
    SvgCanvas svg(400, 200, SvgBackground::White, 12);
    drawTitledFigure(svg, "Tower B - Pn-Mn diagram at 90 deg - ACI 318-19", [](Canvas& c) {
        c.text(c.width() - c.textWidth("Nominal"), 0, "Nominal", kBrightWhite);
    });
    const auto dir =
        std::filesystem::temp_directory_path() / ("pmsect_rsvg_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "f.svg") << svg.document();
    const std::string png = (dir / "f.png").string();
    ASSERT_EQ(std::system(("rsvg-convert " + (dir / "f.svg").string() + " -o " + png).c_str()), 0);
    QImage image(QString::fromStdString(png));
    std::filesystem::remove_all(dir);
    ASSERT_FALSE(image.isNull());
    // The title's glyphs lie within its line, 4 to 16 px down: most of the line is inked, and
    // nothing is cut at the top edge. The legend entry under it likewise, at the right.
    EXPECT_GE(darkRows(image, 4, 17, 0, 400), 7);
    EXPECT_EQ(darkRows(image, 0, 2, 0, 400), 0);
    EXPECT_GE(darkRows(image, 22, 34, 340, 400), 7);
}

TEST_F(ExportedFiguresQtTest, PngPicturesAreAtPrintResolutionOnWhiteUnderTheirTitle) {
    const QImage image = renderPrintPicture(
        [](Canvas& c) { c.line(0, c.height() / 2, c.width(), c.height() / 2, kLightGreen); },
        QSize(600, 450), "Tower B - failure surface - ACI 318-19");
    EXPECT_GE(image.width(), kPrintWidth);
    EXPECT_EQ(image.height() * 600, image.width() * 450); // the picture's shape kept
    EXPECT_EQ(image.pixel(5, image.height() - 5), qRgb(255, 255, 255));
    // The title is written across the middle of the top, in black.
    const int line = image.height() / 450 * 20;
    EXPECT_GT(darkRows(image, 0, line, image.width() / 4, 3 * image.width() / 4), 0);
    // The drawing's light green, darkened for paper to (0, 128, 0), across the middle of the
    // room under the title.
    bool green = false;
    for (int y = image.height() / 2; y < image.height() * 3 / 5 && !green; ++y) {
        green = image.pixel(image.width() / 2, y) == qRgb(0, 128, 0);
    }
    EXPECT_TRUE(green);
}

} // namespace
} // namespace pmsect::test
