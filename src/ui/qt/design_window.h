// The Design window: the ranges, the Design button with its progress bar, the ranked table and
// Apply, all over the DesignPresenter.
#pragma once

#include "ui/design_presenter.h"

#include <QWidget>
#include <array>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableWidget;

namespace pmsect {

class DesignWindow : public QWidget {
    Q_OBJECT
public:
    explicit DesignWindow(DesignPresenter& presenter, QWidget* parent = nullptr);

    void render();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void renderTable();

    DesignPresenter& presenter_;
    std::array<QLineEdit*, kDesignBoxCount> boxes_{};
    QLabel* layoutLine_ = nullptr;
    QLabel* loadsLine_ = nullptr;
    QPushButton* design_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QTableWidget* table_ = nullptr;
    QLabel* status_ = nullptr;
    QPushButton* apply_ = nullptr;
};

} // namespace pmsect
