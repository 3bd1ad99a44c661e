#pragma once

#include "LookupCommand.h"

// --file itself: the database lines, the name's and the content's types and the applications
// of each file, read here with Qt's MIME database, libmagic and GIO.
int ExamineFiles(const TLookupArguments& arguments, const std::filesystem::path& programFolder,
                 std::FILE* out, std::FILE* err);
