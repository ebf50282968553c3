// Test main for the widget tests that need the programs' fonts: one QApplication, headless unless a
// platform is named, fonts substituted as in the programs.

#include <gtest/gtest.h>

#include <QApplication>

#include "platform/fonts.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication App(argc, argv);
    xvexo::InstallFontSubstitutions();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
