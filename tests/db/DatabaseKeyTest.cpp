#include <gtest/gtest.h>

#include "CipherTestSupport.h"
#include "db/DatabaseKey.h"

// Every database file ever shipped was enciphered under the program's key, so the key must
// never drift: these bytes were made by the key that enciphers the shipped files. A changed
// key byte makes the program unable to read any of them, and only a known answer shows it.

namespace {

constexpr std::string_view kKnownLine =
    ".pdf;Portable Document Format;Acrobat Reader;Win Mac Unix\r\n";

constexpr unsigned char kKnownFile[] = {
    0xc8, 0x6c, 0xa2, 0x43, 0x35, 0x62, 0x6c, 0xcf, 0x92, 0x7d, 0xa4, 0x49, 0x6b, 0x12, 0x47, 0xd2,
    0x85, 0x69, 0xab, 0x40, 0x60, 0x46, 0x23, 0xfb, 0x89, 0x6e, 0xab, 0x44, 0x7a, 0x09, 0x42, 0xde,
    0x94, 0x73, 0xa4, 0x44, 0x7a, 0x12, 0x51, 0xd8, 0x87, 0x78, 0xa3, 0x57, 0x35, 0x65, 0x6a, 0xd3,
    0xc6, 0x51, 0xa7, 0x46, 0x2e, 0x67, 0x6d, 0xd4, 0x9e, 0x11, 0xcc, 0x25, 0x0e, 0x32, 0x03, 0xbe};

std::string KnownFile() {
    return {reinterpret_cast<const char*>(kKnownFile), sizeof kKnownFile};
}

}  // namespace

TEST(DatabaseKey, EnciphersTheKnownLineToTheKnownFile) {
    EXPECT_EQ(Encipher(kKnownLine, BuildDatabaseKey()), KnownFile());
}

TEST(DatabaseKey, DeciphersTheKnownFileToTheKnownLine) {
    EXPECT_EQ(Decipher(KnownFile(), BuildDatabaseKey()), kKnownLine);
}

// The cipher folds key bytes 8 to 15 into the tables an even number of times, so they cancel
// out and no enciphered file can show them. The key's own bytes are pinned instead.
TEST(DatabaseKey, KeyBytesStayAsShipped) {
    const CipherKey16 shipped = {0x4c, 0x73, 0x62, 0x9b, 0x33, 0xe4, 0x5b, 0x2a,
                                 0x9b, 0x70, 0x9a, 0x0d, 0xb6, 0x5b, 0xf2, 0x00};
    EXPECT_EQ(BuildDatabaseKey(), shipped);
}
