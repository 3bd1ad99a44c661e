#include "platform/ReplaceFile.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace {

std::string TemporaryNameBeside(const std::string& path) {
    return path + ".tmp." + std::to_string(::getpid());
}

}  // namespace

void ReplaceFile(const std::string& path, const std::function<void(TStream&)>& produce) {
    const std::string temporary = TemporaryNameBeside(path);
    try {
        {
            TFileStream out(temporary, TFileMode::fmCreate);
            produce(out);
        }
        if (std::rename(temporary.c_str(), path.c_str()) != 0) {
            throw EFCreateError(FormatMessage("cannot replace %s: %s", path.c_str(),
                                              SystemErrorText(errno).c_str()));
        }
    } catch (...) {
        std::remove(temporary.c_str());
        throw;
    }
}
