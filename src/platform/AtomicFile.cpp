#include "platform/AtomicFile.h"

#include "platform/ReplaceFile.h"

bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes, mode_t mode) {
    try {
        ReplaceFile(
            path.string(), [bytes](TStream& out) { out.WriteBuffer(bytes.data(), bytes.size()); },
            mode);
        return true;
    } catch (const Exception&) {
        return false;
    }
}
