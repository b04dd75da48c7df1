// Small pieces every window uses: text conversion, centred placement, label colours, the
// report's fixed-pitch font and the angle scroll bars.
#pragma once

#include "ui/platform.h"

#include <QBoxLayout>
#include <QDialog>
#include <QFont>
#include <QLabel>
#include <QString>
#include <array>
#include <functional>
#include <string>

class QAbstractButton;
class QLabel;
class QScrollBar;
class QWidget;

namespace pmsect {

inline QString qtText(const std::string& text) {
    return QString::fromStdString(text);
}

// Shows or hides a window as its presenter says, leaving it alone when it already is so.
void showAs(QWidget& window, bool visible);

// Places a top-level window centred across the screen and a little above the middle.
void placeCentred(QWidget& window, Platform& platform);

// Places a secondary window centred over the window it belongs to (on the screen when that is
// not shown). A window not sized yet takes its layout's size first.
void placeOver(QWidget& window, const QWidget* owner, Platform& platform);

// A label's text in a palette colour (0 black, 12 bright red, ...).
void showColouredText(QLabel& label, const std::string& text, int colour);

// The wait window's face, the same for every task: a large heading over four text lines.
void buildWaitFace(QDialog& dialog, QLabel*& heading, std::array<QLabel*, 4>& lines);

// Escape clicks the button: a secondary window closes as its Cancel or Done would.
void clickOnEscape(QWidget& window, QAbstractButton& button);

// The bottom row of a window whose every edit is in the project as it is made: "Done" at the
// right (cmdDone), which runs done, and Escape, which clicks it.
void addDoneRow(QWidget& window, QBoxLayout& layout, std::function<void()> done);

// A scroll bar whose drag only previews: while the thumb moves, onScroll gets its position; the
// value changes, and onChange gets it, when the thumb is let go or a step is clicked. A click on
// an arrow or the trough is one step; holding it steps while it is held.
QScrollBar* addDeferredScrollBar(QWidget& parent, const char* name, Qt::Orientation orientation,
                                 std::function<void(int)> onScroll,
                                 std::function<void(int)> onChange);

} // namespace pmsect
