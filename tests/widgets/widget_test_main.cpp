#include <QApplication>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    }
    testing::InitGoogleTest(&argc, argv);
    // Listing the tests (as CTest does to discover them) needs no display and no application.
    bool listing = false;
    for (int i = 1; i < argc; ++i) {
        listing = listing || std::strcmp(argv[i], "--gtest_list_tests") == 0;
    }
    std::unique_ptr<QApplication> app;
    if (!listing) {
        app = std::make_unique<QApplication>(argc, argv);
    }
    return RUN_ALL_TESTS();
}
