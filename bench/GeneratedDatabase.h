#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "db/LbCipher.h"
#include "platform/Streams.h"

// A made-up extension database for the benchmarks: lines in the record format
// (".ab12;Some file type text;Some program;Win Mac"), CR LF line ends, about 50 bytes a line.
// The same count and seed always give the same text.
std::string GenerateDatabaseText(std::size_t lineCount, std::uint32_t seed = 1);

// The generated text enciphered under `key`, as the program finds it on disk, positioned at 0.
TMemoryStream GenerateEncipheredDatabase(std::size_t lineCount, const CipherKey16& key,
                                         std::uint32_t seed = 1);
