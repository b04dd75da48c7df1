// InformationWindow: page buttons down the left, the page on the right.
#include "ui/qt/information_window.h"

#include "ui/qt/window_support.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace pmsect {

InformationWindow::InformationWindow(InformationPresenter& presenter, QWidget* parent)
    : QWidget(parent), presenter_(presenter) {
    setObjectName("frmInfo");
    auto* layout = new QHBoxLayout(this);
    auto* buttons = new QVBoxLayout;
    const InformationView& v = presenter_.view();
    for (std::size_t i = 0; i < v.pageTitles.size(); ++i) {
        auto* button = new QPushButton(qtText(v.pageTitles[i]), this);
        button->setObjectName(QString("cmdPage%1").arg(i + 1));
        button->setCheckable(true);
        button->setAutoDefault(false);
        const int index = static_cast<int>(i);
        connect(button, &QPushButton::clicked, this, [this, index] {
            presenter_.selectPage(index);
            render();
        });
        buttons->addWidget(button);
        pageButtons_.push_back(button);
    }
    buttons->addStretch();
    showOnStartup_ = new QCheckBox(this);
    showOnStartup_->setObjectName("chkShowStart");
    connect(showOnStartup_, &QCheckBox::clicked, this, [this](bool checked) {
        presenter_.onShowOnStartup(checked);
        render();
    });
    buttons->addWidget(showOnStartup_);
    doneButton_ = new QPushButton(this);
    doneButton_->setObjectName("cmdDone");
    doneButton_->setAutoDefault(false);
    connect(doneButton_, &QPushButton::clicked, this, &InformationWindow::finish);
    clickOnEscape(*this, *doneButton_);
    buttons->addWidget(doneButton_);
    layout->addLayout(buttons);

    page_ = new QPlainTextEdit(this);
    page_->setObjectName("txtPage");
    page_->setReadOnly(true);
    page_->setMinimumSize(520, 380);
    layout->addWidget(page_, 1);
    render();
}

void InformationWindow::render() {
    const InformationView& v = presenter_.view();
    setWindowTitle(qtText(v.caption));
    for (std::size_t i = 0; i < pageButtons_.size(); ++i) {
        pageButtons_[i]->setChecked(static_cast<int>(i) == v.selectedPage);
    }
    const QString text = qtText(v.pageText);
    if (page_->toPlainText() != text) {
        page_->setPlainText(text);
    }
    showOnStartup_->setText(qtText(v.showOnStartupCaption));
    showOnStartup_->setChecked(v.showOnStartup);
    doneButton_->setText(qtText(v.doneCaption));
    showAs(*this, v.visible);
}

void InformationWindow::finish() {
    const WindowId next = presenter_.onDone();
    render();
    if (done_) {
        done_(next);
    }
}

void InformationWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (presenter_.view().visible) {
        finish();
    }
}

} // namespace pmsect
