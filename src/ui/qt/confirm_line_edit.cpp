// ConfirmLineEdit: one confirmation per Enter or focus loss.
#include "ui/qt/confirm_line_edit.h"

#include <QStyle>
#include <QStyleOptionFrame>
#include <QTimer>
#include <algorithm>

namespace pmsect {

ConfirmLineEdit::ConfirmLineEdit(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::returnPressed, this, [this] {
        fire(true);
        enterTailPending_ = true;
        // When returnPressed comes without its editingFinished (sent from code), forget it.
        QTimer::singleShot(0, this, [this] { enterTailPending_ = false; });
    });
    connect(this, &QLineEdit::editingFinished, this, [this] {
        if (enterTailPending_) {
            enterTailPending_ = false;
            return;
        }
        fire(false);
    });
}

void ConfirmLineEdit::fire(bool byEnter) {
    // A message box shown while the text is being confirmed takes the focus away; that is not
    // a second confirmation.
    if (firing_) {
        return;
    }
    firing_ = true;
    emit confirmed(byEnter);
    firing_ = false;
}

void ConfirmLineEdit::showText(const std::string& text, bool force) {
    const QString shown = QString::fromStdString(text);
    if (!force && shown == presenterText_) {
        return;
    }
    presenterText_ = shown;
    if (this->text() != shown) {
        setText(shown);
    }
    if (baseWidth_ > 0) {
        setFixedWidth(std::max(baseWidth_, widthFor(shown)));
    }
    if (!hasFocus()) {
        setCursorPosition(0);
    }
}

void ConfirmLineEdit::fitWidthTo(const QString& sample) {
    baseWidth_ = widthFor(sample);
    setFixedWidth(std::max(baseWidth_, widthFor(text())));
}

int ConfirmLineEdit::widthFor(const QString& text) const {
    // The frame, the box's own margins and the cursor's room on both sides of the text.
    QStyleOptionFrame option;
    initStyleOption(&option);
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this);
    const QMargins margins = textMargins() + contentsMargins();
    constexpr int kTextPadding = 4; // the line edit's own inner margin, both sides
    constexpr int kCursorRoom = 4;
    return fontMetrics().horizontalAdvance(text) + 2 * frame + margins.left() + margins.right() +
           kTextPadding + kCursorRoom;
}

std::string ConfirmLineEdit::takeText() {
    presenterText_ = text();
    return presenterText_.toStdString();
}

} // namespace pmsect
