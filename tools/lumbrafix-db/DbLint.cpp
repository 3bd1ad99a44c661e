#include "DbLint.h"

#include <cstdio>
#include <iterator>
#include <map>
#include <memory>
#include <set>
#include <sstream>

#include "CuratedTable.h"
#include "MimeSources.h"
#include "TableText.h"
#include "db/DatabaseCheck.h"
#include "db/ExtensionDatabase.h"
#include "platform/Streams.h"
#include "text/AnsiCodePage.h"

namespace {

constexpr std::size_t kFields = 4;
const char* const kFieldNames[kFields] = {"extension", "file type", "program", "platform"};
const std::set<std::string> kPlatformWords = {"Win", "Mac", "Unix", "OS2"};

struct KnownProgram {
    const char* name;      // also covers "name ..." ("LibreOffice Calc" under "LibreOffice")
    const char* platform;  // the platform word every line naming it needs
};

// Programs whose platforms nobody disputes; a line that names one lists its platform.
constexpr KnownProgram kKnownPrograms[] = {
    {"GIMP", "Unix"},
    {"Inkscape", "Unix"},
    {"Krita", "Unix"},
    {"Blender", "Unix"},
    {"LibreOffice", "Unix"},
    {"VLC", "Unix"},
    {"mpv", "Unix"},
    {"Audacity", "Unix"},
    {"darktable", "Unix"},
    {"RawTherapee", "Unix"},
    {"digiKam", "Unix"},
    {"ImageMagick", "Unix"},
    {"FontForge", "Unix"},
    {"Evince", "Unix"},
    {"Okular", "Unix"},
    {"gedit", "Unix"},
    {"Kate", "Unix"},
    {"Thunderbird", "Unix"},
    {"Firefox", "Unix"},
    {"Calibre", "Unix"},
    {"Scribus", "Unix"},
    {"QGIS", "Unix"},
    {"FreeCAD", "Unix"},
    {"KiCad", "Unix"},
    {"PrusaSlicer", "Unix"},
    {"MuseScore", "Unix"},
    {"Ardour", "Unix"},
    {"Kdenlive", "Unix"},
    {"Shotcut", "Unix"},
    {"Wireshark", "Unix"},
    {"Visual Studio Code", "Unix"},
    {"JupyterLab", "Unix"},
    {"RStudio", "Unix"},
    {"XnView MP", "Unix"},
    {"dpkg", "Unix"},
    {"Notepad++", "Win"},
    {"Windows Explorer", "Win"},
    {"File Explorer", "Win"},
    {"Windows Media Player", "Win"},
    {"Xcode", "Mac"},
    {"TextEdit", "Mac"},
    {"Finder", "Mac"},
    {"Font Book", "Mac"},
    {"GarageBand", "Mac"},
    {"Logic Pro", "Mac"},
    {"Final Cut Pro", "Mac"},
    {"Apple Photos", "Mac"},
};

std::string Trimmed(std::string text) {
    text.erase(text.find_last_not_of(' ') + 1);
    text.erase(0, text.find_first_not_of(' '));
    return text;
}

std::vector<std::string> Programs(const std::string& field) {
    std::vector<std::string> programs;
    std::istringstream list(field);
    for (std::string program; std::getline(list, program, ',');) {
        programs.push_back(Trimmed(program));
    }
    return programs;
}

bool BeginsWithWords(const std::string& text, const std::string& words) {
    return text == words || (text.size() > words.size() && text[words.size()] == ' ' &&
                             text.compare(0, words.size(), words) == 0);
}

// A file type as the meaning it names: case does not matter, nor a closing "file" or "file
// format" ("JPEG image" and "JPEG Image File Format" are one meaning).
std::string MeaningOf(const std::string& type) {
    std::string meaning = LowerAscii(type);
    for (const std::string tail : {" format", " file"}) {
        if (meaning.size() > tail.size() &&
            meaning.compare(meaning.size() - tail.size(), tail.size(), tail) == 0) {
            meaning.erase(meaning.size() - tail.size());
        }
    }
    return meaning;
}

class LineLinter {
public:
    explicit LineLinter(std::vector<LintFinding>& findings) : findings_(findings) {}

    void Lint(const std::string& line) {
        ++number_;
        const std::vector<std::string> fields = SplitFields(line);
        if (fields.size() != kFields) {
            Report(line.empty() ? "empty line" : "needs exactly four ';'-separated fields");
            return;
        }
        LintShape(fields);
        LintFileType(fields[1], fields[2]);
        LintPlatform(fields[2], fields[3]);
        LintRepeat(fields[0], fields[1]);
    }

private:
    void Report(std::string reason) { findings_.push_back({number_, std::move(reason)}); }

    void LintShape(const std::vector<std::string>& fields) {
        for (std::size_t i = 0; i < kFields; ++i) {
            if (fields[i].empty()) {
                Report(FormatMessage("empty %s", kFieldNames[i]));
            } else if (fields[i] != Trimmed(fields[i])) {
                Report(FormatMessage("space at either end of the %s", kFieldNames[i]));
            }
        }
        if (!fields[0].empty() && !IsDatabaseExtension(fields[0])) {
            Report("the extension needs a leading dot and lower-case letters, digits, _+-.");
        }
        std::istringstream words(fields[3]);
        for (std::string word; words >> word;) {
            if (kPlatformWords.count(word) == 0) {
                Report(
                    FormatMessage("'%s' is no platform word (Win, Mac, Unix, OS2)", word.c_str()));
            }
        }
    }

    void LintFileType(const std::string& type, const std::string& programs) {
        for (const std::string& program : Programs(programs)) {
            if (!type.empty() && BeginsWithWords(LowerAscii(program), LowerAscii(type))) {
                Report(FormatMessage("the file type only names the program or vendor '%s'",
                                     program.c_str()));
                return;
            }
        }
    }

    void LintPlatform(const std::string& programs, const std::string& platform) {
        std::istringstream words(platform);
        const std::set<std::string> listed{std::istream_iterator<std::string>(words), {}};
        for (const std::string& program : Programs(programs)) {
            for (const KnownProgram& known : kKnownPrograms) {
                if (BeginsWithWords(program, known.name) && listed.count(known.platform) == 0) {
                    Report(FormatMessage("%s runs on %s, but the platform lacks it",
                                         program.c_str(), known.platform));
                }
            }
        }
    }

    void LintRepeat(const std::string& extension, const std::string& type) {
        const auto [first, added] = seen_.insert({{extension, MeaningOf(type)}, number_});
        if (!added) {
            Report(FormatMessage("extension and file type already on line %zu", first->second));
        }
    }

    std::vector<LintFinding>& findings_;
    std::size_t number_ = 0;
    std::map<std::pair<std::string, std::string>, std::size_t> seen_;
};

// Read beside other readers: lint only looks, and may run while the program starts.
TStringList ReadDatabaseFile(const std::string& file, const CipherKey16& key) {
    std::unique_ptr<TFileStream> stream;
    try {
        stream = std::make_unique<TFileStream>(file, TFileMode::fmOpenReadShared);
    } catch (const EFOpenError&) {
        throw ESourceError(FormatMessage("cannot read %s", file.c_str()));
    }
    if (stream->Size() > kMaxDatabaseBytes) {
        throw ESourceError(FormatMessage("%s is larger than a database can be", file.c_str()));
    }
    return ReadExtensionLines(*stream, key);
}

}  // namespace

std::vector<LintFinding> LintDatabaseLines(const std::vector<std::string>& lines) {
    std::vector<LintFinding> findings;
    LineLinter linter(findings);
    for (const std::string& line : lines) {
        linter.Lint(line);
    }
    return findings;
}

std::size_t LintDatabaseFile(const std::string& file, const CipherKey16& key) {
    const TStringList database = ReadDatabaseFile(file, key);
    const std::vector<std::string> lines(database.begin(), database.end());
    const std::vector<LintFinding> findings = LintDatabaseLines(lines);
    for (const LintFinding& finding : findings) {
        std::printf("%s:%zu: %s: %s\n", file.c_str(), finding.line,
                    AnsiToUtf8(finding.reason).c_str(),
                    AnsiToUtf8(lines[finding.line - 1]).c_str());
    }
    if (findings.empty()) {
        std::printf("%s: %zu line(s), no finding\n", file.c_str(), lines.size());
    }
    return findings.size();
}
