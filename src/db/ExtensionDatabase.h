#pragma once

#include <string_view>

#include "db/LbCipher.h"
#include "db/StringList.h"
#include "platform/Streams.h"

// A copy of `text` split into lines (rule in StringList.h).
TStringList SplitLines(std::string_view text);

// The deciphered bytes as text: everything up to the first zero byte, or all of them.
std::string_view PlainTextOf(std::string_view deciphered);

// Deciphers the enciphered database in `file` with `key` and splits it into lines.
// Raises ECipherException for a file that is no database at all (shorter than one block, or
// a final count that points outside its block).
TStringList ReadExtensionLines(TStream& file, const CipherKey16& key);
// The same with a cipher whose key and mode are already set.
TStringList ReadExtensionLines(TStream& file, TLbBlowfish& cipher);
