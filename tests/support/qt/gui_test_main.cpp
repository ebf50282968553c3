// Test main for the Qt tests: a headless GUI application, fonts substituted as in the programs.

#include <gtest/gtest.h>

#include <QGuiApplication>

#include "platform/fonts.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication App(argc, argv);
    xvexo::InstallFontSubstitutions();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
