#include <gtest/gtest.h>

#include <sstream>

#include "CuratedTable.h"
#include "DatabaseBuilder.h"
#include "MimeSources.h"

namespace {

MimeSource Registry(std::vector<MimeExtension> extensions,
                    std::map<std::string, std::string> names = {}) {
    return {std::move(extensions), std::move(names)};
}

const std::vector<TypeRule> kRules = {
    {"image/", "", "GIMP", "Win Mac Unix"},
    {"image/x-raw", "Camera raw image", "darktable", "Unix"},
    {"application/vnd.ms-", "", "Microsoft Office", "Win Mac"},
    {"application/vnd.ms-excel", "", "Microsoft Excel", ""},
    {"+xml", "", "XML editor", "Win Mac Unix"},
    {"application/octet-stream", "", "-", ""},
    {"application/x-nameless", "", "Tool", "Unix"},
};

struct MergeRow {
    const char* name;
    std::vector<std::string> curated;
    MimeSource registry;
    std::vector<std::string> expected;
};

class MergeTable : public testing::TestWithParam<MergeRow> {};

}  // namespace

TEST_P(MergeTable, Lines) {
    const MergeRow& row = GetParam();
    DatabaseSources sources{{row.curated, kRules}, {row.registry}};
    EXPECT_EQ(BuildDatabaseLines(sources), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    DatabaseBuilder, MergeTable,
    testing::Values(
        MergeRow{"curated_extension_takes_nothing_from_the_registries",
                 {".png;PNG picture;Paint;Win"},
                 Registry({{".png", "image/png"}}, {{"image/png", "Portable Network Graphics"}}),
                 {".png;PNG picture;Paint;Win"}},
        MergeRow{"registry_name_with_the_family_program",
                 {},
                 Registry({{".png", "image/png"}}, {{"image/png", "Portable Network Graphics"}}),
                 {".png;Portable Network Graphics;GIMP;Win Mac Unix"}},
        MergeRow{"our_description_and_longer_rule_win",
                 {},
                 Registry({{".raw", "image/x-raw"}}, {{"image/x-raw", "Raw"}}),
                 {".raw;Camera raw image;darktable;Unix"}},
        MergeRow{"program_and_platform_from_different_rules",
                 {},
                 Registry({{".xls", "application/vnd.ms-excel"}},
                          {{"application/vnd.ms-excel", "Excel sheet"}}),
                 {".xls;Excel sheet;Microsoft Excel;Win Mac"}},
        MergeRow{"suffix_rule_and_made_up_description",
                 {},
                 Registry({{".sarif", "application/sarif+xml"}}),
                 {".sarif;Sarif XML data;XML editor;Win Mac Unix"}},
        MergeRow{"program_dash_leaves_the_type_out",
                 {},
                 Registry({{".bin", "application/octet-stream"}},
                          {{"application/octet-stream", "Binary"}}),
                 {}},
        MergeRow{"no_rule_no_line",
                 {},
                 Registry({{".foo", "application/x-foo"}}, {{"application/x-foo", "Foo"}}),
                 {}},
        MergeRow{"no_description_no_line", {}, Registry({{".nl", "application/x-nameless"}}), {}},
        MergeRow{"same_extension_and_type_in_other_case_once",
                 {},
                 Registry({{".gif", "image/gif"}, {".gif", "image/x-gif"}},
                          {{"image/gif", "GIF image"}, {"image/x-gif", "gif Image"}}),
                 {".gif;GIF image;GIMP;Win Mac Unix"}},
        MergeRow{"extensions_unfit_for_the_database_left_out",
                 {},
                 Registry({{".~", "image/png"}, {".@dir", "image/png"}, {".", "image/png"}},
                          {{"image/png", "PNG"}}),
                 {}},
        MergeRow{"field_separator_in_a_name_becomes_a_comma",
                 {},
                 Registry({{".a", "image/a"}}, {{"image/a", "One;two"}}),
                 {".a;One,two;GIMP;Win Mac Unix"}},
        MergeRow{"curated_meanings_keep_their_order",
                 {".b;Zed;B;Win", ".a;A;A;Win", ".b;Bee;B;Win"},
                 Registry({}),
                 {".a;A;A;Win", ".b;Zed;B;Win", ".b;Bee;B;Win"}},
        MergeRow{"sorted_by_extension_then_type",
                 {".b;Bee;B;Win"},
                 Registry({{".c", "image/c"}, {".a", "image/z"}, {".a", "image/y"}},
                          {{"image/c", "C"}, {"image/z", "Zed"}, {"image/y", "Why"}}),
                 {".a;Why;GIMP;Win Mac Unix", ".a;Zed;GIMP;Win Mac Unix", ".b;Bee;B;Win",
                  ".c;C;GIMP;Win Mac Unix"}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(DatabaseBuilder, DescriptionFromTypeName) {
    const std::pair<const char*, const char*> cases[] = {
        {"image/x-canon-cr2", "Canon CR2 image"},
        {"audio/vnd.dolby.mlp", "Dolby MLP audio"},
        {"model/x3d+binary", "X3D Binary 3D model"},
        {"application/vnd.gentics.grd+json", "Gentics GRD JSON data"},
        {"application/emotionml+xml", "EmotionML XML data"},
        {"image/x-pict", "PICT image"},
        {"chemical/x-xyz", "XYZ chemical data"},
        {"application/x-foo", ""},
        {"text/x-foo", ""},
        {"image/", ""},
        {"nonsense", ""},
    };
    for (const auto& [type, description] : cases) {
        EXPECT_EQ(DescriptionFromTypeName(type), description) << type;
    }
}

TEST(MimeSources, MimeTypesListGivesEveryExtensionInLowerCase) {
    std::istringstream in(
        "# comment\n"
        "application/Vnd.Foo\tFOO bar\n"
        "text/plain txt\n"
        "image/none\n");
    const MimeSource source = ReadMimeTypes(in);
    ASSERT_EQ(source.extensions.size(), 3u);
    EXPECT_EQ(source.extensions[0].extension, ".foo");
    EXPECT_EQ(source.extensions[0].type, "application/vnd.foo");
    EXPECT_EQ(source.extensions[1].extension, ".bar");
    EXPECT_EQ(source.extensions[2].extension, ".txt");
}

TEST(MimeSources, MimeTypesDataSkipsObsoleteTypes) {
    std::istringstream in(R"([
        {"content-type": "image/PNG", "extensions": ["png"], "friendly": {"en": "PNG image"}},
        {"content-type": "image/old", "extensions": ["old"], "obsolete": true,
         "friendly": {"en": "Old"}},
        {"content-type": "image/bare"}])");
    const MimeSource source = ReadMimeTypesData(in);
    ASSERT_EQ(source.extensions.size(), 1u);
    EXPECT_EQ(source.extensions[0].type, "image/png");
    EXPECT_EQ(source.names.at("image/png"), "PNG image");
    EXPECT_EQ(source.names.count("image/old"), 0u);
}

TEST(MimeSources, DamagedMimeTypesDataIsASourceError) {
    for (const char* text : {"", "[{\"content-type\": 5}]", "[{\"extensions\": [\"a\"]}]",
                             "{\"content-type\": \"a/b\"",
                             "[{\"content-type\": \"a/b\", "
                             "\"extensions\": [1]}]"}) {
        std::istringstream in(text);
        EXPECT_THROW(ReadMimeTypesData(in), ESourceError) << text;
    }
}

TEST(CuratedTable, BadLinesAreNamedByNumber) {
    const std::pair<const char*, const char*> cases[] = {
        {"# c\n.a;A;B;Win;extra\n", "line 2"},
        {".A;A;B;Win\n", "line 1"},
        {"a;A;B;Win\n", "line 1"},
        {"\n.a;;B;Win\n", "line 2"},
        {".a;A;B;\n", "line 1"},
    };
    for (const auto& [text, where] : cases) {
        std::istringstream in(text);
        try {
            ReadCuratedExtensions(in, "extensions.txt");
            ADD_FAILURE() << text;
        } catch (const ESourceError& error) {
            EXPECT_NE(error.Message().find(std::string("extensions.txt, ") + where),
                      std::string::npos)
                << error.Message();
        }
    }
    std::istringstream good("# comment\r\n\r\n.a;A;B;Win\r\n");
    EXPECT_EQ(ReadCuratedExtensions(good, "x"), std::vector<std::string>{".a;A;B;Win"});
}
