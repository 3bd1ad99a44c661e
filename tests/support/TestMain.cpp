// Entry of the test programs without windows.
#include <gtest/gtest.h>

#include "support/TestHome.h"

int main(int argc, char** argv) {
    KeepSettingsInTestHome();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
