// Detail-editor rules with many cases: the SP unmute and lockout lists, what
// showing a channel writes back (and what it must leave alone), and which bits
// each choice writes.
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
    EXPECT_EQ(spUnmuteChoices(1, true, true), (QStringList{"QT/DQT", "QT/DQT + 可选信令", "QT/DQT 或可选信令"}));
    EXPECT_EQ(busyLockoutChoices(1, true, true), (QStringList{"关", "载波", "QT/DQT", "可选信令"}));
    EXPECT_EQ(initialSpUnmuteChoices(false), (QStringList{"Carrier", "Carrier + Opt.Sig", "Carrier or Opt.Sig"}));
}

TEST(viewChannel, ValuesWithoutAnEntryShowRawAndStayAsStored)
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
        const auto view = viewChannel(state.image, 5, false);
        ASSERT_TRUE(view) << c.what;
        EXPECT_EQ((*view).*c.selection, (Selection{-1, c.raw})) << c.what;
        EXPECT_EQ(state.image, before) << c.what;
    }
}

TEST(viewChannel, WritesBackWhatItSelects)
{
    AppState state = vhfState();
    state.image.setCell(5, channel::kDecodeCell + 1, 0x12);  // erased low byte, stray high byte
    channel::setTransmit(state.image, 5, {0xFF, 0x00, 0x00, 0x15});
    channel::setEncode(state.image, 5, ctcssCode(885));
    channel::setField(state.image, 5, channel::kSpUnmute, 3);  // without option signalling
    const auto view = viewChannel(state.image, 5, false);
    ASSERT_TRUE(view);
    EXPECT_EQ(view->decode.position, 0);
    EXPECT_FALSE(view->decodeSet);
    EXPECT_FALSE(view->hasTransmit);
    EXPECT_TRUE(channel::decode(state.image, 5).isNone());
    EXPECT_TRUE(channel::encode(state.image, 5).isNone());
    EXPECT_EQ(channel::field(state.image, 5, channel::kSpUnmute), 0);
}

TEST(DetailRules, NothingForEmptyOrInvalidChannels)
{
    AppState state = vhfState();
    clearChannel(state.image, 4);
    const RadioImage before = state.image;
    EXPECT_FALSE(viewChannel(state.image, 4, false));
    for (int n : {0, 17}) {
        EXPECT_FALSE(viewChannel(state.image, n, false));
        EXPECT_EQ(commitReceiveBox(state, n, "145").result, ReceiveCommit::Result::Refused);
        commitTransmitBox(state, n, "");
        viewEmptyChannel(state.image, n, true);
        applyDetailChoice(state.image, n, Field::Power, 1);
    }
    commitTransmitBox(state, 4, "150");  // no receive frequency to go with it
    applyDetailChoice(state.image, 9, Field::Decode, -1);
    applyDetailChoice(state.image, 9, Field::Decode, ToneTable::kCount);
    EXPECT_EQ(state.image, before);
}

TEST(ApplyDetailChoice, EachFieldWritesOnlyItsBits)
{
    const struct {
        Field field;
        int position;
        int cell;
        quint8 expected;  // starting from 0xAA in every flag cell
    } cases[] = {
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

} // namespace
