#include "db/DatabaseLoad.h"

#include "db/DatabaseCheck.h"
#include "db/DatabaseKey.h"
#include "db/ExtensionDatabase.h"
#include "platform/Streams.h"

std::optional<TStringList> LoadDatabaseFile(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return std::nullopt;
    }
    TFileStream file(path.string(), TFileMode::fmOpenReadExclusive);
    TStringList lines = ReadExtensionLines(file, BuildDatabaseKey());
    if (!CheckLoadedDatabase(file.Size(), lines).loadable) {
        lines.clear();
    }
    return lines;
}

std::future<std::optional<TStringList>> StartDatabaseLoad(std::filesystem::path path) {
    return std::async(std::launch::async,
                      [path = std::move(path)] { return LoadDatabaseFile(path); });
}
