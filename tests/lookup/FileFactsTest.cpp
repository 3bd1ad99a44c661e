#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <tuple>

#include "MadeFiles.h"
#include "db/ExtensionRecord.h"
#include "lookup/ExactExtension.h"
#include "lookup/FileFacts.h"
#include "lookup/LookupDatabase.h"
#include "lookup/TypeAgreement.h"

namespace {

// Faults: the name's type taken for the content's; a PDF without an extension not recognised;
// an ELF or a PNG named .pdf not flagged; an empty file or a folder flagged; substring
// instead of exact extension; the case of A to Z or a non-ASCII name breaking the match;
// a missing file shown as if it were there.
TEST(FileFacts, RealFilesUnderTheirNames) {
    const MadeFiles files;
    const TStringList database = LoadDatabaseLines(LUMBRAFIX_DATABASE_FOLDER);
    TContentReader reader;
    std::filesystem::create_directory(files.Path("folder.pdf"));
    // file, extension, name type, content type, mismatch
    const std::tuple<std::string, std::string, const char*, const char*, bool> rows[] = {
        {files.Png("photo.pdf"), ".pdf", "application/pdf", "image/png", true},
        {files.Pdf("real.pdf"), ".pdf", "application/pdf", "application/pdf", false},
        {files.Pdf("report"), "", "application/octet-stream", "application/pdf", false},
        {files.Elf("program.pdf"), ".pdf", "application/pdf", "application/x-pie-executable", true},
        {files.Write("empty.pdf", ""), ".pdf", "application/pdf", "inode/x-empty", false},
        {files.Path("folder.pdf"), ".pdf", "inode/directory", "inode/directory", false},
        {files.Pdf("Bericht für Ärzte 2.PDF"), ".PDF", "application/pdf", "application/pdf", false},
    };
    for (const auto& [path, extension, nameType, contentType, mismatch] : rows) {
        SCOPED_TRACE(path);
        const TFileFacts facts = ExamineFile(path, database, reader);
        EXPECT_EQ(facts.extension, extension);
        EXPECT_EQ(facts.nameType, nameType);
        EXPECT_EQ(facts.content.type, contentType);
        EXPECT_FALSE(facts.content.description.empty());
        EXPECT_EQ(facts.mismatch, mismatch);
        EXPECT_EQ(facts.records.empty(), extension.empty());
        for (const std::string_view record : facts.records) {
            EXPECT_EQ(AsciiUpperCase(FieldOf(record, 1)), ".PDF");
        }
    }
    EXPECT_THROW(ExamineFile(files.Path("missing.pdf"), database, reader), EFileUnreadable);
    // Write-only even for root; libmagic alone would call it an empty file.
    EXPECT_THROW(ExamineFile("/proc/sys/vm/drop_caches", database, reader), EFileUnreadable);
}

TEST(FileFacts, ExtensionIsTheNamesLastPart) {
    const char* const rows[][2] = {
        {"a.tar.gz", ".gz"}, {"/x/Bericht.PDF", ".PDF"}, {"README", ""},     {".bashrc", ""},
        {"name.", ""},       {"folder.d/file", ""},      {"/x/.d/y.c", ".c"}};
    for (const auto& [path, extension] : rows) {
        EXPECT_EQ(ExtensionOfName(path), extension) << path;
    }
    EXPECT_TRUE(RecordsWithExtension(SplitLines(".cpp;C++;g++;Unix\n.C;C;cc;Unix\nc;x;y;Win"), ".c")
                    .size() == 1);
}

// Faults: aliases or parents taken for a disagreement; generic content answers flagged;
// a ZIP or plain text answer excused for a format that isn't built on it.
TEST(FileFacts, NameAndContentDisagreeOnlyOnUnrelatedTypes) {
    const std::tuple<const char*, const char*, bool> rows[] = {
        {"application/pdf", "image/png", true},
        {"image/png", "text/plain", true},
        {"image/png", "application/zip", true},
        {"text/x-csrc", "text/plain", false},
        {"text/x-csrc", "text/x-c", false},
        {"image/svg+xml", "text/xml", false},
        {"application/vnd.openxmlformats-officedocument.wordprocessingml.document",
         "application/zip", false},
        {"application/pdf", "application/octet-stream", false},
        {"application/octet-stream", "image/png", false},
    };
    for (const auto& [name, content, disagree] : rows) {
        EXPECT_EQ(NameAndContentDisagree(name, content), disagree) << name << " / " << content;
    }
    EXPECT_EQ(TypeToOpen("application/pdf", "image/png"), "image/png");
    EXPECT_EQ(TypeToOpen("application/pdf", "inode/x-empty"), "application/pdf");
    EXPECT_EQ(TypeToOpen("application/octet-stream", "application/octet-stream"),
              "application/octet-stream");
    EXPECT_EQ(TypeToOpen("text/x-csrc", "text/plain"), "text/x-csrc");
    EXPECT_EQ(TypeToOpen("image/png", "text/plain"), "text/plain");
    const char* const docx =
        "application/vnd.openxmlformats-officedocument.wordprocessingml.document";
    EXPECT_EQ(TypeToOpen(docx, "application/zip"), docx);
    EXPECT_THROW(LaunchApplication("lumbrafix-no-such-application.desktop", "/"), ELaunchFailed);
}

}  // namespace

// Fault: libmagic without its database taken for a working reader, or a crash on its
// missing reason, instead of a message the file window can show.
TEST(ContentReader, MissingMagicDatabaseIsReported) {
    ::setenv("MAGIC", "/nonexistent/lumbrafix.mgc", 1);
    try {
        const TContentReader reader;
        ADD_FAILURE() << "a reader without its database";
    } catch (const EFileUnreadable& error) {
        EXPECT_NE(error.Message(), "libmagic can't start");  // libmagic's own reason
    }
    ::unsetenv("MAGIC");
}

// Fault: a reader that keeps libmagic's database mapped after it is gone.
TEST(ContentReader, ReleasesLibmagicsDatabaseWhenGone) {
    const auto mapped = [] {
        std::ifstream maps("/proc/self/maps");
        const std::string text{std::istreambuf_iterator<char>(maps), {}};
        return text.find(".mgc") != std::string::npos;
    };
    {
        const TContentReader reader;
        ASSERT_TRUE(mapped());  // libmagic maps its compiled database
    }
    EXPECT_FALSE(mapped());
}
