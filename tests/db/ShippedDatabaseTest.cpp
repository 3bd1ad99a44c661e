#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>

#include "db/DatabaseKey.h"
#include "db/ExtensionDatabase.h"
#include "db/ExtensionRecord.h"
#include "platform/Streams.h"

// The database the build puts beside the program, read the way the program reads it.

namespace {

struct Record {
    std::string extension, type, program, platform;
};

// Read without the program's lock, so that the tests that start the program at the same time
// are not refused the file.
TMemoryStream ShippedFile() {
    std::ifstream in(LUMBRAFIX_DATABASE_FILE, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    TMemoryStream file;
    file.WriteBuffer(bytes.data(), bytes.size());
    file.SetPosition(0);
    return file;
}

std::vector<Record> ShippedRecords() {
    TMemoryStream file = ShippedFile();
    std::vector<Record> records;
    for (const std::string_view line : ReadExtensionLines(file, BuildDatabaseKey())) {
        EXPECT_EQ(std::count(line.begin(), line.end(), ';'), 3) << line;
        records.push_back({ExtractField(line, 1), ExtractField(line, 2), ExtractField(line, 3),
                           ExtractField(line, 4)});
    }
    return records;
}

const std::vector<Record>& Shipped() {
    static const std::vector<Record> records = ShippedRecords();
    return records;
}

bool IsPlatformList(const std::string& platform) {
    static const std::set<std::string> kWords = {"Win", "Mac", "Unix", "OS2"};
    std::istringstream words(platform);
    std::size_t count = 0;
    for (std::string word; words >> word; ++count) {
        if (kWords.count(word) == 0) {
            return false;
        }
    }
    return count > 0;
}

}  // namespace

TEST(ShippedDatabase, HoldsAtLeast2000WellFormedLines) {
    EXPECT_GE(Shipped().size(), 2000u);
    std::set<std::pair<std::string, std::string>> pairs;
    for (const Record& r : Shipped()) {
        const std::string name = r.extension + ";" + r.type;
        EXPECT_TRUE(r.extension.size() > 1 && r.extension[0] == '.') << name;
        EXPECT_TRUE(std::none_of(r.extension.begin(), r.extension.end(), [](char c) {
            return c >= 'A' && c <= 'Z';
        })) << name;
        EXPECT_FALSE(r.type.empty()) << name;
        EXPECT_FALSE(r.program.empty()) << name;
        EXPECT_TRUE(IsPlatformList(r.platform)) << name << ";" << r.platform;
        EXPECT_TRUE(pairs.insert({r.extension, r.type}).second) << "twice: " << name;
    }
}

// Descriptions are words for people: no MIME type names, no control characters.
TEST(ShippedDatabase, FileTypesReadAsWordsNotAsMimeTypes) {
    for (const Record& r : Shipped()) {
        for (const char* mimeWord : {"application/", "vnd.", "x-", "+xml", "+json"}) {
            EXPECT_EQ(r.type.find(mimeWord), std::string::npos) << r.extension << ";" << r.type;
        }
        EXPECT_TRUE(std::none_of(r.type.begin(), r.type.end(), [](char c) {
            return c >= 0 && c < ' ';
        })) << r.extension;
    }
}

TEST(ShippedDatabase, WellKnownExtensionsHaveARealProgramOnTheirPlatforms) {
    struct Known {
        const char* extension;
        const char* platforms;  // each must be listed by at least one line
    };
    const Known known[] = {
        {".doc", "Win Mac"},       {".docx", "Win Mac"},
        {".odt", "Win Mac Unix"},  {".pdf", "Win Mac Unix"},
        {".jpg", "Win Mac Unix"},  {".png", "Win Mac Unix"},
        {".webp", "Win Mac Unix"}, {".svg", "Win Mac Unix"},
        {".zip", "Win Mac Unix"},  {".7z", "Win"},
        {".tar", "Unix"},          {".gz", "Unix"},
        {".xz", "Unix"},           {".zst", "Unix"},
        {".mp3", "Win Mac Unix"},  {".flac", "Win Mac Unix"},
        {".mp4", "Win Mac Unix"},  {".mkv", "Win Mac Unix"},
        {".exe", "Win"},           {".dll", "Win"},
        {".so", "Unix"},           {".deb", "Unix"},
        {".rpm", "Unix"},          {".dmg", "Mac"},
        {".iso", "Win Mac Unix"},  {".txt", "Win Mac Unix"},
        {".md", "Win Mac Unix"},   {".html", "Win Mac Unix"},
        {".css", "Win Mac Unix"},  {".js", "Win Mac Unix"},
        {".ts", "Win Mac Unix"},   {".json", "Win Mac Unix"},
        {".yaml", "Win Mac Unix"}, {".py", "Win Mac Unix"},
        {".c", "Win Mac Unix"},    {".cpp", "Win Mac Unix"},
        {".h", "Win Mac Unix"},    {".java", "Win Mac Unix"},
        {".rs", "Win Mac Unix"},   {".go", "Win Mac Unix"},
        {".sh", "Mac Unix"},
    };
    std::multimap<std::string, const Record*> byExtension;
    for (const Record& r : Shipped()) {
        byExtension.insert({r.extension, &r});
    }
    for (const Known& k : known) {
        const auto [first, last] = byExtension.equal_range(k.extension);
        ASSERT_NE(first, last) << k.extension << " is missing";
        std::string platforms;
        for (auto it = first; it != last; ++it) {
            EXPECT_GE(it->second->program.size(), 3u) << k.extension;
            platforms += " " + it->second->platform + " ";
        }
        std::istringstream words(k.platforms);
        for (std::string word; words >> word;) {
            EXPECT_NE(platforms.find(" " + word + " "), std::string::npos)
                << k.extension << " lacks " << word;
        }
        if (std::string(k.extension) == ".exe" || std::string(k.extension) == ".dll") {
            EXPECT_EQ(platforms.find(" Unix "), std::string::npos) << k.extension;
        }
    }
}
