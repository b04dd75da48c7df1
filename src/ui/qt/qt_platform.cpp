// QtPlatform: the dialogs, the pointer and the desktop queries.
#include "ui/qt/qt_platform.h"

#include "format/text.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <vector>

namespace pmsect {
namespace {

QString startPath(const std::string& fileName) {
    return fileName.empty() ? QDir::currentPath() : QString::fromStdString(fileName);
}

std::optional<std::string> chosenPath(const QString& path) {
    if (path.isEmpty()) {
        return std::nullopt;
    }
    return path.toStdString();
}

} // namespace

QtFileFilters qtFileFilters(std::string_view programFilters, int selectedFilter) {
    // The program writes description and pattern as alternate fields separated by bars.
    std::vector<QString> fields;
    std::size_t start = 0;
    while (start <= programFilters.size()) {
        auto bar = programFilters.find('|', start);
        if (bar == std::string_view::npos) {
            bar = programFilters.size();
        }
        const std::string_view field = trimBlanks(programFilters.substr(start, bar - start));
        fields.push_back(QString::fromUtf8(field.data(), static_cast<qsizetype>(field.size())));
        start = bar + 1;
    }
    QStringList entries;
    for (std::size_t i = 0; i < fields.size(); i += 2) {
        const QString& description = fields[i];
        const QString pattern = i + 1 < fields.size() ? fields[i + 1] : QString();
        if (description.isEmpty() && pattern.isEmpty()) {
            continue;
        }
        // Qt reads the patterns from the parentheses of the description.
        entries << (description.contains('(') || pattern.isEmpty()
                        ? description
                        : description + " (" + pattern + ")");
    }
    QtFileFilters out;
    out.filter = entries.join(";;");
    if (!entries.isEmpty()) {
        const bool inRange = selectedFilter >= 1 && selectedFilter <= entries.size();
        out.selected = entries[inRange ? selectedFilter - 1 : 0];
    }
    return out;
}

QtPlatform::QtPlatform() = default;

QtPlatform::~QtPlatform() {
    if (busyShown_) {
        QGuiApplication::restoreOverrideCursor();
    }
}

QWidget* QtPlatform::dialogParent() {
    return QApplication::activeWindow();
}

void QtPlatform::showMessage(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, "PMSECT", QString::fromStdString(text), QMessageBox::Ok,
                    dialogParent());
    box.exec();
}

bool QtPlatform::askYesNo(const std::string& title, const std::string& text) {
    return QMessageBox::question(dialogParent(), QString::fromStdString(title),
                                 QString::fromStdString(text), QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

SaveChoice QtPlatform::askSaveChanges(const std::string& text) {
    QMessageBox box(QMessageBox::Warning, "PMSECT", QString::fromStdString(text),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, dialogParent());
    box.setObjectName("msgSaveChanges");
    box.button(QMessageBox::Discard)->setText("Don't Save");
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Save:
        return SaveChoice::Save;
    case QMessageBox::Discard:
        return SaveChoice::DontSave;
    default:
        return SaveChoice::Cancel;
    }
}

std::size_t QtPlatform::askChoice(const std::string& text,
                                  const std::vector<std::string>& choices) {
    QMessageBox box(QMessageBox::Question, "PMSECT", QString::fromStdString(text),
                    QMessageBox::NoButton, dialogParent());
    box.setObjectName("msgChoice");
    std::vector<QPushButton*> buttons;
    for (std::size_t i = 0; i < choices.size(); ++i) {
        const bool last = i + 1 == choices.size();
        buttons.push_back(box.addButton(QString::fromStdString(choices[i]),
                                        last ? QMessageBox::RejectRole : QMessageBox::AcceptRole));
    }
    if (buttons.empty()) {
        return 0;
    }
    box.setDefaultButton(buttons.front());
    box.setEscapeButton(buttons.back());
    box.exec();
    const auto taken = std::find(buttons.begin(), buttons.end(), box.clickedButton());
    return taken == buttons.end() ? buttons.size() - 1
                                  : static_cast<std::size_t>(taken - buttons.begin());
}

std::optional<std::string> QtPlatform::openFileDialog(const FileDialogRequest& request) {
    const QtFileFilters filters = qtFileFilters(request.filters, request.selectedFilter);
    QString selected = filters.selected;
    return chosenPath(QFileDialog::getOpenFileName(
        dialogParent(), "Open", startPath(request.fileName), filters.filter, &selected));
}

std::optional<std::string> QtPlatform::saveFileDialog(const FileDialogRequest& request) {
    const QtFileFilters filters = qtFileFilters(request.filters, request.selectedFilter);
    QString selected = filters.selected;
    // The program asks its own overwrite question, after it has added the extension.
    return chosenPath(QFileDialog::getSaveFileName(dialogParent(), "Save As",
                                                   startPath(request.fileName), filters.filter,
                                                   &selected, QFileDialog::DontConfirmOverwrite));
}

std::optional<int> QtPlatform::printDialog() {
    QPrintDialog dialog(&printer(), dialogParent());
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    const int copies = std::max(1, printer().copyCount());
    printer().setCopyCount(1);
    return copies;
}

void QtPlatform::showBusyPointer(bool busy) {
    if (busy && !busyShown_) {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (!busy && busyShown_) {
        QGuiApplication::restoreOverrideCursor();
    }
    busyShown_ = busy;
}

void QtPlatform::repeatWhile(int intervalMs, std::function<bool()> tick) {
    if (!timers_) {
        timers_ = std::make_unique<QObject>();
    }
    auto* timer = new QTimer(timers_.get());
    timer->setInterval(intervalMs);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, tick = std::move(tick)] {
        if (!tick()) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start();
}

ScreenSize QtPlatform::screenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return {};
    }
    const QRect r = screen->geometry();
    return {r.width(), r.height()};
}

std::string QtPlatform::currentDirectory() {
    return QDir::currentPath().toStdString();
}

bool QtPlatform::setCurrentDirectory(const std::string& path) {
    return QDir::setCurrent(QString::fromStdString(path));
}

QPrinter& QtPlatform::printer() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    return *printer_;
}

} // namespace pmsect
