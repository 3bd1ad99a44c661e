#include <gtest/gtest.h>

#include "text/TrimControls.h"

TEST(TrimControls, RemovesBlanksTabsAndControlsAtBothEndsOnly) {
    EXPECT_EQ(TrimControls("  doc \t"), "doc");
    EXPECT_EQ(TrimControls("\x01\x1F"
                           "a b\r\n"),
              "a b");
    EXPECT_EQ(TrimControls(" \t "), "");
    EXPECT_EQ(TrimControls("\xA0x\xA0"), "\xA0x\xA0");  // no-break space is above 32
}
