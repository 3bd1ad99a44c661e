#include <gtest/gtest.h>

#include <string>

#include "db/ExtensionRecord.h"
#include "support/RowName.h"

struct FieldCase {
    const char* name;
    const char* line;
    int n;
    const char* expected;
};

class ExtractFieldTest : public ::testing::TestWithParam<FieldCase> {};

TEST_P(ExtractFieldTest, GivesTheFieldBetweenSeparators) {
    const FieldCase& c = GetParam();
    EXPECT_EQ(ExtractField(c.line, c.n), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ExtractFieldTest,
    ::testing::Values(FieldCase{"first", ".doc;Word document;Word;Win Mac", 1, ".doc"},
                      FieldCase{"second", ".doc;Word document;Word;Win Mac", 2, "Word document"},
                      FieldCase{"fourth", ".doc;Word document;Word;Win Mac", 4, "Win Mac"},
                      FieldCase{"fifthIgnoredForFourth", "a;b;c;d;e;f", 4, "d"},
                      FieldCase{"beyondFourthStillCounts", "a;b;c;d;e;f", 6, "f"},
                      FieldCase{"emptyMiddle", "a;;c;d", 2, ""},
                      FieldCase{"emptyLast", "a;b;c;", 4, ""},
                      FieldCase{"noSeparatorAnyN", "abc", 3, "abc"},
                      FieldCase{"noSeparatorFourth", "abc", 4, "abc"},
                      FieldCase{"twoFieldsGiveLastForThird", "a;b", 3, "b"},
                      FieldCase{"twoFieldsGiveLastForFourth", "abc;Text", 4, "Text"},
                      FieldCase{"zeroGivesFirst", "a;b;c", 0, "a"},
                      FieldCase{"negativeGivesFirst", "a;b;c", -7, "a"},
                      FieldCase{"emptyLine", "", 2, ""}, FieldCase{"onlySeparator", ";", 2, ""}),
    RowName());

TEST(ExtractField, KeepsTextBehindCharacter255OfALongLine) {
    const std::string longType(400, 'x');
    const std::string line = ".ext;" + longType + ";Program;Unix";
    EXPECT_EQ(ExtractField(line, 2), longType);
    EXPECT_EQ(ExtractField(line, 4), "Unix");
}
