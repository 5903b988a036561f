#include "files/adjust_file.h"
#include "files/channel_file.h"
#include "model/defaults.h"
#include "model/radio_models.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

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
    for (int i = 0; i < kChannelFileRows * kChannelFileCells; ++i)
        text += ' ' + (i == index ? token : QByteArray("7")) + ((i + 1) % kChannelFileCells ? " " : " \r\n");
    return text;
}

class DataFiles : public testing::Test {
protected:
    QString path(const char* name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    RadioImage image = startUpImage(kUhfModel);
    const RadioImage before = image;
};

TEST_F(DataFiles, SavedFormIsFiftyFourLinesOfTwentyTwoValues)
{
    image.setExtra(0, 16, -12);
    ASSERT_FALSE(saveChannelFile(image, path("a.chann")));
    const QList<QByteArray> lines = readAll(path("a.chann")).split('\n');
    ASSERT_EQ(lines.size(), kChannelFileRows + 1);  // the last CR LF leaves an empty tail
    EXPECT_TRUE(lines.last().isEmpty());
    for (int i = 0; i < kChannelFileRows; ++i)
        EXPECT_TRUE(lines[i].endsWith(" \r") && (lines[i].startsWith(' ') || lines[i].startsWith('-'))) << i;
    EXPECT_TRUE(lines[0].startsWith(" 255  255 "));
    EXPECT_TRUE(lines[0].endsWith(" 255 -12  0  0  0  0  0 \r"));
    EXPECT_TRUE(lines[1].startsWith(" 0  37  0  64 "));  // 400.025 MHz
}

// A saved file loads back every cell it carries, also after an editor has
// turned it into any free-format list of the same numbers.
TEST_F(DataFiles, RoundTripKeepsEveryCellItCarries)
{
    for (int r = 0; r < kChannelFileRows; ++r)
        for (int c = 16; c < 22; ++c)
            image.setExtra(r, c, static_cast<qint16>((r * 22 + c) * 53 - 32768));
    image.setAt(0x3FF, 0x12);  // row 63 is not in the file
    ASSERT_FALSE(saveChannelFile(image, path("a.chann")));
    QByteArray edited = readAll(path("a.chann"));
    edited.replace("  ", ",").replace("\r\n", "\n\n\t").replace(" 37 ", "\r\n37\r\n");
    edited = "\xEF\xBB\xBF" + edited + " anything after the last value is ignored";  // saved as UTF-8 on Windows

    for (const bool load : {true, false}) {
        RadioImage loaded = startUpImage(kVhfModel);
        loaded.setAt(0x3FF, 0x34);
        ASSERT_FALSE(load ? loadChannelFile(loaded, path("a.chann")) : loadChannelText(loaded, edited, "odd.chann"));
        EXPECT_EQ(loaded.at(0x3FF), 0x34);  // rows 54 to 63 are left alone
        loaded.setAt(0x3FF, 0x12);
        EXPECT_EQ(loaded, image);
    }
}

TEST_F(DataFiles, BadFileNamesThePlaceAndLeavesTheImageAlone)
{
    using K = FileError::Kind;
    const struct {
        const char* name;
        QByteArray content;
        K kind;
        int line, column, row, cell;
    } cases[] = {
        {"empty", "", K::EndsEarly, 0, 0, 0, 0},
        {"endsEarly", channelTextWith(0, "7").left(200), K::EndsEarly, 0, 0, 2, 21},
        {"letters", channelTextWith(22 * 2 + 3, "12a"), K::NotANumber, 3, 11, 2, 3},
        {"decimal", channelTextWith(5, "1.5"), K::NotANumber, 1, 17, 0, 5},
        {"loneSign", channelTextWith(0, "-"), K::NotANumber, 1, 2, 0, 0},
        {"beyond16Bits", channelTextWith(22 + 17, "40000"), K::OutOfRange, 2, 53, 1, 17},
        {"hugeNegative", channelTextWith(20, "-99999999999999999999"), K::OutOfRange, 1, 62, 0, 20},
        {"byteTooLarge", channelTextWith(22 * 53 + 15, "256"), K::NotAByte, 54, 47, 53, 15},
        {"negativeByte", channelTextWith(22 * 10, "-1"), K::NotAByte, 11, 2, 10, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeAll(path("bad.chann"), c.content);
        const auto error = loadChannelFile(image, path("bad.chann"));
        ASSERT_TRUE(error);
        EXPECT_EQ(image, before);
        EXPECT_EQ(error->kind, c.kind);
        EXPECT_EQ(std::pair(error->row, error->cell), std::pair(c.row, c.cell));
        if (c.kind != K::EndsEarly)
            EXPECT_EQ(std::pair(error->line, error->column), std::pair(c.line, c.column));
        const QString message = error->message(Language::English);
        EXPECT_TRUE(message.contains("bad.chann") && message.contains(QString("row %1, cell %2").arg(c.row).arg(c.cell)))
            << message.toStdString();
        EXPECT_FALSE(error->message(Language::Chinese).isEmpty());
    }
}

// A wrong pick (a binary file, a device) must end in a short, printable message
// at once, not in a token that grows without end or escape codes on a terminal.
TEST_F(DataFiles, JunkIsReportedShortAndPrintable)
{
    const auto escapes = loadChannelText(image, " 1 \x1b[2J\x07 ", "junk.chann");
    const auto zeros = loadChannelText(image, QByteArray(1 << 20, '\0'), "zeros.chann");
    ASSERT_TRUE(escapes && zeros);
    EXPECT_EQ(escapes->token, "?[2J?");
    EXPECT_TRUE(zeros->kind == FileError::Kind::NotANumber && zeros->token.size() < 80 && zeros->token.endsWith("..."))
        << zeros->token.toStdString();
    EXPECT_EQ(image, before);
}

// One value short, exact, one value over: a file of another layout (a channel
// file taken for a tuning file) must not load its first values.
TEST_F(DataFiles, ValueCountMustMatchTheKindOfFile)
{
    for (const int needed : {kChannelFileRows * kChannelFileCells, AdjustImage::kSize})
        for (const int extra : {-1, 0, 1}) {
            SCOPED_TRACE(testing::Message() << needed << " values " << extra);
            writeAll(path("f"), QByteArray("1 ").repeated(needed + extra) + (extra >= 0 ? "words are no values" : ""));
            RadioImage loaded;
            AdjustImage adjust;
            const auto error = needed == AdjustImage::kSize ? loadAdjustFile(adjust, path("f"))
                                                            : loadChannelFile(loaded, path("f"));
            const auto expected = extra < 0 ? FileError::Kind::EndsEarly : FileError::Kind::WrongKind;
            EXPECT_EQ(error ? std::optional(error->kind) : std::nullopt, extra ? std::optional(expected) : std::nullopt);
            EXPECT_EQ(loaded.cell(0, 0) == 1 || adjust.at(0) == 1, extra == 0);
        }
}

// A pipe with no writer would block the reader, a device may never end, and
// saving would rename a regular file over the node; a link is followed.
TEST_F(DataFiles, OnlyRegularFilesAreReadOrReplaced)
{
    const QString fifo = path("pipe.chann");
    ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    for (const QString& node : {fifo, dir.path(), QString("/dev/zero")}) {
        const auto error = loadChannelFile(image, node);
        EXPECT_EQ(error ? error->kind : FileError::Kind::CannotOpen, FileError::Kind::NotAFile) << node.toStdString();
    }
    const auto error = saveChannelFile(image, fifo);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->kind, FileError::Kind::NotAFile);
    EXPECT_TRUE(QFileInfo(fifo).exists() && !QFileInfo(fifo).isFile());
    EXPECT_NE(error->message(Language::Chinese), error->message(Language::English));

    writeAll(path("target.chann"), "old");
    ASSERT_TRUE(QFile::link(path("target.chann"), path("link.chann")));
    ASSERT_FALSE(saveChannelFile(image, path("link.chann")));
    EXPECT_TRUE(QFileInfo(path("link.chann")).isSymLink());
    EXPECT_EQ(readAll(path("target.chann")), channelFileText(image));
}

// A missing folder, and a file that opens but fails to read (Linux lets a
// process open its own memory file, but reading its first page fails): the
// system's reason reaches the user and nothing is loaded.
TEST_F(DataFiles, FailuresCarryTheSystemReason)
{
    const auto open = loadChannelFile(image, "/nonexistent/dir/a.chann");
    const auto save = saveChannelFile(image, "/nonexistent/dir/a.chann");
    ASSERT_TRUE(open && save);
    EXPECT_EQ(std::pair(open->kind, save->kind), std::pair(FileError::Kind::CannotOpen, FileError::Kind::CannotSave));
    EXPECT_FALSE(open->reason.isEmpty() || save->reason.isEmpty());
    EXPECT_TRUE(open->message(Language::English).contains("/nonexistent/dir/a.chann"));
    AdjustImage adjust = defaultAdjustImage();
    EXPECT_TRUE(loadAdjustFile(adjust, "/nonexistent/dir/a.adj"));
    EXPECT_EQ(adjust, defaultAdjustImage());

    QFile probe("/proc/self/mem");
    char byte = 0;
    if (probe.open(QIODevice::ReadOnly) && probe.read(&byte, 1) < 0) {
        const auto error = loadChannelFile(image, "/proc/self/mem");
        ASSERT_TRUE(error);
        EXPECT_EQ(error->kind, FileError::Kind::CannotRead);   // not an early end
        EXPECT_FALSE(error->reason.isEmpty());
        EXPECT_TRUE(error->message(Language::English).startsWith("Cannot read \"/proc/self/mem\": "));
    }
    EXPECT_EQ(image, before);
}

// A save that dies half way (here the file-size limit, as a full disk would)
// must leave the previous file exactly as it was.
TEST_F(DataFiles, InterruptedSaveKeepsTheOldFile)
{
    const QString file = path("keep.chann");
    ASSERT_FALSE(saveChannelFile(image, file));
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

TEST_F(DataFiles, AdjustFileRoundTripAndByteRange)
{
    AdjustImage adjust = defaultAdjustImage();
    adjust.setCell(31, 15, 255);
    ASSERT_FALSE(saveAdjustFile(adjust, path("t.adj")));
    const QByteArray text = readAll(path("t.adj"));

    writeAll(path("t.adj"), QByteArray(text).replace("\r\n", " ").replace("  ", "\n"));
    AdjustImage loaded;
    ASSERT_FALSE(loadAdjustFile(loaded, path("t.adj")));
    EXPECT_EQ(loaded, adjust);

    writeAll(path("t.adj"), QByteArray(text).replace(" 63  42 ", " 63  -42 "));  // row 16, cell 1
    const auto error = loadAdjustFile(loaded, path("t.adj"));
    ASSERT_TRUE(error);
    EXPECT_EQ(error->kind, FileError::Kind::NotAByte);
    EXPECT_EQ(std::pair(error->row, error->cell), std::pair(16, 1));
    EXPECT_EQ(loaded, adjust);
}

} // namespace
