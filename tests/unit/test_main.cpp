#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    // Headless by default: no test may need a display.
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    }
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
