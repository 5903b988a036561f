#include "model/defaults.h"
#include "model/embedded_message.h"
#include "model/radio_models.h"

#include <gtest/gtest.h>

using namespace r5;
using namespace r5::message;

namespace {

TEST(EmbeddedMessage, StoresTrimmedTextWithErasedFill)
{
    RadioImage image = startUpImage(kUhfModel);
    storeLine(image, 1, " AB ");
    EXPECT_EQ(image.at(0x300), 0x41);
    EXPECT_EQ(image.at(0x301), 0x42);
    for (int a = 0x302; a <= 0x31F; ++a)
        EXPECT_EQ(image.at(a), 0xFF) << a;

    storeLine(image, 1, "HELLO");
    EXPECT_EQ(image.at(0x304), 0x4F);
    EXPECT_EQ(image.at(0x305), 0xFF);
}

TEST(EmbeddedMessage, SecondLineSpansTwoRows)
{
    RadioImage image = startUpImage(kUhfModel);
    storeLine(image, 2, "ABCDEFGHIJKLMNOPQRST");
    EXPECT_EQ(image.cell(50, 0), 'A');
    EXPECT_EQ(image.cell(50, 15), 'P');
    EXPECT_EQ(image.cell(51, 0), 'Q');
    EXPECT_EQ(image.cell(51, 3), 'T');
    EXPECT_EQ(image.cell(51, 4), 0xFF);
    EXPECT_EQ(image.cell(48, 0), 0xFF);  // line 1 untouched
    EXPECT_EQ(image.cell(52, 0), 0xFF);
}

TEST(EmbeddedMessage, KeepsAtMostThirtyTwoCharacters)
{
    RadioImage image = startUpImage(kUhfModel);
    storeLine(image, 2, QString(40, 'Z'));
    EXPECT_EQ(image.at(0x33F), 'Z');
    EXPECT_EQ(image.at(0x340), 0xFF);  // the row after the message stays as it was
    EXPECT_EQ(shownLine(image, 2), QString(32, 'Z'));
}

TEST(EmbeddedMessage, ShowsOnlyPrintableCodes)
{
    RadioImage image = startUpImage(kUhfModel);
    EXPECT_TRUE(shownLine(image, 1).isEmpty());
    storeLine(image, 1, "AB CD");
    EXPECT_EQ(image.at(0x302), 0x20);  // stored, but never shown
    EXPECT_EQ(shownLine(image, 1), "ABCD");
    image.setAt(0x305, 0x7F);
    image.setAt(0x306, 0x80);
    image.setAt(0x307, 0x09);
    EXPECT_EQ(shownLine(image, 1), QString("ABCD") + QChar(0x7F));
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
    EXPECT_TRUE(keyAccepted(QString(31, 'X'), 'Y'));
    EXPECT_TRUE(keyAccepted("  " + QString(31, 'X') + "  ", 'Y'));  // blanks around do not count
    EXPECT_FALSE(keyAccepted("", QChar(0x4E2D)));
}

} // namespace
