#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/Exceptions.h"
#include "qtplatform/AnsiQt.h"
#include "qtplatform/Application.h"
#include "qtplatform/MessageBoxes.h"

namespace {

class RecordingBoxes : public TMessageBoxes {
public:
    void ErrorBox(const std::string& text) override { errors.push_back(text); }
    std::vector<std::string> errors;
};

}  // namespace

TEST(AnsiQt, GermanTextsShowTheirUmlauts) {
    EXPECT_EQ(ToQString("Kontextmen\xFC m\xF6glich \xE4"), QStringLiteral("Kontextmenü möglich ä"));
    EXPECT_EQ(FromQString(QStringLiteral("Suchbegriffsverknüpfung €")),
              "Suchbegriffsverkn\xFCpfung \x80");
}

TEST(AnsiQt, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(FromQString(QStringLiteral("Ω😀")), "??");
    EXPECT_EQ(ToQString(std::string("a\0b", 3)).size(), 3);
}

TEST(GeneralErrorHandler, ShowsTheMessageInAnErrorBoxWithTheFullStopRule) {
    RecordingBoxes boxes;
    ScopedMessageBoxes answerer(boxes);
    HandleException(Exception("Invalid file format"));
    HandleException(Exception("Verbindung abgelehnt."));
    EXPECT_EQ(boxes.errors,
              (std::vector<std::string>{"Invalid file format.", "Verbindung abgelehnt."}));
}

// A fatal message while the window system starts is explained by the program's own line; once
// the start has succeeded, later fatal messages speak for themselves.
TEST(StartFailureExplanation, CoversTheStartOnly) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(
        {
            ExplainStartFailureAs("the start explained");
            qFatal("starting");
        },
        "the start explained");
    EXPECT_DEATH(
        {
            ExplainStartFailureAs("the start explained");
            EndStartFailureExplanation();
            qFatal("after the start");
        },
        testing::Not(testing::HasSubstr("the start explained")));
}
