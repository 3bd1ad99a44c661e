#include "db/DatabaseUpdate.h"

#include "db/DatabaseCheck.h"
#include "db/DatabaseKey.h"
#include "platform/BoundedStream.h"
#include "platform/ReplaceFile.h"

void ReceiveDatabaseFile(const std::string& databasePath, const TDatabaseTransfer& transfer) {
    ReplaceFile(databasePath, [&transfer](TStream& received) {
        TBoundedStream bounded(received, kMaxDatabaseBytes);
        transfer(bounded);
        const DatabaseVerdict verdict = CheckDatabase(received, BuildDatabaseKey());
        if (!verdict.loadable) {
            throw EDatabaseUpdateError(verdict.reason);
        }
    });
}
