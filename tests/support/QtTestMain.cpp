#include "TestEnvironment.h"

#include <QApplication>
#include <gtest/gtest.h>

#ifdef TALLYHOP_GUI_TEST_MAIN
#include "gui/controls/AccessibleObjects.h"
#endif

int main(int argc, char** argv) {
    PrepareTestEnvironment();
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
#ifdef TALLYHOP_GUI_TEST_MAIN
    // As the program does before its first window.
    InstallAccessibleObjects();
#endif
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
