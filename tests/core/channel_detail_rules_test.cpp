#include "model/channel_detail_rules.h"
#include "model/channel_record.h"

#include <gtest/gtest.h>

using namespace r5;
using namespace r5::detail;

namespace {

AppState vhfState()
{
    AppState state;
    state.selectModel(kVhfModel);
    return state;
}

TEST(DetailLists, SpUnmuteAndLockoutFollowSignallingAndDecode)
{
    const struct {
        int signalling;
        bool decodeSet;
        QStringList spUnmute;
        QStringList lockout;
    } cases[] = {
        {0, false, {"Carrier"}, {"Off", "Carrier"}},
        {0, true, {"QT/DQT"}, {"Off", "Carrier", "QT/DQT"}},
        {1, false, {"Carrier", "Carrier+ Opt.Sig", "Carrier or Opt.Sig"}, {"Off", "Carrier", "Option Signalling"}},
        {2, true, {"QT/DQT", "QT/DQT+ Opt.Sig", "QT/DQT or Opt.Sig"}, {"Off", "Carrier", "QT/DQY", "Option Signalling"}},
        {3, false, {"Carrier", "Carrier+ Opt.Sig", "Carrier or Opt.Sig"}, {"Off", "Carrier", "Option Signalling"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(spUnmuteChoices(c.signalling, c.decodeSet, false), c.spUnmute) << c.signalling << c.decodeSet;
        EXPECT_EQ(busyLockoutChoices(c.signalling, c.decodeSet, false), c.lockout) << c.signalling << c.decodeSet;
    }
    EXPECT_EQ(spUnmuteChoices(1, true, true),
              (QStringList{"QT/DQT", "QT/DQT + 可选信令", "QT/DQT 或可选信令"}));
    EXPECT_EQ(busyLockoutChoices(1, true, true), (QStringList{"关", "载波", "QT/DQT", "可选信令"}));
    EXPECT_EQ(initialSpUnmuteChoices(false), (QStringList{"Carrier", "Carrier + Opt.Sig", "Carrier or Opt.Sig"}));
}

TEST(DetailLists, ToneListPositionIsTheTableIndex)
{
    const QStringList english = toneChoices(false);
    const QStringList chinese = toneChoices(true);
    ASSERT_EQ(english.size(), ToneTable::kCount);
    ASSERT_EQ(chinese.size(), ToneTable::kCount);
    EXPECT_EQ(english[0], "OFF");
    EXPECT_EQ(chinese[0], "无");
    EXPECT_EQ(english[40], "D023N");
    EXPECT_EQ(chinese[205], "D754I");
}

TEST(ShowChannelDetail, ShowsTheRecordAndWritesBackOnlyWhatItSelects)
{
    AppState state = vhfState();
    const int n = 12;  // 67.0 Hz both ways
    channel::setField(state.image, n, channel::kOptionSignalling, 1);
    channel::setField(state.image, n, channel::kSpUnmute, 2);
    channel::setField(state.image, n, channel::kBusyLockout, 3);
    channel::setField(state.image, n, channel::kAutodialMemory, 7);
    const RadioImage before = state.image;

    const auto view = ShowChannelDetail(state.image, n, false);
    ASSERT_TRUE(view);
    EXPECT_EQ(view->receiveText, "130.17500");
    EXPECT_EQ(view->transmitText, "130.17500");
    EXPECT_EQ(view->decode.position, 1);
    EXPECT_TRUE(view->decodeSet);
    EXPECT_EQ(view->encode.position, 1);
    EXPECT_EQ(view->optionSignalling.position, 1);
    EXPECT_EQ(view->spUnmute.position, 2);
    EXPECT_EQ(view->busyLockout.position, 3);  // "Option Signalling" of the four-entry list
    EXPECT_EQ(view->busyLockoutChoices.size(), 4);
    EXPECT_EQ(view->memoryPosition, 7);
    EXPECT_EQ(state.image, before);
}

TEST(ShowChannelDetail, WithoutOptionSignallingSpUnmuteBecomesZero)
{
    AppState state = vhfState();
    channel::setField(state.image, 3, channel::kSpUnmute, 3);
    const auto view = ShowChannelDetail(state.image, 3, true);
    ASSERT_TRUE(view);
    EXPECT_EQ(view->spUnmuteChoices, QStringList{"载波"});
    EXPECT_EQ(view->spUnmute.position, 0);
    EXPECT_EQ(channel::field(state.image, 3, channel::kSpUnmute), 0);
}

TEST(ShowChannelDetail, ValuesWithoutAnEntryShowRawAndStayAsStored)
{
    const struct {
        const char* what;
        void (*store)(RadioImage&, int);
        Selection DetailView::*selection;
        const char* raw;
    } cases[] = {
        {"option signalling 3", [](RadioImage& i, int n) { channel::setField(i, n, channel::kOptionSignalling, 3); },
         &DetailView::optionSignalling, "3"},
        {"lockout 3 without signalling", [](RadioImage& i, int n) { channel::setField(i, n, channel::kBusyLockout, 3); },
         &DetailView::busyLockout, "3"},
        {"SP unmute 3 with DTMF", [](RadioImage& i, int n) {
             channel::setField(i, n, channel::kOptionSignalling, 1);
             channel::setField(i, n, channel::kSpUnmute, 3);
         }, &DetailView::spUnmute, "3"},
        {"decode 100.3 Hz", [](RadioImage& i, int n) { channel::setDecode(i, n, ctcssCode(1003)); },
         &DetailView::decode, "100.3"},
        {"encode DCS code outside the table", [](RadioImage& i, int n) { channel::setEncode(i, n, ToneCode{0x12, 0x2C}); },
         &DetailView::encode, "2C12"},
    };
    for (const auto& c : cases) {
        AppState state = vhfState();
        c.store(state.image, 5);
        const RadioImage before = state.image;
        const auto view = ShowChannelDetail(state.image, 5, false);
        ASSERT_TRUE(view) << c.what;
        EXPECT_EQ((*view).*c.selection, (Selection{-1, c.raw})) << c.what;
        EXPECT_EQ(state.image, before) << c.what;
    }
}

TEST(ShowChannelDetail, NonTableDecodeLeavesDecodeSetFalse)
{
    AppState state = vhfState();
    channel::setDecode(state.image, 5, ctcssCode(1003));
    const auto view = ShowChannelDetail(state.image, 5, false);
    ASSERT_TRUE(view);
    EXPECT_FALSE(view->decodeSet);
    EXPECT_EQ(view->spUnmuteChoices, QStringList{"Carrier"});
}

TEST(ShowChannelDetail, NoToneAndNoTransmitAreStoredAsTheNoTonePair)
{
    AppState state = vhfState();
    state.image.setCell(5, channel::kDecodeCell + 1, 0x12);  // erased low byte, stray high byte
    channel::setTransmit(state.image, 5, {0xFF, 0x00, 0x00, 0x15});
    channel::setEncode(state.image, 5, ctcssCode(885));
    const auto view = ShowChannelDetail(state.image, 5, false);
    ASSERT_TRUE(view);
    EXPECT_EQ(view->decode.position, 0);
    EXPECT_FALSE(view->decodeSet);
    EXPECT_FALSE(view->hasTransmit);
    EXPECT_EQ(view->encode.position, 0);
    EXPECT_TRUE(channel::decode(state.image, 5).isNone());
    EXPECT_TRUE(channel::encode(state.image, 5).isNone());
}

TEST(ShowChannelDetail, EmptyOrInvalidChannelShowsNothingAndWritesNothing)
{
    AppState state = vhfState();
    ClearChannel(state.image, 4);
    const RadioImage before = state.image;
    EXPECT_FALSE(ShowChannelDetail(state.image, 4, false));
    EXPECT_FALSE(ShowChannelDetail(state.image, 0, false));
    EXPECT_FALSE(ShowChannelDetail(state.image, 17, false));
    EXPECT_EQ(state.image, before);
}

TEST(ShowEmptyDetail, ErasesTheRecordAndItsScanBit)
{
    AppState state = vhfState();
    state.image.setCell(6, channel::kReceiveCell, 0xFF);
    channel::setInScan(state.image, 6, true);
    ShowEmptyDetail(state.image, 6);
    for (int c = 0; c < RadioImage::kCellsPerRow; ++c)
        EXPECT_EQ(state.image.cell(6, c), 0xFF);
    EXPECT_FALSE(channel::inScan(state.image, 6));
}

TEST(ApplyDetailChoice, EachFieldWritesOnlyItsBits)
{
    const struct {
        Field field;
        int position;
        int cell;
        quint8 expected;  // starting from 0xAA in every flag cell
    } cases[] = {
        {Field::OptionSignalling, 1, channel::kFlagsACell, 0xAA},      // bits 1-2: 01 already
        {Field::OptionSignalling, 2, channel::kFlagsACell, 0xAC},
        {Field::SpUnmute, 0, channel::kFlagsACell, 0x8A},
        {Field::BusyLockout, 3, channel::kFlagsACell, 0xBA},
        {Field::Compander, 1, channel::kFlagsACell, 0xAB},
        {Field::Power, 0, channel::kFlagsBCell, 0xAA},
        {Field::Power, 1, channel::kFlagsBCell, 0x8A},
        {Field::Bandwidth, 1, channel::kFlagsBCell, 0xBA},
        {Field::BeatShift, 1, channel::kFlagsBCell, 0xEA},
        {Field::PttId, 1, channel::kFlagsCCell, 0xAB},
        {Field::Memory, 4, channel::kFlagsDCell, 0xAC},
    };
    for (const auto& c : cases) {
        RadioImage image;
        fillImage(image);
        for (int cell = channel::kFlagsACell; cell <= channel::kFlagsDCell; ++cell)
            image.setCell(9, cell, 0xAA);
        applyDetailChoice(image, 9, c.field, c.position);
        EXPECT_EQ(image.cell(9, c.cell), c.expected) << static_cast<int>(c.field) << "/" << c.position;
    }
}

TEST(ApplyDetailChoice, TonesScanAndRefusedChannels)
{
    AppState state = vhfState();
    applyDetailChoice(state.image, 9, Field::Decode, 40);
    EXPECT_EQ(channel::decode(state.image, 9), (ToneCode{0x13, 0x28}));
    EXPECT_NE(channel::encode(state.image, 9), channel::decode(state.image, 9)) << "the detail editor keeps the encode tone";
    applyDetailChoice(state.image, 9, Field::Encode, 0);
    EXPECT_TRUE(channel::encode(state.image, 9).isNone());
    applyDetailChoice(state.image, 9, Field::ScanAdd, 0);
    EXPECT_FALSE(channel::inScan(state.image, 9));

    const RadioImage before = state.image;
    for (int n : {0, 17})
        applyDetailChoice(state.image, n, Field::Power, 1);
    applyDetailChoice(state.image, 9, Field::Decode, -1);
    applyDetailChoice(state.image, 9, Field::Decode, ToneTable::kCount);
    EXPECT_EQ(state.image, before);
    EXPECT_TRUE(reshowsChannel(Field::Decode));
    EXPECT_TRUE(reshowsChannel(Field::OptionSignalling));
    EXPECT_FALSE(reshowsChannel(Field::Encode));
}

TEST(CommitDetailReceive, NewChannelHasNoTransmitAndTheDetailFlags)
{
    AppState state = vhfState();
    ClearChannel(state.image, 10);
    const ReceiveCommit commit = CommitDetailReceive(state, 10, "145.5");
    EXPECT_EQ(commit.result, ReceiveCommit::Result::Created);
    EXPECT_FALSE(commit.message);
    EXPECT_EQ(commit.boxText, "145.5");
    EXPECT_EQ(FreqBcdToText(channel::receive(state.image, 10)), "145.50000");
    EXPECT_FALSE(channel::hasTransmit(state.image, 10));
    EXPECT_EQ(state.image.cell(10, channel::kFlagsACell), 0x00);
    EXPECT_EQ(state.image.cell(10, channel::kFlagsBCell), 0xBF);
    EXPECT_EQ(state.image.cell(10, channel::kFlagsCCell), 0xB0);
    EXPECT_EQ(state.image.cell(10, channel::kFlagsDCell), 0xF8);
    EXPECT_TRUE(channel::decode(state.image, 10).isNone());
    EXPECT_TRUE(channel::inScan(state.image, 10));
}

TEST(CommitDetailReceive, ExistingChannelKeepsItsTransmitFrequency)
{
    AppState state = vhfState();
    const FrequencyBytes transmit = channel::transmit(state.image, 3);
    const ReceiveCommit commit = CommitDetailReceive(state, 3, "150.5");
    EXPECT_EQ(commit.result, ReceiveCommit::Result::Stored);
    EXPECT_EQ(commit.boxText, "150.5");
    EXPECT_EQ(FreqBcdToText(channel::receive(state.image, 3)), "150.50000");
    EXPECT_EQ(channel::transmit(state.image, 3), transmit);
}

TEST(CommitDetailReceive, RangeBlankAndRefusal)
{
    AppState state = vhfState();
    ReceiveCommit commit = CommitDetailReceive(state, 3, "145.5.3");
    ASSERT_TRUE(commit.message);
    EXPECT_EQ(commit.boxText, "136.00000");
    EXPECT_EQ(FreqBcdToText(channel::receive(state.image, 3)), "136.00000");

    channel::setInScan(state.image, 3, true);
    commit = CommitDetailReceive(state, 3, "");
    EXPECT_EQ(commit.result, ReceiveCommit::Result::Emptied);
    EXPECT_TRUE(channel::isEmpty(state.image, 3));
    EXPECT_FALSE(channel::inScan(state.image, 3));

    const RadioImage before = state.image;
    EXPECT_EQ(CommitDetailReceive(state, 0, "145").result, ReceiveCommit::Result::Refused);
    EXPECT_EQ(CommitDetailReceive(state, 17, "").result, ReceiveCommit::Result::Refused);
    EXPECT_EQ(state.image, before);
}

TEST(CommitDetailTransmit, SetClearReplaceAndRefuse)
{
    AppState state = vhfState();
    TransmitCommit commit = CommitDetailTransmit(state, 12, "");
    EXPECT_FALSE(commit.hasTransmit);
    for (int c = channel::kTransmitCell; c < channel::kTransmitCell + 4; ++c)
        EXPECT_EQ(state.image.cell(12, c), 0xFF);
    EXPECT_TRUE(channel::encode(state.image, 12).isNone());

    commit = CommitDetailTransmit(state, 12, "150.125");
    EXPECT_TRUE(commit.hasTransmit);
    EXPECT_FALSE(commit.message);
    EXPECT_EQ(FreqBcdToText(channel::transmit(state.image, 12)), "150.12500");

    commit = CommitDetailTransmit(state, 12, "180");
    ASSERT_TRUE(commit.message);
    EXPECT_STREQ(commit.message->en, "Over the range of Transmit frequency .");
    EXPECT_EQ(commit.boxText, "136.00000");
    EXPECT_EQ(FreqBcdToText(channel::transmit(state.image, 12)), "136.00000");

    ClearChannel(state.image, 2);
    const RadioImage before = state.image;
    CommitDetailTransmit(state, 2, "150");  // no receive frequency: nothing to attach it to
    CommitDetailTransmit(state, 0, "150");
    EXPECT_EQ(state.image, before);
}

} // namespace
