#include "files/adjust_file.h"
#include "files/channel_file.h"
#include "model/defaults.h"
#include "model/radio_models.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>

using namespace r5;

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

void writeAll(const QString& path, const QByteArray& content)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

// A file's worth of values with one of them replaced by `token`.
QByteArray channelTextWith(int index, const QByteArray& token)
{
    QByteArray text;
    for (int i = 0; i < kChannelFileRows * kChannelFileCells; ++i) {
        text += ' ' + (i == index ? token : QByteArray("7")) + ' ';
        if ((i + 1) % kChannelFileCells == 0)
            text += "\r\n";
    }
    return text;
}

class ChannelFileTest : public testing::Test {
protected:
    QString path(const char* name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    RadioImage image = startUpImage(kUhfModel);
};

TEST_F(ChannelFileTest, SavedFormIsFiftyFourLinesOfTwentyTwoValues)
{
    image.setExtra(0, 16, -12);
    ASSERT_FALSE(saveChannelFile(image, path("a.chann")));
    const QByteArray text = readAll(path("a.chann"));
    const QList<QByteArray> lines = text.split('\n');
    ASSERT_EQ(lines.size(), kChannelFileRows + 1);  // the last CR LF leaves an empty tail
    EXPECT_TRUE(lines.last().isEmpty());
    for (int i = 0; i < kChannelFileRows; ++i) {
        EXPECT_TRUE(lines[i].endsWith(" \r")) << i;
        EXPECT_TRUE(lines[i].startsWith(' ') || lines[i].startsWith('-')) << i;
    }
    EXPECT_TRUE(lines[0].startsWith(" 255  255 "));
    EXPECT_TRUE(lines[0].endsWith(" 255 -12  0  0  0  0  0 \r"));
    EXPECT_TRUE(lines[1].startsWith(" 0  37  0  64 "));  // 400.025 MHz
}

TEST_F(ChannelFileTest, RoundTripKeepsEveryCellItCarries)
{
    for (int r = 0; r < kChannelFileRows; ++r)
        for (int c = 16; c < 22; ++c)
            image.setExtra(r, c, static_cast<qint16>((r * 22 + c) * 53 - 32768));
    image.setAt(0x3FF, 0x12);  // row 63 is not in the file
    ASSERT_FALSE(saveChannelFile(image, path("a.chann")));

    RadioImage loaded = startUpImage(kVhfModel);
    loaded.setAt(0x3FF, 0x34);
    ASSERT_FALSE(loadChannelFile(loaded, path("a.chann")));
    for (int address = 0; address < kChannelFileRows * 16; ++address)
        ASSERT_EQ(loaded.at(address), image.at(address)) << address;
    for (int r = 0; r < kChannelFileRows; ++r)
        for (int c = 16; c < 22; ++c)
            ASSERT_EQ(loaded.extra(r, c), image.extra(r, c));
    EXPECT_EQ(loaded.at(0x3FF), 0x34);  // rows 54 to 63 are left alone
}

TEST_F(ChannelFileTest, ReadsFreeFormatLists)
{
    QByteArray text = channelFileText(image);
    text.replace("  ", ",");
    text.replace("\r\n", "\n\n\t");
    text.replace(" 37 ", "\r\n37\r\n");
    text.prepend("\xEF\xBB\xBF");  // saved as UTF-8 by a Windows editor
    text += " anything after the last value is ignored";
    RadioImage loaded = startUpImage(kVhfModel);
    ASSERT_FALSE(loadChannelText(loaded, text, "odd.chann"));
    EXPECT_EQ(loaded, image);
}

struct BadFileCase {
    const char* name;
    QByteArray content;
    FileError::Kind kind;
    int line;
    int column;
    int row;
    int cell;
};

void PrintTo(const BadFileCase& c, std::ostream* os) { *os << c.name; }

class BadChannelFileTest : public testing::TestWithParam<BadFileCase> {};

TEST_P(BadChannelFileTest, NamesThePlaceAndLeavesTheImageAlone)
{
    const BadFileCase& c = GetParam();
    QTemporaryDir dir;
    const QString file = dir.filePath("bad.chann");
    writeAll(file, c.content);
    RadioImage image = startUpImage(kUhfModel);
    const RadioImage before = image;

    const auto error = loadChannelFile(image, file);
    ASSERT_TRUE(error);
    EXPECT_EQ(image, before);
    EXPECT_EQ(error->kind, c.kind);
    EXPECT_EQ(error->row, c.row);
    EXPECT_EQ(error->cell, c.cell);
    if (c.kind != FileError::Kind::EndsEarly) {
        EXPECT_EQ(error->line, c.line);
        EXPECT_EQ(error->column, c.column);
    }
    const QString message = error->message(Language::English);
    EXPECT_TRUE(message.contains("bad.chann")) << message.toStdString();
    EXPECT_TRUE(message.contains(QString("row %1, cell %2").arg(c.row).arg(c.cell))) << message.toStdString();
    EXPECT_FALSE(error->message(true).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(DataFiles, BadChannelFileTest, testing::Values(
    BadFileCase{"empty", "", FileError::Kind::EndsEarly, 0, 0, 0, 0},
    BadFileCase{"endsEarly", channelTextWith(0, "7").left(200), FileError::Kind::EndsEarly, 0, 0, 2, 21},
    BadFileCase{"letters", channelTextWith(22 * 2 + 3, "12a"), FileError::Kind::NotANumber, 3, 11, 2, 3},
    BadFileCase{"decimal", channelTextWith(5, "1.5"), FileError::Kind::NotANumber, 1, 17, 0, 5},
    BadFileCase{"loneSign", channelTextWith(0, "-"), FileError::Kind::NotANumber, 1, 2, 0, 0},
    BadFileCase{"beyond16Bits", channelTextWith(22 + 17, "40000"), FileError::Kind::OutOfRange, 2, 53, 1, 17},
    BadFileCase{"hugeNegative", channelTextWith(20, "-99999999999999999999"), FileError::Kind::OutOfRange, 1, 62, 0, 20},
    BadFileCase{"byteTooLarge", channelTextWith(22 * 53 + 15, "256"), FileError::Kind::NotAByte, 54, 47, 53, 15},
    BadFileCase{"negativeByte", channelTextWith(22 * 10, "-1"), FileError::Kind::NotAByte, 11, 2, 10, 0}),
    [](const testing::TestParamInfo<BadFileCase>& info) { return std::string(info.param.name); });

// A wrong pick (a binary file, a device) must end in a short, printable message
// at once, not in a token that grows without end or escape codes on a terminal.
TEST(DataFiles, JunkIsReportedShortAndPrintable)
{
    RadioImage image = startUpImage(kUhfModel);
    const RadioImage before = image;
    auto error = loadChannelText(image, " 1 \x1b[2J\x07 ", "junk.chann");
    ASSERT_TRUE(error);
    EXPECT_EQ(error->kind, FileError::Kind::NotANumber);
    EXPECT_EQ(error->token, "?[2J?");

    error = loadChannelText(image, QByteArray(1 << 20, '\0'), "zeros.chann");
    ASSERT_TRUE(error);
    EXPECT_EQ(error->kind, FileError::Kind::NotANumber);
    EXPECT_LT(error->token.size(), 80);
    EXPECT_TRUE(error->token.endsWith("..."));

    error = loadChannelText(image, QByteArray(100, '9'), "digits.chann");
    ASSERT_TRUE(error);
    EXPECT_EQ(error->kind, FileError::Kind::OutOfRange);

    if (QFile::exists("/dev/zero")) {  // a device that never ends
        error = loadChannelFile(image, "/dev/zero");
        ASSERT_TRUE(error);
        EXPECT_EQ(error->kind, FileError::Kind::NotANumber);
    }
    EXPECT_EQ(image, before);
}

TEST(DataFiles, NegativeExtraCellsAreFine)
{
    RadioImage image;
    ASSERT_FALSE(loadChannelText(image, channelTextWith(16, "-32768"), "x.chann"));
    EXPECT_EQ(image.extra(0, 16), -32768);
}

TEST(DataFiles, MissingFileIsReportedWithTheSystemReason)
{
    RadioImage image = startUpImage(kUhfModel);
    const RadioImage before = image;
    const auto error = loadChannelFile(image, "/nonexistent/dir/a.chann");
    ASSERT_TRUE(error);
    EXPECT_EQ(error->kind, FileError::Kind::CannotOpen);
    EXPECT_FALSE(error->reason.isEmpty());
    EXPECT_TRUE(error->message(Language::English).contains("/nonexistent/dir/a.chann"));
    EXPECT_EQ(image, before);

    AdjustImage adjust = defaultAdjustImage();
    EXPECT_TRUE(loadAdjustFile(adjust, "/nonexistent/dir/a.adj"));
    EXPECT_EQ(adjust, defaultAdjustImage());
}

TEST(DataFiles, ReadFailureIsNotCalledAnEarlyEnd)
{
    // Linux opens a process's own memory file, but reading its first page fails.
    const QString file = "/proc/self/mem";
    QFile probe(file);
    char byte = 0;
    if (!probe.open(QIODevice::ReadOnly) || probe.read(&byte, 1) >= 0)
        GTEST_SKIP() << "this system reads /proc/self/mem differently";
    RadioImage image = startUpImage(kUhfModel);
    const RadioImage before = image;
    const auto error = loadChannelFile(image, file);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->kind, FileError::Kind::CannotRead);
    EXPECT_FALSE(error->reason.isEmpty());
    EXPECT_TRUE(error->message(Language::English).startsWith("Cannot read \"/proc/self/mem\": "));
    EXPECT_EQ(image, before);
}

TEST(DataFiles, SaveIntoAMissingDirectoryFailsWithAReason)
{
    const auto error = saveChannelFile(startUpImage(kUhfModel), "/nonexistent/dir/a.chann");
    ASSERT_TRUE(error);
    EXPECT_EQ(error->kind, FileError::Kind::CannotSave);
    EXPECT_FALSE(error->reason.isEmpty());
}

// A save that dies half way (here the file-size limit, as a full disk would)
// must leave the previous file exactly as it was.
TEST(DataFiles, InterruptedSaveKeepsTheOldFile)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("keep.chann");
    ASSERT_FALSE(saveChannelFile(startUpImage(kUhfModel), file));
    const QByteArray old = readAll(file);

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1000;  // a channel file is about 3.5 KB
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const auto error = saveChannelFile(startUpImage(kVhfModel), file);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    ASSERT_TRUE(error);
    EXPECT_EQ(error->kind, FileError::Kind::CannotSave);
    EXPECT_NE(error->reason, "Unknown error");  // the system's own reason reaches the user
    EXPECT_EQ(readAll(file), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"keep.chann"});  // no temporary left
}

TEST(AdjustFile, FormRoundTripAndByteRange)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("t.adj");
    AdjustImage adjust = defaultAdjustImage();
    adjust.setCell(31, 15, 255);
    ASSERT_FALSE(saveAdjustFile(adjust, file));
    const QByteArray text = readAll(file);
    EXPECT_EQ(text.count("\r\n"), 32);
    EXPECT_TRUE(text.startsWith(" 60  60 "));

    QByteArray spread = text;
    spread.replace("\r\n", " ");
    spread.replace("  ", "\n");
    writeAll(file, spread);
    AdjustImage loaded;
    ASSERT_FALSE(loadAdjustFile(loaded, file));
    EXPECT_EQ(loaded, adjust);

    QByteArray bad = text;
    bad.replace(" 63  42 ", " 63  -42 ");  // row 16, cell 1
    writeAll(file, bad);
    const auto error = loadAdjustFile(loaded, file);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->kind, FileError::Kind::NotAByte);
    EXPECT_EQ(error->row, 16);
    EXPECT_EQ(error->cell, 1);
    EXPECT_EQ(loaded, adjust);
}

} // namespace
