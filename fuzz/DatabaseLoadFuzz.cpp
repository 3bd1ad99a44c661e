// Feeds arbitrary bytes as the enciphered database file through the loader and the database
// check, as the program reads marbelin_ext.txt at start-up. The only error the loader may
// raise on bad data is ECipherException, and the check raises none; anything else, or a
// sanitizer report, is a finding.

#include <cstddef>
#include <cstdint>

#include "db/DatabaseCheck.h"
#include "db/DatabaseKey.h"
#include "db/ExtensionDatabase.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TMemoryStream file;
    file.WriteBuffer(data, size);
    file.SetPosition(0);
    CheckDatabase(file, BuildDatabaseKey());
    file.SetPosition(0);
    try {
        ReadExtensionLines(file, BuildDatabaseKey());
    } catch (const ECipherException&) {
        // A file shorter than one block, or with a final count beyond its block.
    }
    return 0;
}
