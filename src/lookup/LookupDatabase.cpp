#include "lookup/LookupDatabase.h"

#include "db/DatabaseFile.h"
#include "db/DatabaseKey.h"
#include "platform/Streams.h"

TStringList LoadDatabaseLines(const std::string& programFolder) {
    TFileStream file(DatabaseFileToRead(programFolder), TFileMode::fmOpenReadShared);
    return ReadExtensionLines(file, BuildDatabaseKey());
}
