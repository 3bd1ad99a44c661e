#include "platform/ProductSite.h"

#include <gtest/gtest.h>

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
