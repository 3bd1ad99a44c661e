#include "db/DatabaseKey.h"

CipherKey16 BuildDatabaseKey() {
    // Volatile stores keep the compiler from folding the bytes into one constant.
    volatile std::uint8_t bytes[16] = {};
    bytes[0] = 0x4C;
    bytes[1] = static_cast<std::uint8_t>(bytes[0] + 0x27);
    bytes[2] = 0x6D ^ 0x0F;
    bytes[3] = 0x9B;
    bytes[4] = static_cast<std::uint8_t>(0x11 * 3);
    bytes[5] = 0xE4;
    bytes[6] = static_cast<std::uint8_t>(bytes[3] - 0x40);
    bytes[7] = 0x2A;
    bytes[8] = 0xC1 ^ 0x5A;
    bytes[9] = 0x70;
    bytes[10] = static_cast<std::uint8_t>(bytes[9] + bytes[7]);
    bytes[11] = 0x0D;
    bytes[12] = 0xB6;
    bytes[13] = static_cast<std::uint8_t>(bytes[12] >> 1);
    bytes[14] = 0xF2;
    // bytes[15] stays zero.
    CipherKey16 key{};
    for (std::size_t i = 0; i < key.size(); ++i) {
        key[i] = bytes[i];
    }
    return key;
}
