// The two message lines: line 1 at 0x300, line 2 at 0x320, 32 bytes each.
#include "model/defaults.h"
#include "model/embedded_message.h"
#include "model/radio_models.h"

#include "image_bytes.h"

#include <gtest/gtest.h>

using namespace r5;
using namespace r5::message;

namespace {

TEST(EmbeddedMessage, StoresTrimmedTextAndErasesTheRestOfItsLineOnly)
{
    for (const auto& [line, base] : {std::pair{1, 0x300}, std::pair{2, 0x320}}) {
        SCOPED_TRACE(line);
        RadioImage image = startUpImage(kUhfModel);
        image.setAt(0x2FF, 0x11);
        image.setAt(0x340, 0x22);
        image.setAt(line == 1 ? 0x320 : 0x300, 'Q');
        const RadioImage before = image;
        storeLine(image, line, QString(40, 'Z'));
        EXPECT_EQ(image.at(base + 31), 'Z');
        storeLine(image, line, QString::fromUtf8(" A中B C~ "));  // what the radio cannot show is left out
        EXPECT_EQ(bytesAt(image, base, 32), "41 42 20 43 7e " + hexOf(QByteArray(27, '\xFF')));
        EXPECT_EQ(shownLine(image, line), "AB C~");  // an inner space is shown, so the next edit keeps it
        for (int a = 0; a < RadioImage::kSize; a += 32)   // the other line and the rows around are kept
            if (a != base)
                EXPECT_EQ(bytesAt(image, a, 32), bytesAt(before, a, 32)) << a;
    }
}

TEST(EmbeddedMessage, ShowsOnlyPrintableCodes)
{
    RadioImage image = startUpImage(kUhfModel);
    storeLine(image, 1, "AB CD");  // the erased bytes after it show nothing
    for (const auto& [address, code] : {std::pair{0x305, 0x7F}, {0x306, 0x80}, {0x307, 0x09}, {0x308, '~'}})
        image.setAt(address, static_cast<quint8>(code));
    EXPECT_EQ(shownLine(image, 1), "AB CD~");
}

TEST(EmbeddedMessage, FullBoxStillTakesBackspace)
{
    // A letter past 32 characters the window cuts off anyway (its test types one).
    EXPECT_TRUE(keyAccepted(QString(32, 'X'), QChar(0x08)));
    EXPECT_TRUE(keyAccepted("  " + QString(31, 'X') + "  ", 'Y'));  // blanks around do not count
    EXPECT_FALSE(keyAccepted("", QChar(0x4E2D)));
    EXPECT_FALSE(keyAccepted("", QChar(0x7F)));
}

} // namespace
