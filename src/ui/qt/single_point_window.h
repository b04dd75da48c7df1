// The "Single Strength Computations" window: a neutral axis (c and its angle) or a load (e and
// its angle), the resulting forces and moments, and the compression zone drawn in the section.
#pragma once

#include "ui/single_point_presenter.h"

#include <QWidget>
#include <array>

class QLabel;
class QPushButton;
class QRadioButton;

namespace pmsect {

class ConfirmLineEdit;
class PictureWidget;

class SinglePointWindow : public QWidget {
    Q_OBJECT
public:
    explicit SinglePointWindow(SinglePointPresenter& presenter, QWidget* parent = nullptr);

    void render();
    PictureWidget& picture() { return *picture_; }

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct InputRow {
        QLabel* caption = nullptr;
        ConfirmLineEdit* edit = nullptr;
        QLabel* unit = nullptr;
    };
    void confirm(SinglePointInput input, bool byEnter);
    // Hands every input's text to the presenter: a computation reads them all.
    void handOverTexts();
    InputRow& row(SinglePointInput input) { return rows_[static_cast<std::size_t>(input)]; }

    SinglePointPresenter& presenter_;
    QRadioButton* givenC_;
    QRadioButton* givenE_;
    std::array<InputRow, 4> rows_{};
    // Pn, tension, compression, Ac, gross compressed area, Mnx, Mny.
    std::array<QLabel*, 7> results_{};
    PictureWidget* picture_;
    QPushButton* doneButton_;
    int drawnSerial_ = -1;
};

} // namespace pmsect
