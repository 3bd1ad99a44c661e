#include <gtest/gtest.h>

#include <algorithm>

#include "CipherTestSupport.h"
#include "db/DatabaseKey.h"

namespace {

std::string PlainOfLength(std::size_t length) {
    std::string plain;
    for (std::size_t i = 0; i < length; ++i) {
        plain += static_cast<char>('A' + i * 7 % 53);  // includes bytes above 'Z'
    }
    return plain;
}

CipherKey16 PatternKey(std::uint8_t first, std::uint8_t step) {
    CipherKey16 key{};
    for (std::size_t i = 0; i < key.size(); ++i) {
        key[i] = static_cast<std::uint8_t>(first + i * step);
    }
    return key;
}

// A stream that hands out at most three bytes per read, as a pipe or socket might.
class TrickleStream : public TMemoryStream {
public:
    std::size_t Read(void* buffer, std::size_t count) override {
        return TMemoryStream::Read(buffer, std::min<std::size_t>(count, 3));
    }
};

void ExpectInvalidFormat(const std::string& enciphered, const CipherKey16& key) {
    try {
        Decipher(enciphered, key);
        FAIL() << "no error for " << enciphered.size() << " bytes";
    } catch (const ECipherException& error) {
        EXPECT_EQ(error.Message(), "Invalid file format");
    }
}

// A final block whose deciphered count byte is `count`, preceded by one good data block.
std::string FileWithFinalCount(std::uint8_t count, const CipherKey16& key) {
    return EncipheredBlock(BlockOf("12345678"), key) +
           EncipheredBlock({'a', 'b', 'c', 'd', 'e', 'f', 'g', count}, key);
}

}  // namespace

TEST(LbBlowfish, RoundTripEveryLengthUpTo40UnderSeveralKeys) {
    const CipherKey16 keys[] = {CipherKey16{}, BuildDatabaseKey(), PatternKey(0xFF, 0),
                                PatternKey(3, 17)};
    for (const CipherKey16& key : keys) {
        for (std::size_t length = 0; length <= 40; ++length) {
            const std::string plain = PlainOfLength(length);
            const std::string enciphered = Encipher(plain, key);
            ASSERT_EQ(enciphered.size(), TLbBlowfish::EncipheredSize(length)) << length;
            ASSERT_EQ(Decipher(enciphered, key), plain) << length;
        }
    }
}

TEST(LbBlowfish, FramingSizes) {
    struct Case {
        std::size_t plain;
        std::size_t enciphered;
    };
    for (const Case c : {Case{0, 8}, Case{7, 8}, Case{8, 16}, Case{13, 16}, Case{16, 24}}) {
        EXPECT_EQ(Encipher(PlainOfLength(c.plain), BuildDatabaseKey()).size(), c.enciphered)
            << c.plain;
    }
}

TEST(LbBlowfish, LastBlockHoldsRestZeroPaddingAndCount) {
    const CipherKey16 key = PatternKey(9, 31);
    const std::string plain = "0123456789ABC";  // 13 bytes: 8 + 5
    const std::string enciphered = Encipher(plain, key);
    ASSERT_EQ(enciphered.size(), 16u);
    BfBlock last = BlockOf(std::string_view(enciphered).substr(8));
    BfCryptBlock(BfExpandKey(key), last, BfDirection::Decipher);
    EXPECT_EQ(last, (BfBlock{'8', '9', 'A', 'B', 'C', 0x00, 0x00, 5}));
}

TEST(LbBlowfish, WholeBlockPlainTextGetsAnExtraCountOnlyBlock) {
    const CipherKey16 key = BuildDatabaseKey();
    const std::string enciphered = Encipher("ABCDEFGH", key);
    ASSERT_EQ(enciphered.size(), 16u);
    BfBlock last = BlockOf(std::string_view(enciphered).substr(8));
    BfCryptBlock(BfExpandKey(key), last, BfDirection::Decipher);
    EXPECT_EQ(last, BfBlock{});
}

TEST(LbBlowfish, EqualPlainBlocksGiveEqualEncipheredBlocks) {
    const std::string enciphered = Encipher("SameSameSameSame", BuildDatabaseKey());
    EXPECT_EQ(enciphered.substr(0, 8), enciphered.substr(8, 8));
    EXPECT_NE(enciphered.substr(0, 8), "SameSame");
}

TEST(LbBlowfish, InputShorterThanOneBlockFailsAndWritesNothing) {
    for (std::size_t length = 0; length < 8; ++length) {
        TLbBlowfish cipher;
        TMemoryStream in = StreamOf(PlainOfLength(length));
        TMemoryStream out;
        EXPECT_THROW(cipher.DecipherStream(in, out), ECipherException) << length;
        EXPECT_EQ(out.Size(), 0) << length;
    }
    ExpectInvalidFormat("", CipherKey16{});
}

TEST(LbBlowfish, FinalCountUpToEightIsWrittenFromTheBlock) {
    const CipherKey16 key = PatternKey(1, 2);
    EXPECT_EQ(Decipher(FileWithFinalCount(0, key), key), "12345678");
    EXPECT_EQ(Decipher(FileWithFinalCount(7, key), key), "12345678abcdefg");
    // 8 reads the count byte itself as data, but stays inside the block.
    EXPECT_EQ(Decipher(FileWithFinalCount(8, key), key), std::string("12345678abcdefg\x08", 16));
}

TEST(LbBlowfish, FinalCountAboveEightFailsAfterTheDataBlocks) {
    const CipherKey16 key = PatternKey(1, 2);
    for (int count = 9; count <= 255; ++count) {
        TLbBlowfish cipher;
        cipher.AssignKey(key);
        TMemoryStream in = StreamOf(FileWithFinalCount(static_cast<std::uint8_t>(count), key));
        TMemoryStream out;
        EXPECT_THROW(cipher.DecipherStream(in, out), ECipherException) << count;
        ASSERT_EQ(BytesOf(out), "12345678") << count;  // blocks before the failure stay
    }
}

TEST(LbBlowfish, BytesBehindTheLastWholeBlockAreIgnored) {
    const CipherKey16 key = BuildDatabaseKey();
    const std::string plain = PlainOfLength(21);
    const std::string enciphered = Encipher(plain, key);
    for (std::size_t extra = 1; extra < 8; ++extra) {
        EXPECT_EQ(Decipher(enciphered + std::string(extra, '\x07'), key), plain) << extra;
    }
}

TEST(LbBlowfish, FlippedByteChangesOnlyItsOwnBlock) {
    const CipherKey16 key = BuildDatabaseKey();
    const std::string plain = PlainOfLength(40);
    std::string enciphered = Encipher(plain, key);
    enciphered[19] = static_cast<char>(enciphered[19] ^ 0x5A);
    const std::string deciphered = Decipher(enciphered, key);
    ASSERT_EQ(deciphered.size(), plain.size());
    for (std::size_t i = 0; i < plain.size(); ++i) {
        if (i < 16 || i >= 24) {
            EXPECT_EQ(deciphered[i], plain[i]) << i;
        }
    }
    EXPECT_NE(deciphered.substr(16, 8), plain.substr(16, 8));
}

TEST(LbBlowfish, ShortReadsGiveTheSameOutputAsWholeReads) {
    const CipherKey16 key = PatternKey(5, 11);
    const std::string plain = PlainOfLength(5000);  // spans more than one internal chunk
    const std::string enciphered = Encipher(plain, key);

    TLbBlowfish cipher;
    cipher.AssignKey(key);
    TrickleStream in;
    in.WriteBuffer(enciphered.data(), enciphered.size());
    in.SetPosition(0);
    TMemoryStream out;
    cipher.DecipherStream(in, out);
    EXPECT_EQ(BytesOf(out), plain);
}

TEST(LbBlowfish, WritesAtTheOutputsCurrentPosition) {
    const CipherKey16 key = PatternKey(5, 11);
    const std::string plain = PlainOfLength(30);
    TLbBlowfish cipher;
    cipher.AssignKey(key);
    TMemoryStream in = StreamOf(Encipher(plain, key));
    TMemoryStream out = StreamOf("prefix--tail");
    out.SetPosition(8);
    cipher.DecipherStream(in, out);
    EXPECT_EQ(out.Position(), 38);
    EXPECT_EQ(BytesOf(out), "prefix--" + plain);
}

TEST(LbBlowfish, KeyDecidesTheOutput) {
    TLbBlowfish cipher;
    EXPECT_EQ(cipher.Key(), CipherKey16{});
    const std::string plain = PlainOfLength(16);
    EXPECT_NE(Encipher(plain, CipherKey16{}), Encipher(plain, BuildDatabaseKey()));
}

TEST(LbBlowfish, ModesOtherThanEcbLeaveTheOutputAlone) {
    for (const auto mode : {cmCBC, static_cast<TLbCipherMode>(7)}) {
        TLbBlowfish cipher;
        cipher.CipherMode = mode;
        TMemoryStream in = StreamOf("0123456789");
        TMemoryStream out;
        cipher.EncipherStream(in, out);
        cipher.DecipherStream(in, out);
        EXPECT_EQ(out.Size(), 0);
    }
}

TEST(LbBlowfish, EncipheredSize) {
    struct Case {
        std::uint32_t plain;
        std::uint32_t enciphered;
    };
    for (const Case c : {Case{0, 8}, Case{1, 8}, Case{7, 8}, Case{8, 16}, Case{13, 16},
                         Case{15, 16}, Case{16, 24}, Case{0xFFFFFFEF, 0xFFFFFFF0}}) {
        EXPECT_EQ(TLbBlowfish::EncipheredSize(c.plain), c.enciphered) << c.plain;
    }
}

// In place, the same plain text as the stream operation, or the same failure.
TEST(LbBlowfish, DecipherInPlaceGivesWhatTheStreamGives) {
    const CipherKey16 key = PatternKey(3, 5);
    std::vector<std::string> files = {"", "1234567", Encipher("", key), Encipher("ab", key)};
    for (const int count : {0, 7, 8, 9, 255}) {
        files.push_back(FileWithFinalCount(static_cast<std::uint8_t>(count), key));
    }
    files.push_back(Encipher(PlainOfLength(21), key) + "xyz");
    for (std::string& file : files) {
        TLbBlowfish cipher;
        cipher.AssignKey(key);
        auto* bytes = reinterpret_cast<std::uint8_t*>(file.data());
        std::string expected;
        try {
            expected = Decipher(file, key);
        } catch (const ECipherException&) {
            EXPECT_THROW(cipher.DecipherInPlace(bytes, file.size()), ECipherException);
            continue;
        }
        EXPECT_EQ(file.substr(0, cipher.DecipherInPlace(bytes, file.size())), expected);
    }
    TLbBlowfish cbc;
    cbc.CipherMode = cmCBC;
    std::string file = Encipher("ab", key);
    EXPECT_EQ(cbc.DecipherInPlace(reinterpret_cast<std::uint8_t*>(file.data()), file.size()), 0u);
}
