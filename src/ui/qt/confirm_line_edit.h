// A text input whose Enter and focus loss each confirm its text exactly once, and which shows
// its presenter's text without overwriting what the user is still typing.
#pragma once

#include <QLineEdit>
#include <string>

namespace pmsect {

class ConfirmLineEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit ConfirmLineEdit(QWidget* parent = nullptr);

    // The presenter's text for this input. It replaces the shown text only when the presenter
    // changed it since it was last shown or taken, or when force is set. A text not being typed
    // in is shown from its first character.
    void showText(const std::string& text, bool force = false);
    // The box is at least wide enough for this text; it grows for any longer text it shows.
    void fitWidthTo(const QString& sample);
    // The text as typed is now the presenter's text too (it is being handed over).
    std::string takeText();

signals:
    // Enter was pressed (byEnter) or the input lost the focus after an edit.
    void confirmed(bool byEnter);

private:
    void fire(bool byEnter);
    int widthFor(const QString& text) const;

    QString presenterText_;
    int baseWidth_ = 0;
    bool firing_ = false;
    // Qt follows returnPressed with editingFinished for the same key press.
    bool enterTailPending_ = false;
};

} // namespace pmsect
