#include <QByteArray>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // Headless by default: no test may need a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    }
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
