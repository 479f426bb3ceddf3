// The test programs of the Qt side (render/ and shell/): GoogleTest inside a QApplication on the
// offscreen platform, so that widgets, fonts and painting work without a display.
#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);  // QSettings apart from the user's own
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
