#include <QCoreApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    // Qt SQL's driver and the processes started need an application object.
    QCoreApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
