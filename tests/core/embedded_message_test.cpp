// The two message lines: line 1 at 0x300, line 2 at 0x320, 32 bytes each.
#include "model/defaults.h"
#include "model/embedded_message.h"
#include "model/radio_models.h"

#include <gtest/gtest.h>

using namespace r5;
using namespace r5::message;

namespace {

TEST(EmbeddedMessage, StoresTrimmedTextAndErasesTheRestOfItsLineOnly)
{
    for (const auto& [line, base] : {std::pair{1, 0x300}, std::pair{2, 0x320}}) {
        RadioImage image = startUpImage(kUhfModel);
        image.setAt(0x2FF, 0x11);
        image.setAt(0x340, 0x22);
        const int other = line == 1 ? 0x320 : 0x300;
        image.setAt(other, 'Q');
        storeLine(image, line, QString(40, 'Z'));
        EXPECT_EQ(image.at(base + 31), 'Z') << line;
        storeLine(image, line, QString::fromUtf8(" A中B C "));  // what the radio cannot show is left out
        const quint8 expected[] = {'A', 'B', 0x20, 'C', 0xFF};
        for (int k = 0; k < 5; ++k)
            EXPECT_EQ(image.at(base + k), expected[k]) << line << "/" << k;
        EXPECT_EQ(image.at(base + 31), 0xFF) << line;
        EXPECT_EQ(shownLine(image, line), "AB C") << line;  // an inner space is shown, so the next edit keeps it
        EXPECT_EQ(image.at(other), 'Q') << line;
        EXPECT_EQ(image.at(0x2FF), 0x11) << line;
        EXPECT_EQ(image.at(0x340), 0x22) << line;
    }
}

TEST(EmbeddedMessage, ShowsOnlyPrintableCodes)
{
    RadioImage image = startUpImage(kUhfModel);
    EXPECT_TRUE(shownLine(image, 1).isEmpty());
    storeLine(image, 1, "AB CD");
    EXPECT_EQ(image.at(0x302), 0x20);
    EXPECT_EQ(shownLine(image, 1), "AB CD");  // the inner space survives the next edit
    image.setAt(0x305, 0x7F);
    image.setAt(0x306, 0x80);
    image.setAt(0x307, 0x09);
    image.setAt(0x308, '~');
    EXPECT_EQ(shownLine(image, 1), "AB CD~");
}

TEST(EmbeddedMessage, LeavesOutCharactersTheRadioCannotShow)
{
    RadioImage image = startUpImage(kUhfModel);
    storeLine(image, 1, QString::fromUtf8("A中B"));
    EXPECT_EQ(image.at(0x300), 'A');
    EXPECT_EQ(image.at(0x301), 'B');
    EXPECT_EQ(image.at(0x302), 0xFF);
}

TEST(EmbeddedMessage, FullBoxStillTakesBackspace)
{
    const QString full(32, 'X');
    EXPECT_FALSE(keyAccepted(full, 'Y'));
    EXPECT_TRUE(keyAccepted(full, QChar(0x08)));
    EXPECT_TRUE(keyAccepted("  " + QString(31, 'X') + "  ", 'Y'));  // blanks around do not count
    EXPECT_FALSE(keyAccepted("", QChar(0x4E2D)));
    EXPECT_FALSE(keyAccepted("", QChar(0x7F)));
}

} // namespace
