// The "Default Dir" window: a drive list, a directory list, the chosen path and Done.
#pragma once

#include "ui/directory_presenter.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace pmsect {

class DirectoryWindow : public QWidget {
    Q_OBJECT
public:
    explicit DirectoryWindow(DirectoryPresenter& presenter, QWidget* parent = nullptr);

    void render();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void openEntry(QListWidgetItem* item);

    DirectoryPresenter& presenter_;
    QComboBox* drives_;
    QListWidget* directories_;
    QLabel* path_;
    QPushButton* doneButton_;
};

} // namespace pmsect
