// Entry of the widget test programs: widgets need a QApplication before the first test runs.
// Without a chosen platform the tests draw off screen, also when the build lists them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QtGlobal>

#include "support/TestHome.h"

int main(int argc, char** argv) {
    KeepSettingsInTestHome();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
