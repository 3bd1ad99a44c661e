#include "DbToolCommands.h"

#include "db/BfBlock.h"
#include "db/ExtensionDatabase.h"
#include "platform/ReplaceFile.h"
#include "platform/Streams.h"

namespace {

constexpr std::int64_t kBlockSize = 8;

void ConvertFile(const std::string& input, const std::string& output, const CipherKey16& key,
                 BfDirection direction) {
    TFileStream in(input, TFileMode::fmOpenReadExclusive);
    TLbBlowfish cipher;
    cipher.CipherMode = cmECB;
    cipher.AssignKey(key);
    ReplaceFile(output, [&](TStream& out) {
        if (direction == BfDirection::Encipher) {
            cipher.EncipherStream(in, out);
        } else {
            cipher.DecipherStream(in, out);
        }
    });
}

int FinalCount(TStream& file, std::int64_t size, const CipherKey16& key) {
    BfBlock last{};
    file.SetPosition(size - kBlockSize);
    file.ReadBuffer(last.data(), last.size());
    BfCryptBlock(BfExpandKey(key), last, BfDirection::Decipher);
    return last[7];
}

DatabaseCheck Malformed(std::string problem) {
    return {false, std::move(problem), 0};
}

}  // namespace

void EncipherFile(const std::string& input, const std::string& output, const CipherKey16& key) {
    ConvertFile(input, output, key, BfDirection::Encipher);
}

void DecipherFile(const std::string& input, const std::string& output, const CipherKey16& key) {
    ConvertFile(input, output, key, BfDirection::Decipher);
}

DatabaseCheck CheckDatabaseFile(const std::string& file, const CipherKey16& key) {
    TFileStream stream(file, TFileMode::fmOpenReadExclusive);
    const std::int64_t size = stream.Size();
    if (size < kBlockSize) {
        return Malformed(FormatMessage("shorter than one 8-byte block (%lld bytes)",
                                       static_cast<long long>(size)));
    }
    if (size % kBlockSize != 0) {
        return Malformed(FormatMessage("%lld byte(s) behind the last whole 8-byte block",
                                       static_cast<long long>(size % kBlockSize)));
    }
    const int count = FinalCount(stream, size, key);
    if (count > 7) {
        return Malformed(FormatMessage("the final block's count is %d, not 0 to 7", count));
    }
    stream.SetPosition(0);
    return {true, "", ReadExtensionLines(stream, key).size()};
}
