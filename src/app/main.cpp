// pmsect: the desktop program. Creates the application, reads the settings and shows the
// opening window; everything else happens in response to the user.
#include "ui/application.h"
#include "ui/qt/program_windows.h"
#include "ui/qt/qt_platform.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

namespace {

bool isSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

} // namespace

int main(int argc, char** argv) {
    // Without a display Qt aborts with a message about plugins; say what is needed instead.
    if (!isSet("DISPLAY") && !isSet("WAYLAND_DISPLAY") && !isSet("QT_QPA_PLATFORM")) {
        std::fputs("pmsect needs a graphical display; set DISPLAY or run under xvfb-run\n", stderr);
        return 1;
    }
    QApplication qtApplication(argc, argv);
    QApplication::setApplicationName("PMSECT");
    QApplication::setDesktopFileName("pmsect");

    pmsect::QtPlatform platform;
    // The settings file lives in the directory the program is started in.
    pmsect::Application application(platform, platform.currentDirectory());
    pmsect::ProgramWindows windows(application, platform);
    windows.start();
    return QApplication::exec();
}
