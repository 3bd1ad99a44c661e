// Writes the generated benchmark database as the program finds it on disk, enciphered under
// the database key, and its plain text beside it for the peers (grep).
//
//   write_generated_database LINES ENCIPHERED_FILE PLAIN_FILE

#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "GeneratedDatabase.h"
#include "db/DatabaseKey.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s LINES ENCIPHERED_FILE PLAIN_FILE\n", argv[0]);
        return 2;
    }
    const auto lines = static_cast<std::size_t>(std::strtoul(argv[1], nullptr, 10));
    TMemoryStream enciphered = GenerateEncipheredDatabase(lines, BuildDatabaseKey());
    std::ofstream(argv[2], std::ios::binary)
        .write(reinterpret_cast<const char*>(enciphered.Memory()), enciphered.Size());
    const std::string plain = GenerateDatabaseText(lines);
    std::ofstream(argv[3], std::ios::binary)
        .write(plain.data(), static_cast<std::streamsize>(plain.size()));
    return 0;
}
