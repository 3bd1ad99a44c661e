#include "lookup/LookupDatabase.h"

#include "db/DatabaseFile.h"
#include "db/DatabaseKey.h"
#include "platform/Streams.h"

TPlainText LoadDatabaseText(const std::string& programFolder) {
    TFileStream file(DatabaseFileToRead(programFolder), TFileMode::fmOpenReadShared);
    return ReadExtensionText(file, BuildDatabaseKey());
}

TStringList LoadDatabaseLines(const std::string& programFolder) {
    return TStringList(LoadDatabaseText(programFolder));
}
