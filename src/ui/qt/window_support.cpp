// Window placement, label colours and the fixed-pitch font.
#include "ui/qt/window_support.h"

#include "results/canvas.h"
#include "ui/busy_pointer.h"

#include <QFontDatabase>
#include <QLabel>
#include <QWidget>

namespace pmsect {

void showAs(QWidget& window, bool visible) {
    if (window.isHidden() == visible) {
        window.setVisible(visible);
    }
}

void placeCentred(QWidget& window, Platform& platform) {
    window.adjustSize();
    const ScreenSize screen = platform.screenSize();
    const WindowPosition p =
        centreWindow(screen.width, screen.height, window.width(), window.height());
    window.move(p.left, p.top);
}

void showColouredText(QLabel& label, const std::string& text, int colour) {
    label.setText(qtText(text));
    // Black is the theme's own text colour, so that a dark desktop theme stays readable.
    if (colour == kBlack) {
        label.setStyleSheet(QString());
        return;
    }
    const Rgb rgb = paletteRgb(colour);
    label.setStyleSheet(QString("color: rgb(%1, %2, %3);").arg(rgb.r).arg(rgb.g).arg(rgb.b));
}

QFont fixedPitchFont(const std::string& family, double pointSize) {
    const QString name = qtText(family);
    QFont font = QFontDatabase::families().contains(name, Qt::CaseInsensitive)
                     ? QFont(name)
                     : QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSizeF(pointSize);
    return font;
}

} // namespace pmsect
