// The Load Cases window over the LoadCasesPresenter: the cases grid with Add and Delete, the
// options, the factor table with Restore, the user's combinations with Add and Delete, the
// checked combinations and Done.
#pragma once

#include "ui/load_cases_presenter.h"

#include <QWidget>
#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace pmsect {

class LoadCasesWindow : public QWidget {
    Q_OBJECT
public:
    explicit LoadCasesWindow(LoadCasesPresenter& presenter, QWidget* parent = nullptr);

    void render();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void renderCases();
    void renderFactors();
    void renderUsers();
    void renderCombinations();
    // An edit forwarded once the grid has finished with it, then the view drawn again.
    void later(std::function<void()> edit);

    LoadCasesPresenter& presenter_;
    QTableWidget* cases_ = nullptr;
    QCheckBox* halfLive_ = nullptr;
    QLineEdit* sds_ = nullptr;
    QLineEdit* liveFraction_ = nullptr;
    QTableWidget* factors_ = nullptr;
    QPushButton* restore_ = nullptr;
    QTableWidget* users_ = nullptr;
    QTableWidget* combinations_ = nullptr;
    QLabel* status_ = nullptr;
};

} // namespace pmsect
