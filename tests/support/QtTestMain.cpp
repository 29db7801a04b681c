// Tests of windows need a QApplication; with QT_QPA_PLATFORM=offscreen no display is needed.
#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // Also when CTest lists the tests at build time, outside the test environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
