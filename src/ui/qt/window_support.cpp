// Window placement, label colours, the fixed-pitch font and the deferred scroll bars.
#include "ui/qt/window_support.h"

#include "results/canvas.h"
#include "ui/busy_pointer.h"
#include "ui/qt/stepping_scroll_bar.h"
#include "ui/screen_placement.h"

#include <QAbstractButton>
#include <QFontDatabase>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QVBoxLayout>
#include <QWidget>
#include <utility>

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

void placeOver(QWidget& window, const QWidget* owner, Platform& platform) {
    if (owner == nullptr || !owner->isVisible()) {
        placeCentred(window, platform);
        return;
    }
    if (!window.testAttribute(Qt::WA_Resized)) {
        window.adjustSize();
    }
    const QRect frame = owner->frameGeometry();
    const WindowPosition p = centredOver(
        {1.0 * frame.left(), 1.0 * frame.top(), 1.0 * frame.width(), 1.0 * frame.height()},
        window.width(), window.height(), platform.screenSize());
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

void buildWaitFace(QDialog& dialog, QLabel*& heading, std::array<QLabel*, 4>& lines) {
    dialog.setObjectName("frmWait");
    dialog.setModal(true);
    dialog.setWindowFlag(Qt::WindowCloseButtonHint, false);
    auto* layout = new QVBoxLayout(&dialog);
    heading = new QLabel(&dialog);
    heading->setObjectName("lblWait");
    QFont big = heading->font();
    big.setPointSizeF(big.pointSizeF() * 2);
    big.setBold(true);
    heading->setFont(big);
    heading->setAlignment(Qt::AlignCenter);
    layout->addWidget(heading);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        lines[i] = new QLabel(&dialog);
        lines[i]->setObjectName(QString("lblLine%1").arg(i + 1));
        lines[i]->setMinimumWidth(420);
        layout->addWidget(lines[i]);
    }
}

void clickOnEscape(QWidget& window, QAbstractButton& button) {
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), &window);
    QObject::connect(escape, &QShortcut::activated, &button, &QAbstractButton::click);
}

void addDoneRow(QWidget& window, QBoxLayout& layout, std::function<void()> done) {
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    auto* button = new QPushButton("&Done", &window);
    button->setObjectName("cmdDone");
    button->setAutoDefault(false);
    bottom->addWidget(button);
    layout.addLayout(bottom);
    QObject::connect(button, &QPushButton::clicked, &window, std::move(done));
    clickOnEscape(window, *button);
}

QScrollBar* addDeferredScrollBar(QWidget& parent, const char* name, Qt::Orientation orientation,
                                 std::function<void(int)> onScroll,
                                 std::function<void(int)> onChange) {
    auto* bar = new SteppingScrollBar(orientation, &parent);
    bar->setObjectName(name);
    bar->setTracking(false);
    QObject::connect(bar, &QScrollBar::sliderMoved, &parent, std::move(onScroll));
    QObject::connect(bar, &QScrollBar::valueChanged, &parent, std::move(onChange));
    return bar;
}

} // namespace pmsect
