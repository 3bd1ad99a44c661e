#include <gtest/gtest.h>

#include "DbLint.h"

// Faults to catch: a rule that misses its bad line, a rule that fires on a good line (word
// boundaries, case, the program's own platform present), findings on the wrong line number.

namespace {

struct LintRow {
    const char* name;
    std::vector<std::string> lines;
    std::vector<std::size_t> findingLines;  // one entry per finding
};

class LintTable : public testing::TestWithParam<LintRow> {};

}  // namespace

TEST_P(LintTable, Findings) {
    std::vector<std::size_t> found;
    for (const LintFinding& finding : LintDatabaseLines(GetParam().lines)) {
        EXPECT_FALSE(finding.reason.empty());
        found.push_back(finding.line);
    }
    EXPECT_EQ(found, GetParam().findingLines);
}

INSTANTIATE_TEST_SUITE_P(
    DbLint, LintTable,
    testing::Values(
        LintRow{"good_lines",
                {".psd;Photoshop layered image;Adobe Photoshop, GIMP;Win Mac Unix",
                 ".ods;OpenDocument spreadsheet;LibreOffice Calc;Unix",
                 ".key;Keynote presentation;Keynote, Final Cut Pro X;Mac OS2",
                 ".x;RealVNC remote desktop profile;RealVNC Viewer;Win",
                 ".y;Real image;RealVNC, GIMPshop, VLCx;Win",
                 ".psd;Photoshop layered image file set;Photoshop;Win"},
                {}},
        LintRow{"shape",
                {"", ".a;A;B", ".a;A;B;Win;more", ".A;Big;B;Win", "a;No dot;B;Win", ".b;B;C;Linux",
                 ".c;C ;D;Win", ".d;D;E; Win"},
                {1, 2, 3, 4, 5, 6, 7, 8}},
        LintRow{"empty_fields", {";A;B;Win", ".a;;B;Win", ".b;B;;Win", ".c;C;D;"}, {1, 2, 3, 4}},
        LintRow{"type_only_names_the_program_or_vendor",
                {".bed;RealVNC;RealVNC;Win", ".cw;cu-writer;Other, CU-Writer;Win",
                 ".v;Microsoft;Microsoft Visio;Win"},
                {1, 2, 3}},
        LintRow{"known_program_without_its_platform",
                {".psd;Layered image;Adobe Photoshop, GIMP;Win Mac",
                 ".ods;Spreadsheet;LibreOffice Calc;Win", ".h;Header;Xcode;Unix",
                 ".t;Text;Notepad++;Mac Unix", ".u;Two;GIMP, Krita;Win"},
                {1, 2, 3, 4, 5, 5}},
        LintRow{"same_extension_and_meaning_twice",
                {".j;JPEG image;A;Win", ".j;jpeg IMAGE;B;Mac", ".j;JPEG Image File Format;C;Win",
                 ".j;JPEG image file;D;Win", ".k;JPEG image;A;Win", ".j;JPEG image set;A;Win"},
                {2, 3, 4}}),
    [](const auto& row) { return std::string(row.param.name); });
