#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <nlohmann/json.hpp>
#include <set>

#include "db/DatabaseFile.h"
#include "lookup/MadeFiles.h"
#include "platform/Streams.h"

using nlohmann::json;

namespace {

class LookupTool : public ::testing::Test {
protected:
    // Runs the built program with stdout and stderr in files; returns its exit status.
    int Run(const std::string& arguments, const std::string& environment = "",
            const std::string& program = LUMBRAFIX_LOOKUP_TOOL) {
        const std::string line = environment + " '" + program + "' " + arguments + " >'" +
                                 files_.Path("out") + "' 2>'" + files_.Path("err") + "'";
        const int status = std::system(line.c_str());
        out_ = Read("out");
        err_ = Read("err");
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string Read(const std::string& name) const {
        std::ifstream in(files_.Path(name));
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    static std::set<std::string> Keys(const json& object) {
        std::set<std::string> keys;
        for (const auto& item : object.items())
            keys.insert(item.key());
        return keys;
    }

    MadeFiles files_;
    std::string out_, err_;
};

// Faults: a usage error or a missing database taken for "no hit" or run anyway; no reason
// given; "no hit" reported as success; --and ignored; lookups in parallel refusing each other;
// a --file whose examining program is missing passing silently, or that takes a file named
// like an option for one.
TEST_F(LookupTool, ExitStatusTellsHitsNoneAndWrongUsage) {
    const std::map<int, std::vector<std::string>> rows = {
        {0, {"--help", "--version", "pdf", "-t PORTABLE", "-t portable -p zzqqxx"}},
        {1, {"zzqqxx", "-t portable -p zzqqxx --and", "--file -- -missing"}},
        {2, {"", "-x", "-t", "pdf doc", "--file", "--file -t x a", "' '"}}};
    for (const auto& [status, lines] : rows) {
        for (const std::string& arguments : lines) {
            EXPECT_EQ(Run(arguments), status) << arguments << "\n" << err_;
            EXPECT_TRUE(status != 2 || err_.find("lumbrafix-lookup: ") == 0) << err_;
        }
    }
    EXPECT_TRUE(Run("pdf") == 0 && out_.find_first_of('\t') == 4) << out_;
    // Another lookup reading the database at the same time doesn't stand in the way.
    const TFileStream reading(DatabaseFileToRead(LUMBRAFIX_DATABASE_FOLDER),
                              TFileMode::fmOpenReadShared);
    EXPECT_EQ(Run("pdf"), 0) << err_;
    EXPECT_TRUE(Run("--help") == 0 && out_.find("Usage: lumbrafix-lookup") == 0);
    EXPECT_TRUE(Run("--version") == 0 && out_.find("lumbrafix-lookup 1.") == 0);
    // Without its database the program fails with a reason, never "no hit".
    std::filesystem::copy_file(LUMBRAFIX_LOOKUP_TOOL, files_.Path("lumbrafix-lookup"));
    EXPECT_EQ(Run("pdf", "", files_.Path("lumbrafix-lookup")), 2);
    EXPECT_EQ(err_.find("lumbrafix-lookup: database: "), 0U);
    // Nor without the program that examines files, to which --file goes.
    EXPECT_EQ(Run("--file x", "", files_.Path("lumbrafix-lookup")), 2);
    EXPECT_EQ(err_.find("lumbrafix-lookup: " + files_.Path("lumbrafix-lookup-files: ")), 0U);
}

// Faults: keys missing, renamed or added; a missing file dropped silently or stopping the rest.
TEST_F(LookupTool, JsonHasExactlyTheKeysAndMissingFilesAreReported) {
    const std::string png = files_.Png("photo.pdf");
    EXPECT_EQ(Run("--json --file '" + png + "' '" + files_.Path("missing") + "'"), 1);
    EXPECT_NE(err_.find("missing"), std::string::npos);
    const json shown = json::parse(out_);
    ASSERT_EQ(shown.size(), 1U);
    EXPECT_EQ(Keys(shown[0]),
              (std::set<std::string>{"file", "extension", "records", "name_type", "content_type",
                                     "content_description", "mismatch", "applications"}));
    const std::set<std::string> recordKeys{"extension", "type", "program", "platform"};
    EXPECT_EQ(Keys(shown[0]["records"].at(0)), recordKeys);
    EXPECT_TRUE(shown[0]["mismatch"].get<bool>());
    EXPECT_EQ(Run("--json pdf"), 0);
    EXPECT_EQ(Keys(json::parse(out_).at(0)), recordKeys);
}

// Faults: the user's default not first or listed twice; the applications of the name's type
// shown for a file whose content is another type; the user's own associations not read.
TEST_F(LookupTool, ApplicationsComeFromTheUsersAssociationsDefaultFirst) {
    const std::string png = files_.Png("photo.pdf");
    for (const char* name : {"lumbrafix-test-viewer", "lumbrafix-test-painter"}) {
        files_.Write(std::string("data/applications/") + name + ".desktop",
                     std::string("[Desktop Entry]\nType=Application\nName=") + name +
                         "\nExec=true %f\nMimeType=image/png;\n");
    }
    files_.Write("config/mimeapps.list",
                 "[Default Applications]\nimage/png=lumbrafix-test-painter.desktop\n"
                 "[Added Associations]\n"
                 "image/png=lumbrafix-test-viewer.desktop;lumbrafix-test-painter.desktop;\n");
    const std::string environment = "XDG_DATA_HOME='" + files_.Path("data") +
                                    "' XDG_CONFIG_HOME='" + files_.Path("config") + "'";
    ASSERT_EQ(Run("--json --file '" + png + "'", environment), 0) << err_;
    const json applications = json::parse(out_).at(0)["applications"];
    std::multiset<std::string> listed;  // id, with "*" for the default
    for (const json& application : applications) {
        listed.insert(application["id"].get<std::string>() + (application["default"] ? "*" : ""));
    }
    EXPECT_EQ(applications.at(0)["id"], "lumbrafix-test-painter.desktop");
    EXPECT_EQ(listed.count("lumbrafix-test-painter.desktop*"), 1U);
    EXPECT_EQ(listed.count("lumbrafix-test-painter.desktop"), 0U);
    EXPECT_EQ(listed.count("lumbrafix-test-viewer.desktop"), 1U);
}

}  // namespace
