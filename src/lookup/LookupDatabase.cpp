#include "lookup/LookupDatabase.h"

#include "db/DatabaseFile.h"
#include "db/DatabaseKey.h"
#include "platform/Streams.h"

TPlainText LoadDatabaseText(const std::filesystem::path& programFolder) {
    TFileStream file(DatabaseFileToRead(programFolder).string(), TFileMode::fmOpenReadShared);
    return ReadExtensionText(file, BuildDatabaseKey());
}

TStringList LoadDatabaseLines(const std::filesystem::path& programFolder) {
    return TStringList(LoadDatabaseText(programFolder));
}
