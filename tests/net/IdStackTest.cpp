#include <gtest/gtest.h>
#include <netdb.h>

#include <cerrno>
#include <map>
#include <memory>
#include <vector>

#include "net/IdComponent.h"
#include "net/IdException.h"
#include "net/IdSocketErrors.h"
#include "net/IdStack.h"
#include "support/RowName.h"

namespace {

struct ErrnoRow {
    const char* name;
    int errnoValue;
    int winsock;
    const char* text;
};

class SystemErrorMapping : public testing::TestWithParam<ErrnoRow> {};

TEST_P(SystemErrorMapping, GivesWindowsSocketsNumberAndGermanText) {
    const ErrnoRow& row = GetParam();
    EXPECT_EQ(WinsockErrorFromErrno(row.errnoValue), row.winsock);
    EXPECT_EQ(SocketErrorText(row.winsock), row.text);
}

INSTANTIATE_TEST_SUITE_P(
    Errno, SystemErrorMapping,
    testing::Values(
        ErrnoRow{"ConnectionRefused", ECONNREFUSED, 10061, "Verbindung abgelehnt."},
        ErrnoRow{"TimedOut", ETIMEDOUT, 10060,
                 "Zeit\xFC"
                 "berschreitung bei Verbindung."},
        ErrnoRow{"ConnectionReset", ECONNRESET, 10054,
                 "Die Verbindung wurde von Peer zur\xFC"
                 "ckgesetzt."},
        ErrnoRow{"BrokenPipe", EPIPE, 10058,
                 "Nach Schlie\xDF"
                 "en des Socket kann weder gesendet noch empfangen werden."},
        ErrnoRow{"NetworkUnreachable", ENETUNREACH, 10051, "Das Netzwerk ist nicht erreichbar."},
        ErrnoRow{"HostUnreachable", EHOSTUNREACH, 10065, "Keine Route zum Host."},
        ErrnoRow{"ConnectionAborted", ECONNABORTED, 10053,
                 "Die Software hat den Abbruch der Verbindung verursacht."},
        ErrnoRow{"WouldBlockKeepsTrailingBlank", EWOULDBLOCK, 10035,
                 "Die Operation w\xFC"
                 "rde blockieren. "},
        ErrnoRow{"BadFile", EBADF, 10009, "Falsche Dateinummer."},
        ErrnoRow{"NotASocket", ENOTSOCK, 10038, "Socket-Operation auf Nicht-Socket."},
        ErrnoRow{"DirectoryNotEmptyHasNoFullStop", ENOTEMPTY, 10066, "Verzeichnis ist nicht leer"}),
    RowName());

TEST(SocketErrorText, IsEmptyForNumbersWithoutText) {
    EXPECT_EQ(SocketErrorText(10067), "");
    EXPECT_EQ(SocketErrorText(0), "");
    EXPECT_EQ(SocketErrorText(11002), "");
}

// Exactly the numbers with a text have one; each but 11001 (from the resolver) comes from one
// errno value, and 10055 from two (no buffer space, no memory).
TEST(SocketErrorText, EveryNumberWithATextComesFromTheSystem) {
    std::vector<int> numbers = {10004, 10009, 10013, 10014, 10022, 10024};
    for (int number = 10035; number <= 10066; ++number) {
        numbers.push_back(number);
    }
    std::vector<int> withText;
    std::map<int, int> errnoCount;
    for (int number = 0; number < 12000; ++number) {
        if (!SocketErrorText(number).empty()) {
            withText.push_back(number);
        }
        if (WinsockErrorFromErrno(number) != number) {
            ++errnoCount[WinsockErrorFromErrno(number)];
        }
    }
    std::map<int, int> expectedCount;
    for (int number : numbers) {
        expectedCount[number] = number == 10055 ? 2 : 1;
    }
    EXPECT_EQ(errnoCount, expectedCount);
    numbers.push_back(11001);
    EXPECT_EQ(withText, numbers);
}

TEST(SocketErrorText, ErrnoWithoutWindowsNumberPassesUnchanged) {
    EXPECT_EQ(WinsockErrorFromErrno(EISDIR), EISDIR);
}

TEST(EIdSocketError, CarriesNumberAndMessageWithLineBreak) {
    const EIdSocketError error(11001);
    EXPECT_EQ(error.LastError(), 11001);
    EXPECT_EQ(error.Message(), "Socket-Fehler # 11001\r\nHost nicht gefunden.");
    EXPECT_EQ(EIdSocketError(12345).Message(), "Socket-Fehler # 12345\r\n");
}

TEST(ResolverErrorMapping, UnknownNamesAreHostNotFound) {
    EXPECT_EQ(WinsockErrorFromResolver(EAI_NONAME), 11001);
    EXPECT_EQ(WinsockErrorFromResolver(EAI_FAIL), 11001);
    EXPECT_EQ(WinsockErrorFromResolver(EAI_NODATA), 11001);
    EXPECT_EQ(WinsockErrorFromResolver(EAI_AGAIN), 11002);
}

TEST(ErrorFamily, ClosedGracefullyIsSilentAndAllAreIdExceptions) {
    const EIdConnClosedGracefully closed;
    EXPECT_NE(dynamic_cast<const EIdSilentException*>(&closed), nullptr);
    EXPECT_EQ(closed.Message(), "Die Verbindung wurde erfolgreich geschlossen.");
    std::unique_ptr<EIdException> family[] = {
        std::make_unique<EIdReadTimeout>(), std::make_unique<EIdNotConnected>(),
        std::make_unique<EIdConnectTimeout>(), std::make_unique<EIdInvalidSocket>(),
        std::make_unique<EIdReadLnMaxLineLengthExceeded>()};
    const char* messages[] = {
        "Zeit\xFC"
        "berschreitung beim Lesen",
        "Nicht verbunden",
        "Zeit\xFC"
        "berschreitung der Verbindung.",
        "Socket kann nicht zugewiesen werden.",
        "Max. Zeilenl\xE4"
        "nge \xFC"
        "berschritten."};
    for (std::size_t i = 0; i < std::size(family); ++i) {
        EXPECT_EQ(family[i]->Message(), messages[i]);
        EXPECT_EQ(dynamic_cast<const EIdSilentException*>(family[i].get()), nullptr);
    }
}

TEST(SocketLayer, LivesFromTheFirstToTheLastComponent) {
    const int before = TIdStackPosix::UserCount();
    {
        TIdComponent first;
        {
            TIdComponent second;
            EXPECT_EQ(TIdStackPosix::UserCount(), before + 2);
        }
        EXPECT_EQ(TIdStackPosix::UserCount(), before + 1);
        EXPECT_TRUE(GStack().IsIP("127.0.0.1"));
    }
    EXPECT_EQ(TIdStackPosix::UserCount(), before);
}

TEST(SocketLayer, IsIPAcceptsOnlyDottedIPv4Addresses) {
    TIdComponent component;
    EXPECT_TRUE(GStack().IsIP("10.0.0.255"));
    EXPECT_FALSE(GStack().IsIP("256.0.0.1"));
    EXPECT_FALSE(GStack().IsIP("localhost"));
    EXPECT_FALSE(GStack().IsIP("1.2.3"));
    EXPECT_FALSE(GStack().IsIP(""));
}

}  // namespace
