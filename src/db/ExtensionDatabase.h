#pragma once

#include <string_view>

#include "db/LbCipher.h"
#include "db/StringList.h"
#include "platform/Streams.h"

// A copy of `text` split into lines (rule in StringList.h).
TStringList SplitLines(std::string_view text);

// The deciphered bytes as text: everything up to the first zero byte, or all of them.
std::string_view PlainTextOf(std::string_view deciphered);

// Deciphers the enciphered database in `file` with a cipher whose key and mode are set.
// Raises ECipherException for a file that is no database at all (shorter than one block, or
// a final count that points outside its block).
TPlainText ReadExtensionText(TStream& file, TLbBlowfish& cipher);
// The same with the cipher made from `key`.
TPlainText ReadExtensionText(TStream& file, const CipherKey16& key);

// The same text split into lines.
TStringList ReadExtensionLines(TStream& file, const CipherKey16& key);
TStringList ReadExtensionLines(TStream& file, TLbBlowfish& cipher);
