#pragma once

#include "LookupCommand.h"

// The program beside lumbrafix-lookup that examines files.
inline constexpr const char* kLookupFilesProgram = "lumbrafix-lookup-files";

// Replaces this process by kLookupFilesProgram in `programFolder`, given the same files and
// output form. Returns only when that program can't be run, having said why on `err`.
int HandFilesOver(const TLookupArguments& arguments, const std::filesystem::path& programFolder,
                  std::FILE* out, std::FILE* err);
