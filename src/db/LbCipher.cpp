#include "db/LbCipher.h"

#include <algorithm>

#include "db/BfBlock.h"

namespace {

constexpr int kBlockSize = 8;
// Whole blocks are moved through a fixed buffer of this many blocks, so memory use does not
// depend on the stream's size while a large file is not ciphered one call per 8 bytes.
constexpr std::size_t kChunkBlocks = 512;

[[noreturn]] void ThrowInvalidFormat() {
    throw ECipherException("Invalid file format");
}

// Reads until `count` bytes have come or the input has no more; returns how many came.
std::size_t ReadUpTo(TStream& in, std::uint8_t* buffer, std::size_t count) {
    std::size_t done = 0;
    while (done < count) {
        const std::size_t n = in.Read(buffer + done, count - done);
        if (n == 0) {
            break;
        }
        done += n;
    }
    return done;
}

// Ciphers `blocks` whole blocks from in to out. When the input ends early, the whole blocks
// that did come are still written before the error is raised.
void CryptWholeBlocks(TStream& in, TStream& out, const BfBlockMask& mask, std::int64_t blocks) {
    std::array<std::uint8_t, kChunkBlocks * kBlockSize> chunk;
    while (blocks > 0) {
        const std::size_t want =
            std::min<std::size_t>(static_cast<std::size_t>(blocks), kChunkBlocks) * kBlockSize;
        const std::size_t got = ReadUpTo(in, chunk.data(), want);
        const std::size_t whole = got - got % kBlockSize;
        BfApplyMask(mask, chunk.data(), whole);
        out.WriteBuffer(chunk.data(), whole);
        if (got < want) {
            ThrowInvalidFormat();
        }
        blocks -= static_cast<std::int64_t>(want / kBlockSize);
    }
}

// The last block carries the plain-text remainder (0 to 7 bytes) and, in byte 7, its length.
void EncipherFinalBlock(TStream& in, TStream& out, const BfBlockMask& mask, std::size_t rest) {
    BfBlock block{};
    if (ReadUpTo(in, block.data(), rest) < rest) {
        ThrowInvalidFormat();
    }
    block[7] = static_cast<std::uint8_t>(rest);
    BfApplyMask(mask, block.data(), block.size());
    out.WriteBuffer(block.data(), block.size());
}

// A count above 8 would reach past the block; a well-formed file carries 0 to 7, and 8 still
// lies within the block, so only counts above 8 are refused.
void DecipherFinalBlock(TStream& in, TStream& out, const BfBlockMask& mask) {
    BfBlock block{};
    if (ReadUpTo(in, block.data(), block.size()) < block.size()) {
        ThrowInvalidFormat();
    }
    BfApplyMask(mask, block.data(), block.size());
    const std::size_t count = block[7];
    if (count > block.size()) {
        ThrowInvalidFormat();
    }
    out.WriteBuffer(block.data(), count);
}

// ECB framing over the whole input. The key is expanded once per stream; every block then
// goes through the closed form of the block function (see BfMaskOf), which gives the same
// bytes as BfCryptBlock with this state in either direction.
void BfCryptStreamEcb(TStream& in, TStream& out, const CipherKey16& key, BfDirection direction) {
    const BfBlockMask mask = BfMaskOf(BfExpandKey(key));
    const std::int64_t totalSize = in.Size();
    const bool enciphering = direction == BfDirection::Encipher;
    const std::int64_t blocks = totalSize / kBlockSize + (enciphering ? 1 : 0);
    CryptWholeBlocks(in, out, mask, blocks - 1);
    if (enciphering) {
        EncipherFinalBlock(in, out, mask, static_cast<std::size_t>(totalSize % kBlockSize));
    } else {
        DecipherFinalBlock(in, out, mask);
    }
}

}  // namespace

void TLbBlowfish::DecipherStream(TStream& inStream, TStream& outStream) {
    if (CipherMode == cmECB) {
        BfCryptStreamEcb(inStream, outStream, key_, BfDirection::Decipher);
    }
}

void TLbBlowfish::EncipherStream(TStream& inStream, TStream& outStream) {
    if (CipherMode == cmECB) {
        BfCryptStreamEcb(inStream, outStream, key_, BfDirection::Encipher);
    }
}

std::size_t TLbBlowfish::DecipherInPlace(std::uint8_t* bytes, std::size_t size) {
    if (CipherMode != cmECB) {
        return 0;
    }
    constexpr auto kBlock = static_cast<std::size_t>(kBlockSize);
    if (size < kBlock) {
        ThrowInvalidFormat();
    }
    const std::size_t whole = size - size % kBlock;
    BfApplyMask(BfMaskOf(BfExpandKey(key_)), bytes, whole);
    const std::size_t count = bytes[whole - 1];
    if (count > kBlock) {
        ThrowInvalidFormat();
    }
    return whole - kBlock + count;
}

std::uint32_t TLbBlowfish::EncipheredSize(std::uint32_t plainSize) {
    return (plainSize / 8 + 1) * 8;
}
