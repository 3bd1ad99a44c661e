#include "GeneratedDatabase.h"

#include <array>
#include <random>

namespace {

constexpr std::array kTypeWords = {
    "Archive", "Image", "Document",    "Audio",    "Video",  "Database",   "Backup",
    "Project", "Font",  "Spreadsheet", "Settings", "Source", "Compressed", "Temporary",
    "Vector",  "Raw",   "Encrypted",   "Game",     "Log",    "Template"};
constexpr std::array kTypeTails = {"file", "data", "format", "document", "container", "index"};
// Made-up program names, as long as the names of real ones.
constexpr std::array kPrograms = {"Zipit",
                                  "Pixelmoor Paint",
                                  "Quillmark Word",
                                  "Amplio",
                                  "Orb media player",
                                  "Notelet++",
                                  "Pixa",
                                  "BrookOffice",
                                  "Heron Draw",
                                  "Tally 1-2-3",
                                  "Quince PlayTime",
                                  "Packer",
                                  "Draftsmith Plans",
                                  "Codewright IDE",
                                  "TypeLive",
                                  "unknown"};
constexpr std::array kPlatforms = {
    "Win",      "Mac",          "Unix",    "OS2",      "Win Mac",
    "Win Unix", "Win Mac Unix", "Win OS2", "Mac Unix", "Win Mac Unix OS2"};

template <typename Pool>
const char* Pick(const Pool& pool, std::mt19937& random) {
    return pool[random() % pool.size()];
}

std::string Extension(std::mt19937& random) {
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::string extension = ".";
    const std::size_t length = 2 + random() % 4;
    for (std::size_t i = 0; i < length; ++i) {
        extension += kLetters[random() % (sizeof kLetters - 1)];
    }
    return extension;
}

}  // namespace

std::string GenerateDatabaseText(std::size_t lineCount, std::uint32_t seed) {
    std::mt19937 random(seed);
    std::string text;
    text.reserve(lineCount * 56);
    for (std::size_t i = 0; i < lineCount; ++i) {
        text += Extension(random);
        text += ';';
        text += Pick(kTypeWords, random);
        text += ' ';
        text += Pick(kTypeWords, random);
        text += ' ';
        text += Pick(kTypeTails, random);
        text += ';';
        text += Pick(kPrograms, random);
        text += ';';
        text += Pick(kPlatforms, random);
        text += "\r\n";
    }
    return text;
}

TMemoryStream GenerateEncipheredDatabase(std::size_t lineCount, const CipherKey16& key,
                                         std::uint32_t seed) {
    const std::string text = GenerateDatabaseText(lineCount, seed);
    TMemoryStream plain;
    plain.WriteBuffer(text.data(), text.size());
    plain.SetPosition(0);
    TMemoryStream enciphered;
    TLbBlowfish cipher;
    cipher.AssignKey(key);
    cipher.EncipherStream(plain, enciphered);
    enciphered.SetPosition(0);
    return enciphered;
}
