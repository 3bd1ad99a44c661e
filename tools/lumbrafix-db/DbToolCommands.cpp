#include "DbToolCommands.h"

#include <fstream>

#include "DatabaseBuilder.h"
#include "db/BfBlock.h"
#include "platform/ReplaceFile.h"
#include "platform/Streams.h"
#include "text/AnsiCodePage.h"

namespace {

// `in`, from its current position, enciphered or deciphered, replaces `output`.
void ConvertStream(TStream& in, const std::string& output, const CipherKey16& key,
                   BfDirection direction) {
    TLbBlowfish cipher;
    cipher.CipherMode = cmECB;
    cipher.AssignKey(key);
    ReplaceFile(output, [&](TStream& out) {
        if (direction == BfDirection::Encipher) {
            cipher.EncipherStream(in, out);
        } else {
            cipher.DecipherStream(in, out);
        }
    });
}

void ConvertFile(const std::string& input, const std::string& output, const CipherKey16& key,
                 BfDirection direction) {
    TFileStream in(input, TFileMode::fmOpenReadExclusive);
    ConvertStream(in, output, key, direction);
}

template <typename Reader>
auto ReadSourceFile(const std::string& path, Reader read) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw ESourceError(FormatMessage("cannot read %s", path.c_str()));
    }
    return read(in, path);
}

DatabaseSources ReadBuildSources(const DatabaseBuildSources& files) {
    DatabaseSources sources;
    sources.curated.extensionLines =
        ReadSourceFile(files.dataFolder + "/extensions.txt", ReadCuratedExtensions);
    sources.curated.typeRules = ReadSourceFile(files.dataFolder + "/types.txt", ReadTypeRules);
    sources.registries.push_back(ReadSourceFile(
        files.mimeTypesData, [](std::istream& in, auto&) { return ReadMimeTypesData(in); }));
    sources.registries.push_back(
        ReadSourceFile(files.mimeTypes, [](std::istream& in, auto&) { return ReadMimeTypes(in); }));
    return sources;
}

}  // namespace

void EncipherFile(const std::string& input, const std::string& output, const CipherKey16& key) {
    ConvertFile(input, output, key, BfDirection::Encipher);
}

void DecipherFile(const std::string& input, const std::string& output, const CipherKey16& key) {
    ConvertFile(input, output, key, BfDirection::Decipher);
}

std::size_t BuildDatabaseFile(const DatabaseBuildSources& sources, const std::string& output,
                              const CipherKey16& key) {
    const std::vector<std::string> lines = BuildDatabaseLines(ReadBuildSources(sources));
    std::string plain;
    for (const std::string& line : lines) {
        plain += Utf8ToAnsi(line) + "\r\n";
    }
    TMemoryStream in;
    in.WriteBuffer(plain.data(), plain.size());
    in.SetPosition(0);
    ConvertStream(in, output, key, BfDirection::Encipher);
    return lines.size();
}

DatabaseVerdict CheckDatabaseFile(const std::string& file, const CipherKey16& key) {
    TFileStream stream(file, TFileMode::fmOpenReadExclusive);
    return CheckDatabase(stream, key);
}
