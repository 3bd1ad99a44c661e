#pragma once

#include <cstddef>
#include <string>

#include "db/DatabaseCheck.h"
#include "db/LbCipher.h"

// The work of lumbrafix-db's commands, on files. Failures raise exceptions rooted in
// Exception (file errors from the stream layer, ECipherException for bad data).

// IN's bytes, enciphered in the database format, replace OUT.
void EncipherFile(const std::string& input, const std::string& output, const CipherKey16& key);

// IN, an enciphered database, deciphered to its plain bytes, replaces OUT.
void DecipherFile(const std::string& input, const std::string& output, const CipherKey16& key);

// Where `lumbrafix-db build` reads its sources.
struct DatabaseBuildSources {
    std::string dataFolder;     // holds extensions.txt and types.txt
    std::string mimeTypes;      // /etc/mime.types
    std::string mimeTypesData;  // mime-types.json
};

// The merged database (see DatabaseBuilder.h), in the ANSI code page with CR LF line ends,
// enciphered, replaces OUT. Returns the number of lines.
std::size_t BuildDatabaseFile(const DatabaseBuildSources& sources, const std::string& output,
                              const CipherKey16& key);

// Whether FILE is a database the program loads (see CheckDatabase).
DatabaseVerdict CheckDatabaseFile(const std::string& file, const CipherKey16& key);
