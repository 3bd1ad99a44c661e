// The parts of the HTTP client that need no connection: cookies, header lines, dates.
#include <gtest/gtest.h>

#include <string>

#include "net/IdCookies.h"
#include "net/IdDateTime.h"
#include "net/IdHeaderList.h"
#include "support/RowName.h"

namespace {

struct DomainRow {
    const char* name;
    std::string domain;
    std::string host;
    bool valid;
};

class CookieDomain : public testing::TestWithParam<DomainRow> {};

TEST_P(CookieDomain, BelongsToTheHostOrNot) {
    EXPECT_EQ(CookieDomainValid(GetParam().domain, GetParam().host), GetParam().valid);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, CookieDomain,
    testing::Values(DomainRow{"SameHost", "www.example.com", "www.example.com", true},
                    DomainRow{"DotParent", ".example.com", "www.example.com", true},
                    DomainRow{"DotGrandparent", ".com", "www.example.com", false},
                    DomainRow{"OtherHost", "evil.example", "www.example.com", false},
                    DomainRow{"CaseCounts", "WWW.example.com", "www.example.com", false},
                    DomainRow{"AddressExactly", "127.0.0.1", "127.0.0.1", true},
                    DomainRow{"AddressTail", ".0.0.1", "127.0.0.1", false}),
    RowName());

TEST(CookieStore, SendsOnlyUsableCookiesMostSpecificPathFirst) {
    TIdCookieManager cookies;
    const std::string host = "www.example.com";
    for (const char* text :
         {"a=1; Path=/", "b=2; path=\"/docs/\"", "nopath=3", "empty=; Path=/",
          "secure=5; Path=/; Secure", "old=6; Path=/; Expires=Wed, 09-Jun-2021 10:18:14 GMT",
          "foreign=7; Path=/; Domain=other.example", "a=8; Path=/"}) {
        cookies.AddCookie(text, host);
    }
    EXPECT_EQ(cookies.CookieHeader(host, "/docs/"), "b=2; a=8");
    EXPECT_EQ(cookies.CookieHeader(host, "/"), "a=8");
    EXPECT_EQ(cookies.CookieHeader("other.example", "/"), "");
}

TEST(HeaderList, LooksUpWithoutCaseAndJoinsContinuationLines) {
    TIdHeaderList headers;
    headers.AddRaw("Content-Type: text/html");
    headers.AddRaw("X-Long:  first ");
    headers.AddRaw("\t second");
    headers.AddRaw("x-long: other");
    EXPECT_EQ(headers.Value("content-TYPE"), "text/html");
    EXPECT_EQ(headers.Value("X-Long"), "first second");
    EXPECT_EQ(headers.AllValues("X-LONG"), (std::vector<std::string>{"first second", "other"}));
    headers.SetValue("x-long", "replaced");
    EXPECT_EQ(headers.Lines(), (std::vector<std::string>{"Content-Type: text/html",
                                                         "x-long: replaced", "x-long: other"}));
    headers.SetValue("Content-Type", "");
    EXPECT_EQ(headers.Lines().front(), "x-long: replaced");
}

TEST(HeaderList, FoldsLongValuesAtABlankAndReadsThemBack) {
    TIdHeaderList headers;
    const std::string value = std::string(60, 'a') + " " + std::string(30, 'b');
    headers.Add("Name", value);
    ASSERT_EQ(headers.Lines().size(), 2u);
    EXPECT_EQ(headers.Lines()[1], " " + std::string(30, 'b'));
    EXPECT_EQ(headers.Value("Name"), value);
    TIdHeaderList request(TIdHeaderList::kRequestFoldLength);
    request.Add("Name", value);
    EXPECT_EQ(request.Lines().size(), 1u);
}

struct DateRow {
    const char* name;
    std::string text;
    std::time_t expected;  // 0: not a date
};

class GmtDates : public testing::TestWithParam<DateRow> {};

TEST_P(GmtDates, ReadInEachForm) {
    EXPECT_EQ(GMTToTime(GetParam().text).value_or(0), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, GmtDates,
    testing::Values(DateRow{"Rfc1123", "Sun, 06 Nov 1994 08:49:37 GMT", 784111777},
                    DateRow{"Rfc850", "Sunday, 06-Nov-94 08:49:37 GMT", 784111777},
                    DateRow{"Asctime", "Sun Nov  6 08:49:37 1994", 784111777},
                    DateRow{"NoMonth", "06 1994 08:49:37", 0}, DateRow{"Empty", "", 0}),
    RowName());

TEST(GmtDates, InternetDateRoundTrips) {
    EXPECT_EQ(TimeToInternetDate(784111777), "Sun, 06 Nov 1994 08:49:37 GMT");
}

}  // namespace
