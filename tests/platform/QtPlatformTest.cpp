#include <gtest/gtest.h>

#include <QImage>

#include "controls/BitBtn.h"
#include "db/LbCipher.h"
#include "platform/AnsiQt.h"
#include "platform/Application.h"
#include "platform/MessageBoxes.h"

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
    HandleException(ECipherException("Invalid file format"));
    HandleException(Exception("Verbindung abgelehnt."));
    EXPECT_EQ(boxes.errors,
              (std::vector<std::string>{"Invalid file format.", "Verbindung abgelehnt."}));
}

TEST(ButtonGlyph, BackgroundColourOfTheBottomLeftPixelBecomesTransparent) {
    const QImage glyph = LoadTransparentGlyph(QStringLiteral(":/buttons/search.xpm")).toImage();
    ASSERT_FALSE(glyph.isNull());
    EXPECT_EQ(glyph.size(), QSize(16, 16));
    EXPECT_EQ(qAlpha(glyph.pixel(0, 15)), 0);
    int opaque = 0;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            opaque += qAlpha(glyph.pixel(x, y)) == 255 ? 1 : 0;
        }
    }
    EXPECT_GT(opaque, 20);
}

TEST(ButtonGlyph, MissingPictureGivesAnEmptyOne) {
    EXPECT_TRUE(LoadTransparentGlyph(QStringLiteral(":/buttons/none.xpm")).isNull());
}
