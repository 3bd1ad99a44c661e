#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "db/LbCipher.h"
#include "platform/Streams.h"

// The extension database in memory: one ANSI text line per entry, in file order, with
// duplicates and empty lines kept.
using TStringList = std::vector<std::string>;

// Splits a text into lines. CR LF, a lone LF and a lone CR each end one line; a line end at
// the very end adds no empty line after it; an empty text gives no line.
TStringList SplitLines(std::string_view text);

// The deciphered bytes as text: everything up to the first zero byte, or all of them.
std::string_view PlainTextOf(const TMemoryStream& deciphered, std::size_t length);

// Deciphers the enciphered database in `file` with `key` and splits it into lines.
// Raises ECipherException for a file that is no database at all (shorter than one block, or
// a final count that points outside its block).
TStringList ReadExtensionLines(TStream& file, const CipherKey16& key);
// The same with a cipher whose key and mode are already set.
TStringList ReadExtensionLines(TStream& file, TLbBlowfish& cipher);
