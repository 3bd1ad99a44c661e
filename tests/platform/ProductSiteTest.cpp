#include "platform/ProductSite.h"

#include <gtest/gtest.h>

#include <cstdlib>

TEST(ProductSite, OnlyExactlyGermanGetsTheGermanWebsite) {
    const std::string base = "http://" + ProductHost() + "/index.php?changelanguage=";
    EXPECT_EQ(WebsiteUrl("German"), base + "049");
    for (const char* other : {"English", " German", "german", "Deutsch", ""}) {
        EXPECT_EQ(WebsiteUrl(other), base + "044") << other;
    }
}

TEST(ProductSite, DatabaseComesFromTheSameHost) {
    EXPECT_EQ(DatabaseDownloadUrl(), "http://" + ProductHost() + "/marbelin_ext.txt");
    EXPECT_FALSE(ProductHost().empty());
}

// The host is read once per process, so each case runs in a fresh one.
TEST(ProductSite, TheEnvironmentChoosesTheHostUnlessItIsEmpty) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            ::setenv("LUMBRAFIX_UPDATE_HOST", "127.0.0.1:9", 1);
            std::exit(ProductHost() == "127.0.0.1:9" ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
    EXPECT_EXIT(
        {
            ::setenv("LUMBRAFIX_UPDATE_HOST", "", 1);
            std::exit(ProductHost().empty() ? 1 : 0);
        },
        testing::ExitedWithCode(0), "");
}
