// A started program that saves window grabs as PNG files into the folder PMSECT_SCREENSHOTS
// names; without it the screenshot tests are skipped.
#pragma once

#include "qt_test_support.h"

#include <QApplication>
#include <QPixmap>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace pmsect::test {

class ScreenshotFixture : public ProgramTest {
protected:
    void SetUp() override {
        const char* folder = std::getenv("PMSECT_SCREENSHOTS");
        if (folder == nullptr || *folder == '\0') {
            GTEST_SKIP() << "PMSECT_SCREENSHOTS names no folder";
        }
        out = folder;
        std::filesystem::create_directories(out);
        ProgramTest::SetUp();
    }

    void settle() {
        for (int i = 0; i < 5; ++i) {
            QApplication::processEvents();
        }
    }

    void snap(QWidget* window, const std::string& name) {
        ASSERT_NE(window, nullptr) << name;
        settle();
        const QPixmap picture = window->grab();
        const std::string path = (out / (name + ".png")).string();
        EXPECT_TRUE(picture.save(QString::fromStdString(path))) << path;
        std::printf("%s: %d x %d\n", path.c_str(), picture.width(), picture.height());
    }

    std::filesystem::path out;
};

} // namespace pmsect::test
