#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "db/LbCipher.h"
#include "db/StringList.h"
#include "platform/Streams.h"

// The rules of the database file in one place. The start-up load, the update, lumbrafix-fetch
// --database and lumbrafix-db check all ask here whether bytes are a database the program
// loads, so none of them can take an HTML page or a cut file for one.

// The largest database file taken anywhere; the shipped one is about 128 KB.
inline constexpr std::int64_t kMaxDatabaseBytes = std::int64_t{64} << 20;

struct DatabaseVerdict {
    bool loadable = false;
    std::string reason;     // why not, in English, when not loadable
    std::size_t lines = 0;  // the lines the program loads, when loadable
};

// Whether `bytes`, a whole enciphered file, is a database the program loads: whole 8-byte
// blocks, at most kMaxDatabaseBytes, a final count of 0 to 7, and a deciphered text (up to its
// first zero byte, as the loader takes it) of lines without control characters but tabs, at
// least one of them a record (four or more ";"-separated fields).
DatabaseVerdict CheckDatabase(std::string_view bytes, const CipherKey16& key);
// The same for the whole of `file`, read from its start.
DatabaseVerdict CheckDatabase(TStream& file, const CipherKey16& key);
// The same for a file of `fileSize` bytes that the loader has already deciphered into `lines`
// (it raises on a final count out of range itself), so the file is not deciphered twice.
DatabaseVerdict CheckLoadedDatabase(std::int64_t fileSize, const TStringList& lines);
