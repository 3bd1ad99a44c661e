// The client against a server nobody here wrote: Debian's nginx on the loopback interface.
#include <gtest/gtest.h>

#include <string>

#include "ConnectionTestSupport.h"
#include "LocalNginx.h"
#include "net/IdException.h"
#include "net/IdHTTP.h"
#include "net/UpdateSettings.h"
#include "platform/Streams.h"

namespace {

class AgainstNginx : public testing::Test {
protected:
    void SetUp() override {
        if (LocalNginx::Binary().empty()) {
            GTEST_SKIP() << "nginx is not installed";
        }
        ASSERT_TRUE(nginx.Available()) << "nginx did not start";
        ApplyUpdateSettings(http);
        log.Attach(http);
    }

    LocalNginx nginx;
    TIdHTTP http;
    TMemoryStream body;
    EventLog log;
};

TEST_F(AgainstNginx, StaticFileArrivesWholeWithItsLength) {
    const std::string file = Pattern(300000);
    nginx.AddFile("marbelin_ext.txt", file);
    http.Get(nginx.Url("/marbelin_ext.txt"), body);
    EXPECT_EQ(http.ResponseCode(), 200);
    EXPECT_EQ(http.Response().ContentLength, 300000);
    EXPECT_TRUE(StreamText(body) == file);
    EXPECT_EQ(log.Starting("begin"), (std::vector<std::string>{"begin read 300000"}));
    EXPECT_EQ(log.Starting("work").back(), "work read 300000");
}

TEST_F(AgainstNginx, MissingFileRaises404WithItsPageAndKeepsTheConnection) {
    try {
        http.Get(nginx.Url("/missing.txt"), body);
        FAIL() << "no error";
    } catch (const EIdHTTPProtocolException& error) {
        EXPECT_EQ(error.ErrorCode(), 404);
        EXPECT_EQ(error.Message(), "HTTP/1.1 404 Not Found");
        EXPECT_NE(error.ErrorMessage().find("404 Not Found"), std::string::npos);
    }
    EXPECT_EQ(body.Size(), 0);
    EXPECT_TRUE(http.Connected());
}

TEST_F(AgainstNginx, PageOfUnknownLengthComesChunkedOverTheSameConnection) {
    const std::string part = Pattern(50000);
    nginx.AddFile("part.bin", part);
    nginx.AddFile("page.html", "<p><!--# include file=\"part.bin\" --></p>");
    nginx.AddFile("first.bin", "first");
    http.Get(nginx.Url("/first.bin"), body);
    body.SetSize(0);
    http.Get(nginx.Url("/page.html"), body);
    EXPECT_EQ(http.Response().TransferEncoding, "chunked");
    EXPECT_TRUE(StreamText(body) == "<p>" + part + "</p>");
    EXPECT_TRUE(http.Connected());
}

}  // namespace
