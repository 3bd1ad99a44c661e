#include "lookup/LookupDatabase.h"

#include "db/DatabaseFile.h"
#include "db/DatabaseKey.h"
#include "platform/Streams.h"

TStringList LoadDatabaseLines(const std::filesystem::path& programFolder) {
    TFileStream file(DatabaseFileToRead(programFolder).string(), TFileMode::fmOpenReadShared);
    return ReadExtensionLines(file, BuildDatabaseKey());
}
