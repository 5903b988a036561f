// The exchanges on a fake line and a virtual clock, against the virtual radio.
#include "support/link_fakes.h"

#include "link/adjust_exchange.h"
#include "link/handshake.h"
#include "link/password_exchange.h"
#include "link/protocol.h"
#include "link/read_exchange.h"
#include "link/write_exchange.h"
#include "virtual_radio.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTemporaryFile>

#include <optional>

using namespace r5;
using namespace r5::test;
namespace pr = r5::protocol;
using Kind = LinkOutcome::Kind;
using FaultKind = sim::Fault::Kind;

namespace {

QByteArray pattern(int size, int seed)
{
    QByteArray bytes;
    for (int i = 0; i < size; ++i)
        bytes.append(static_cast<char>((i * 7 + seed) & 0xFF));
    return bytes;
}

// Command lists compare as hex lines, so a failure shows where they part.
QStringList asHex(const QByteArrayList& commands)
{
    QStringList lines;
    for (const QByteArray& c : commands)
        lines << QString::fromLatin1(c.toHex(' '));
    return lines;
}

const QByteArray kMagic(reinterpret_cast<const char*>(pr::kHandshakeMagic.data()), 8);

QByteArray address(int a) { return QByteArray(1, char(a >> 8)) + char(a & 0xFF); }

// What an exchange told its window.
struct Seen {
    QList<int> progress;
    QStringList status;
    QList<LinkOutcome> outcomes;

    // The one outcome: none or a second one compares unequal to every kind.
    std::optional<Kind> kind() const { return outcomes.size() == 1 ? std::optional(outcomes[0].kind) : std::nullopt; }
};

class LinkTest : public testing::Test {
protected:
    LinkTest()
    {
        state.language = Language::English;
        line.radio = [this](const QByteArray& command) { return radio.answer(command).bytes; };
        reset();
    }

    // A fresh radio (its fault counters start again) and a fresh record of the line.
    void reset(sim::Fault fault = {})
    {
        radio = {};
        radio.setMemory(pattern(RadioImage::kSize, 3));
        radio.setAdjust(pattern(AdjustImage::kSize, 11));
        radio.setFault(fault);
        state.image.fill(0x11);   // unlike the radio's memory, so a read that stores nothing shows
        state.adjust.fill(0x11);
        seen = {};
        line.commands.clear();
        line.sentAt.clear();
    }

    template <typename Exchange>
    std::unique_ptr<Exchange> make()
    {
        auto x = std::make_unique<Exchange>(state, ports, line, clock);
        QObject::connect(x.get(), &LinkExchange::progressChanged, [this](int v) { seen.progress << v; });
        QObject::connect(x.get(), &LinkExchange::statusChanged, [this](const QString& t) { seen.status << t; });
        QObject::connect(x.get(), &LinkExchange::finished, [this](const LinkOutcome& o) { seen.outcomes << o; });
        return x;
    }

    // Starts an exchange as its button does: "read", "write", "tuning-read",
    // "tuning-write" or "password".
    std::unique_ptr<LinkExchange> start(const std::string& which)
    {
        if (which.starts_with("tuning")) {
            auto x = make<AdjustExchange>();
            which == "tuning-read" ? x->startRead() : x->startWrite();
            return x;
        }
        const auto started = [](auto x) -> std::unique_ptr<LinkExchange> { x->start(); return x; };
        return which == "read"    ? started(make<ReadExchange>())
               : which == "write" ? started(make<WriteExchange>())
                                  : started(make<PasswordExchange>());
    }

    // Runs until the exchange reports its outcome, then a little longer so
    // the last bytes it sent reach the radio.
    bool runToEnd()
    {
        const bool ended = clock.runUntil([this] { return !seen.outcomes.isEmpty(); }, 120000);
        clock.advance(50);
        return ended;
    }

    VirtualClock clock;
    FakeLine line{clock};
    sim::VirtualRadio radio;
    AppState state;
    PortTable ports = PortTable::fromPorts({SystemPort{"/dev/ttyFAKE0", {}, {}, false, true}});
    Seen seen;
};

// --- Read ---------------------------------------------------------------------

TEST_F(LinkTest, ReadSendsTheCommandsInOrderAndStoresTheWholeMemory)
{
    auto read = start("read");
    ASSERT_TRUE(runToEnd());

    QByteArrayList expected{kMagic, hex("06"), hex("53 03 A0 40"), hex("06"), hex("06 53 00 00 40")};
    for (int block = 0; block < 16; ++block)
        expected << hex("06") << hex("06 53") + address(block * 64) + hex("40");
    expected << hex("06") << hex("45");
    EXPECT_EQ(asHex(line.commands), asHex(expected));

    EXPECT_EQ(seen.status[1], "Reading 1 Data Block");
    EXPECT_EQ(seen.kind(), Kind::Completed);
}

// What a read stores over a damaged line: exactly what the radio holds, or
// nothing. The data start four bytes after the first 58 among positions 0 to
// 19, or at 5 without one; a 58 at 2 or later would need bytes the answer does
// not hold. An answer is taken only with the header of the block asked for: one
// naming another block is let go and the time-out retries; one shifted on the
// line fails the read rather than store its data one place off. Bytes that
// answer no command just sent (the radio's reply to a lone 06, a stray byte
// after each answer) never shift the data.
TEST_F(LinkTest, ReadsStoreWhatTheRadioHoldsOrNothing)
{
    using Damage = void (*)(QByteArray&);
    const Damage noMarker = [](QByteArray& a) { a[1] = '\x11'; };
    const Damage otherBlock = [](QByteArray& a) { a[3] = char(a[3] ^ 0x40); };
    const Damage shifted = [](QByteArray& a) { a = '\0' + a.chopped(1); };
    const struct {
        const char* exchange;
        sim::Fault fault;
        Damage damage;   // done to the fifth data answer, or to every one with `all`
        bool all;
        Kind kind;
        int attempts;
    } cases[] = {
        {"read", {}, noMarker, true, Kind::Completed, 1},
        {"read", {FaultKind::MarkerAt, 0}, nullptr, false, Kind::Completed, 1},
        {"read", {FaultKind::MarkerAt, 1}, nullptr, false, Kind::Completed, 1},
        {"read", {FaultKind::MarkerAt, 19}, nullptr, false, Kind::UnusableAnswer, 1},
        {"read", {}, otherBlock, false, Kind::Completed, 2},
        {"read", {}, shifted, false, Kind::UnusableAnswer, 1},
        {"tuning-read", {}, otherBlock, false, Kind::Completed, 2},
    };
    const auto radioAnswers = line.radio;
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "row " << &c - cases);
        reset(c.fault);
        int answers = 0;
        line.radio = [&](const QByteArray& command) {
            QByteArray a = radioAnswers(command);
            if (c.damage && a.size() == pr::kEchoedReplyBytes && (++answers == 5 || c.all))
                c.damage(a);
            return a;
        };
        auto x = start(c.exchange);
        ASSERT_TRUE(runToEnd());
        EXPECT_EQ(seen.kind(), c.kind);
        EXPECT_EQ(line.commands.count(kMagic), c.attempts);
        const bool tuning = std::string(c.exchange) == "tuning-read";
        const QByteArray held = tuning ? radio.adjust() : radio.memory();
        EXPECT_EQ(tuning ? state.adjust.toBytes() : state.image.toBytes(),
                  c.kind == Kind::Completed ? held : QByteArray(held.size(), '\x11'));
        if (!tuning)
            EXPECT_EQ(line.commands.last(), hex("45"));   // the radio leaves programming mode either way
    }
}

// The user closes the read window, or presses Read again, in the instant
// between the radio's end byte and the completion: the image stays as it was.
TEST_F(LinkTest, ReadCancelledAfterTheEndByteLeavesTheImage)
{
    for (const bool pressAgain : {false, true}) {
        SCOPED_TRACE(pressAgain ? "press again" : "abort");
        reset();
        auto read = make<ReadExchange>();
        read->start();
        ASSERT_TRUE(clock.runUntil([this] { return !line.commands.isEmpty() && line.commands.last() == hex("45"); }));
        pressAgain ? read->start() : read->abort();
        clock.advance(10);
        EXPECT_FALSE(!seen.outcomes.isEmpty() && seen.outcomes[0].completed());
        EXPECT_EQ(state.image.toBytes(), QByteArray(RadioImage::kSize, '\x11'));
    }
}

// --- Write ------------------------------------------------------------------

TEST_F(LinkTest, WriteSendsRowsZeroToFortyEightEachAfterTheRadiosAck)
{
    ASSERT_TRUE(state.image.setBytes(pattern(RadioImage::kSize, 9)));
    const QByteArray image = state.image.toBytes();

    auto write = start("write");
    ASSERT_TRUE(runToEnd());

    QByteArrayList expected{kMagic, hex("06"), hex("53 03 A0 40"), hex("06")};
    for (int row = 0; row <= 48; ++row)
        expected << hex("06 58") + address(row * 16) + hex("10") + image.mid(row * 16, 16);
    expected << hex("45");
    EXPECT_EQ(asHex(line.commands), asHex(expected));

    EXPECT_EQ(seen.progress.mid(47), (QList<int>{97, 100}));   // rounded down, full only at the end
    EXPECT_EQ(seen.status[1], "Writing  0  Data Block");
    EXPECT_EQ(seen.kind(), Kind::Completed);
}

TEST_F(LinkTest, WriteIgnoresOtherBytesAndRetriesFromRowZeroAfterAWrongAck)
{
    reset({FaultKind::WrongAck, 11});   // data answer 1 is the password block; 11 is the write of row 9
    auto write = start("write");
    ASSERT_TRUE(runToEnd());
    EXPECT_EQ(seen.kind(), Kind::Completed);
    EXPECT_EQ(line.commands.count(kMagic), 2);
    EXPECT_EQ(radio.writesStored(), 10 + 49);   // 10 rows in the first attempt, 49 in the second
}

TEST_F(LinkTest, InterruptTellsWhatReachedTheRadioAndEndsProgrammingMode)
{
    auto write = start("write");
    ASSERT_TRUE(clock.runUntil([this] { return radio.writesStored() == 10; }));
    clock.advance(3);   // the radio's acknowledgement is in
    write->interrupt();
    clock.advance(50);
    // How many blocks the radio confirmed: the end-to-end matrix counts them.
    EXPECT_EQ(seen.kind(), Kind::Interrupted);
    EXPECT_EQ(line.commands.last(), hex("45"));
}

// --- Handshake, time-out and retry ------------------------------------------

// The radio's reply to the access sequence holds two markers six bytes apart,
// the first among positions 0 to 2 of its nine bytes, or as late as 9 in a
// longer reply.
TEST(Handshake, MarkersSixApartNearTheStart)
{
    const struct {
        int size;
        QList<int> aaAt;
        bool accepted;
    } cases[] = {{9, {0, 6}, true},   {9, {1, 7}, true},    {9, {2, 8}, true}, {9, {0, 5}, false},
                 {9, {}, false},      {17, {9, 15}, true}, {18, {10, 16}, false}};
    for (const auto& c : cases) {
        QByteArray reply(c.size, '\0');
        for (int p : c.aaAt)
            reply[p] = '\xAA';
        EXPECT_EQ(handshakeAccepted(reply, 0xAA, 0xAA, 6), c.accepted) << reply.toHex(' ').toStdString();
    }
}

TEST_F(LinkTest, EachExchangeGivesASilentRadioItsOwnAttemptsThenNoAnswer)
{
    for (const auto& [name, attempts, spacing] : {std::tuple{"read", 4, 2000}, {"write", 4, 2000},
                                                  {"tuning-write", 4, 3000}, {"password", 1, 6000}}) {
        SCOPED_TRACE(name);
        reset({FaultKind::Silent, 0});
        const qint64 started = clock.now();
        auto x = start(name);
        ASSERT_TRUE(runToEnd());
        ASSERT_EQ(line.commands.size(), attempts);
        for (int i = 1; i < attempts; ++i) {
            EXPECT_GE(line.sentAt[i] - line.sentAt[i - 1], spacing);
            EXPECT_LE(line.sentAt[i] - line.sentAt[i - 1], spacing + 100);
        }
        EXPECT_GE(clock.now() - started, attempts * spacing);
        ASSERT_EQ(seen.kind(), Kind::NoAnswer);
        EXPECT_EQ(seen.outcomes[0].attempts, attempts);
    }
}

TEST_F(LinkTest, TheButtonDuringAnAttemptStartsAfreshWithFullRetries)
{
    auto read = make<ReadExchange>();
    read->start();
    clock.advance(400);   // inside the data phase
    ASSERT_TRUE(read->busy());
    const int sentBefore = line.commands.size();
    ASSERT_GT(sentBefore, 4);

    read->start();
    ASSERT_TRUE(runToEnd());
    EXPECT_EQ(line.commands.mid(sentBefore).first(), kMagic);
    // The radio may still be sending its last answer into the new attempt;
    // that attempt then times out and the retry goes through.
    EXPECT_LE(line.commands.count(kMagic), 3);
    EXPECT_EQ(seen.kind(), Kind::Completed);
    EXPECT_EQ(state.image.toBytes(), radio.memory());

    // After the restart the silent radio still gets all four attempts.
    reset({FaultKind::Silent, 0});
    read->start();
    clock.advance(100);
    read->start();
    ASSERT_TRUE(runToEnd());
    EXPECT_EQ(line.commands.count(kMagic), 5);
}

TEST_F(LinkTest, BusyExchangesRefuseASecondStart)
{
    auto tuning = make<AdjustExchange>();
    QStringList refusals;
    QObject::connect(tuning.get(), &AdjustExchange::refused, [&](const QString& t) { refusals << t; });
    tuning->startRead();
    clock.advance(50);
    tuning->startWrite();
    EXPECT_EQ(refusals, QStringList{"Read-write operating with transceiver ."});
    EXPECT_EQ(line.commands.count(kMagic), 1);
    tuning->abort();

    auto password = make<PasswordExchange>();
    password->start();
    clock.advance(5);
    password->start();
    clock.advance(100);
    EXPECT_EQ(line.commands.count(kMagic), 2);
}

// The cable pulled in the middle of a read ends the attempt at once, not after
// the reply time-out; the retry finds the device gone.
TEST_F(LinkTest, PulledCableEndsTheAttemptAtOnce)
{
    auto read = start("read");
    clock.advance(500);
    line.openError = "No such file or directory";
    emit line.port->errorOccurred();
    EXPECT_FALSE(read->busy());
    ASSERT_TRUE(runToEnd());
    EXPECT_EQ(seen.kind(), Kind::PortCannotOpen);
}

// --- Password ---------------------------------------------------------------

// Only a byte after the write has left answers it: an echo of the lone 06,
// noise during the pause before it, or bytes still coming in while the write
// waits for its send tick must not pass for the radio's answer.
TEST_F(LinkTest, PasswordChangeProvesTheOldOneAndWritesKeepingTheRestOfTheRecord)
{
    const auto radioAnswers = line.radio;
    for (const QByteArray& stray : {QByteArray(), hex("06"), hex("7F"), QByteArray(35, '\x06')}) {
        SCOPED_TRACE(stray.toHex().toStdString());
        reset();
        radio.setPassword("abc123");
        const QByteArray rest = radio.bytes(0x3A6, 10);
        line.radio = [&](const QByteArray& command) {
            const QByteArray a = radioAnswers(command);
            return command == hex("06") && a.isEmpty() ? stray : a;
        };
        auto password = make<PasswordExchange>();
        password->setOldPassword(" abc123 ");
        password->setNewPassword("xy");
        password->start();
        ASSERT_TRUE(runToEnd());

        EXPECT_EQ(asHex(line.commands), asHex({kMagic, hex("06"), hex("52 03 A0 40"), hex("06"),
                                                 hex("57 03 A0 10") + "xy    " + rest}));
        EXPECT_EQ(seen.kind(), Kind::Completed);
    }
}

TEST(OldPassword, NoPasswordSetOrExactlyTheRecordsFirstSix)
{
    const struct {
        const char* record;   // the record's first bytes, '~' for 0xFF; the rest is 00
        const char* typed;
        bool accepted;
    } cases[] = {
        {"      ", "", true}, {"~~~~~~", "", true},   // no password set
        {"123456", "123456", true}, {"123456", "12345", false}, {"123456", "1234567", false}, {"123456", "", false},
        {"1      ", "x", false},                           // one character, a space at byte 6
        {"~~~~~ ", "", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << '"' << c.record << "\" typed \"" << c.typed << '"');
        QByteArray record = QByteArray(c.record).replace('~', '\xFF');
        record += QByteArray(pr::kPasswordRecordBytes - record.size(), '\x00');
        EXPECT_EQ(PasswordExchange::oldPasswordAccepted(record, PasswordExchange::passwordEntry(c.typed)), c.accepted);
    }
}

// --- Tuning block -----------------------------------------------------------

// What it stores, the tuning window's test and the end-to-end matrix check.
TEST_F(LinkTest, TuningReadAsksEightBlocksWithAnAckBetween)
{
    auto tuning = start("tuning-read");
    ASSERT_TRUE(runToEnd());
    QByteArrayList expected{kMagic};
    for (int block = 0; block < 8; ++block)
        expected << (block > 0 ? QByteArrayList{hex("06")} : QByteArrayList{})
                 << hex("06 53") + address(0x1E00 + block * 64) + hex("40");
    expected << hex("06");
    EXPECT_EQ(asHex(line.commands), asHex(expected));
    EXPECT_EQ(seen.progress, (QList<int>{0, 33, 44, 55, 66, 77, 88, 100, 100}));
    EXPECT_EQ(seen.kind(), Kind::Completed);
}

TEST_F(LinkTest, TuningWriteSendsTheFixedRecordThenThirtyTwoBlocks)
{
    state.adjust.setBytes(pattern(AdjustImage::kSize, 5));
    auto tuning = start("tuning-write");
    ASSERT_TRUE(runToEnd());

    const QByteArray record(reinterpret_cast<const char*>(pr::kAdjustRecord.data()), 16);
    QByteArrayList expected{kMagic, hex("06 58 1D 90 10") + record};
    for (int row = 0; row < 32; ++row)
        expected << hex("06 58") + address(0x1E00 + row * 16) + hex("10") + state.adjust.toBytes().mid(row * 16, 16);
    EXPECT_EQ(asHex(line.commands), asHex(expected));
    EXPECT_EQ(seen.status[1], "Writing  -1  Data Block");
    EXPECT_EQ(seen.kind(), Kind::Completed);
}

// --- Texts ------------------------------------------------------------------

// The fixed outcome texts the end-to-end matrix reads; here what is composed.
TEST(OutcomeText, BothLanguages)
{
    const struct {
        Kind kind;
        int blocksDone;
        QString zh;
        QString en;
    } cases[] = {
        {Kind::PortCannotOpen, 0, "通讯端口打开错误，请正确设置通讯端口 ！\nCOM2 (/dev/ttyUSB0)：No such file or directory",
         "Communication port is error, please setting right communication port . ！\n"
         "COM2 (/dev/ttyUSB0): No such file or directory"},
        {Kind::Interrupted, 0, "已中断，对讲机尚未确认任何数据块", "interrupted before the radio confirmed any block"},
        {Kind::Interrupted, 12, "已在 12 / 49 个数据块之后中断：对讲机中只有部分写入的数据",
         "interrupted after 12 of 49 blocks: the radio holds a partial write"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.en.toStdString());
        const LinkOutcome o{.operation = LinkOperation::MemoryWrite, .kind = c.kind, .comPort = 2,
                            .device = "/dev/ttyUSB0", .reason = "No such file or directory",
                            .blocksDone = c.blocksDone, .blocksTotal = 49};
        EXPECT_EQ(linkOutcomeText(o, Language::Chinese), c.zh);
        EXPECT_EQ(linkOutcomeText(o, Language::English), c.en);
    }
}

TEST(OutcomeText, PortMessageNamesAMissingPortAndWhoHoldsARefusedOne)
{
    LinkOutcome o{.kind = Kind::PortCannotOpen, .comPort = 5};
    EXPECT_EQ(linkOutcomeText(o, Language::English).split('\n').last(), "COM5: there is no such port on this system");
    QTemporaryFile device;
    ASSERT_TRUE(device.open());
    o.device = device.fileName();
    o.permissionDenied = true;
    const QStringList lines = linkOutcomeText(o, Language::English).split('\n');
    ASSERT_EQ(lines.size(), 3);
#ifdef Q_OS_LINUX
    // The device is this user's, so the refusal means busy: this test holds it.
    EXPECT_TRUE(lines[2].contains("busy: process " + QString::number(QCoreApplication::applicationPid())))
        << lines[2].toStdString();
#endif
}

} // namespace
