// GridWindow: layout, commands and rendering.
#include "ui/qt/grid_window.h"

#include "ui/qt/grid_table_view.h"
#include "ui/qt/window_support.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace pmsect {

GridWindow::GridWindow(GridBinding binding, const GridWindowNames& names, const bool& taskRunning,
                       QWidget* parent)
    : ActivatingWindow(taskRunning, parent), binding_(std::move(binding)) {
    setObjectName(names.window);
    setWindowFlag(Qt::Window);
    auto* layout = new QVBoxLayout(this);
    grid_ = new GridTableView(binding_, this);
    grid_->setObjectName(names.grid);
    layout->addWidget(grid_, 1);
    extra_ = new QVBoxLayout;
    layout->addLayout(extra_);

    auto* buttons = new QHBoxLayout;
    add_ = addButton(names.add, binding_.add);
    remove_ = addButton(names.remove, binding_.remove);
    update_ = addButton(names.update, binding_.update);
    done_ = addButton(names.done, binding_.done);
    for (QPushButton* b : {add_, remove_, update_, done_}) {
        buttons->addWidget(b);
    }
    if (names.cancel != nullptr && binding_.cancel) {
        cancel_ = addButton(names.cancel, binding_.cancel);
        buttons->addWidget(cancel_);
    }
    clickOnEscape(*this, cancel_ != nullptr ? *cancel_ : *done_);
    layout->addLayout(buttons);
}

QPushButton* GridWindow::addButton(const char* name, const std::function<void()>& command) {
    auto* button = new QPushButton(this);
    button->setObjectName(name);
    connect(button, &QPushButton::clicked, this, [this, command] { run(command); });
    return button;
}

void GridWindow::run(const std::function<void()>& command) {
    if (taskRunning()) {
        return;
    }
    grid_->finishEditing();
    command();
    render();
}

void GridWindow::render() {
    const GridWindowTexts t = binding_.texts();
    setWindowTitle(qtText(t.caption));
    add_->setText(qtText(t.add));
    remove_->setText(qtText(t.remove));
    update_->setText(qtText(t.update));
    done_->setText(qtText(t.done));
    if (cancel_ != nullptr) {
        cancel_->setText(qtText(t.cancel));
    }
    grid_->refresh();
    showAs(*this, binding_.visible());
}

void GridWindow::onActivated() {
    binding_.activate();
    render();
}

void GridWindow::onClosed() {
    grid_->finishEditing();
    binding_.close();
    render();
}

} // namespace pmsect
