#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "db/LbCipher.h"

// The quality rules of the database's lines, so that a poor line is found before it ships:
// - line shape: four ";"-separated fields, none empty, none with a space at either end, a
//   database extension (see IsDatabaseExtension) and platform words from Win, Mac, Unix, OS2;
// - the file type must describe the format, not only repeat the program or the vendor at its
//   front ("RealVNC;RealVNC");
// - a well-known program that runs on a platform needs that platform word (GIMP needs Unix);
// - an extension and file type (in any case) only once.

struct LintFinding {
    std::size_t line = 0;  // counted from 1
    std::string reason;
};

// The findings for the database's lines, in line order.
std::vector<LintFinding> LintDatabaseLines(const std::vector<std::string>& lines);

// Prints each finding of the enciphered database FILE with its line (UTF-8) and returns the
// number of findings; a clean file gets one summary line.
std::size_t LintDatabaseFile(const std::string& file, const CipherKey16& key);
