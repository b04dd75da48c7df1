// DirectoryWindow: the drive list above the directory list, the path line and Done below.
#include "ui/qt/directory_window.h"

#include "ui/qt/window_support.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace pmsect {
namespace {

// The first entry of a directory list that is not at its drive's root leads up a level.
const QString kParentEntry = "..";

} // namespace

DirectoryWindow::DirectoryWindow(DirectoryPresenter& presenter, QWidget* parent)
    : QWidget(parent), presenter_(presenter) {
    setObjectName("frmDefDir");
    auto* layout = new QVBoxLayout(this);
    drives_ = new QComboBox(this);
    drives_->setObjectName("drvDrive");
    connect(drives_, &QComboBox::activated, this, [this](int index) {
        presenter_.chooseDrive(drives_->itemText(index).toStdString());
        render();
    });
    layout->addWidget(drives_);
    directories_ = new QListWidget(this);
    directories_->setObjectName("dirDirectory");
    directories_->setMinimumSize(360, 300);
    connect(directories_, &QListWidget::itemActivated, this, &DirectoryWindow::openEntry);
    layout->addWidget(directories_, 1);
    path_ = new QLabel(this);
    path_->setObjectName("lblPath");
    path_->setTextFormat(Qt::PlainText);
    layout->addWidget(path_);
    doneButton_ = new QPushButton("Done", this);
    doneButton_->setObjectName("cmdDone");
    doneButton_->setAutoDefault(false);
    connect(doneButton_, &QPushButton::clicked, this, [this] {
        presenter_.done();
        render();
    });
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(doneButton_);
    layout->addLayout(row);
}

void DirectoryWindow::openEntry(QListWidgetItem* item) {
    if (item == nullptr) {
        return;
    }
    if (item->text() == kParentEntry) {
        presenter_.openParent();
    } else {
        presenter_.openSubdirectory(item->text().toStdString());
    }
    render();
}

void DirectoryWindow::render() {
    const DirectoryViewState& v = presenter_.view();
    setWindowTitle(qtText(v.caption));
    drives_->clear();
    for (const std::string& drive : v.drives) {
        drives_->addItem(qtText(drive));
    }
    drives_->setCurrentText(qtText(v.drive));
    directories_->clear();
    if (!v.listPath.empty() && v.listPath != v.drive) {
        directories_->addItem(kParentEntry);
    }
    for (const std::string& name : v.directories) {
        directories_->addItem(qtText(name));
    }
    path_->setText(qtText(v.pathLine));
    showAs(*this, v.visible);
}

bool DirectoryWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && presenter_.view().visible) {
        presenter_.activate();
        render();
    }
    return QWidget::event(event);
}

void DirectoryWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    presenter_.close();
    render();
}

} // namespace pmsect
