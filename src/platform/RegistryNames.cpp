#include "platform/RegistryNames.h"

namespace {

bool IsPlainByte(unsigned char c) {
    if (c < 0x20 || c > 0x7E) {
        return false;
    }
    constexpr std::string_view kUnsafe = "/\\%*?:\"<>|";
    return kUnsafe.find(static_cast<char>(c)) == std::string_view::npos;
}

void AppendEscaped(std::string& out, unsigned char c) {
    constexpr char kHex[] = "0123456789ABCDEF";
    out += '%';
    out += kHex[c >> 4];
    out += kHex[c & 0x0F];
}

// Appends the encoded name to `out`. A name never starts with a plain "."; key names never
// start with a plain "@" either.
std::string Encode(std::string out, std::string_view name, bool keyName) {
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto c = static_cast<unsigned char>(name[i]);
        const bool reservedAtStart = i == 0 && (c == '.' || (keyName && c == '@'));
        if (IsPlainByte(c) && !reservedAtStart) {
            out += static_cast<char>(c);
        } else {
            AppendEscaped(out, c);
        }
    }
    return out;
}

}  // namespace

std::string KeyFileName(std::string_view keyName) {
    return Encode({}, keyName, true);
}

std::string ValueFileName(std::string_view valueName) {
    return Encode("@", valueName, false);
}
