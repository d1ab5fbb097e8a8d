#include "app/framework/CDovalintra2App.h"

#include <QApplication>
#include <QStandardPaths>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Settings go to a test location, never to the user's.
    QStandardPaths::setTestModeEnabled(true);
    CDovalintra2App::SetSettingsKey();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
