// Detail-editor rules with many cases: the SP unmute and lockout lists, what
// showing a channel writes back (and what it must leave alone), and which bits
// each choice writes.
#include "model/channel_detail_rules.h"
#include "model/channel_record.h"

#include "image_bytes.h"

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
    };
    for (const auto& c : cases) {
        EXPECT_EQ(spUnmuteChoices(c.signalling, c.decodeSet, Language::English), c.spUnmute) << c.signalling << c.decodeSet;
        EXPECT_EQ(busyLockoutChoices(c.signalling, c.decodeSet, Language::English), c.lockout) << c.signalling << c.decodeSet;
    }
    EXPECT_EQ(busyLockoutChoices(1, true, Language::Chinese), (QStringList{"关", "载波", "QT/DQT", "可选信令"}));
}

TEST(viewChannel, ValuesWithoutAnEntryShowRawAndStayAsStored)
{
    // Channel 5: flags A at 0x5C, the encode tone at 0x5A.
    AppState state = vhfState();
    state.image.setAt(0x5A, 0x12);  // a DCS code outside the table
    state.image.setAt(0x5B, 0x2C);
    // Lockout 3 without option signalling, SP unmute 3 with DTMF.
    for (const auto& [flagsA, selection] : {std::pair{0x18, &DetailView::busyLockout}, {0x62, &DetailView::spUnmute}}) {
        state.image.setAt(0x5C, static_cast<quint8>(flagsA));
        const RadioImage before = state.image;
        const auto view = viewChannel(state.image, 5, Language::English);
        ASSERT_TRUE(view);
        EXPECT_EQ((*view).*selection, (Selection{-1, "3"})) << flagsA;
        EXPECT_EQ(view->encode, (Selection{-1, "2C12"}));
        EXPECT_EQ(state.image, before) << flagsA;
    }
}

TEST(viewChannel, WritesBackWhatItSelects)
{
    AppState state = vhfState();
    state.image.setAt(0x59, 0x12);  // erased low byte, stray high byte
    state.image.setAt(0x54, 0xFF);  // no transmit frequency ...
    state.image.setAt(0x5A, 0x75);  // ... so no encode tone either
    state.image.setAt(0x5B, 0x03);
    state.image.setAt(0x5C, 0x60);  // SP unmute 3 without option signalling
    const auto view = viewChannel(state.image, 5, Language::English);
    ASSERT_TRUE(view);
    EXPECT_FALSE(view->decodeSet);
    EXPECT_EQ(bytesAt(state.image, 0x58, 5), "ff ff ff ff 00");
}

TEST(DetailRules, NothingForEmptyOrInvalidChannels)
{
    AppState state = vhfState();
    clearChannel(state.image, 4);
    const RadioImage before = state.image;
    EXPECT_FALSE(viewChannel(state.image, 4, Language::English));
    for (int n : {0, 17}) {
        EXPECT_FALSE(viewChannel(state.image, n, Language::English));
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
    // Channel 9's flag bytes 0x9C to 0x9F, starting from 0xAA each.
    const std::pair<Field, int> choices[] = {{Field::OptionSignalling, 2}, {Field::SpUnmute, 0}, {Field::BusyLockout, 3},
                                             {Field::Compander, 1}, {Field::Power, 1}, {Field::Bandwidth, 1},
                                             {Field::BeatShift, 1}, {Field::PttId, 1}, {Field::Memory, 4}};
    const char* const flags[] = {"ac aa aa aa", "8a aa aa aa", "ba aa aa aa", "ab aa aa aa", "aa 8a aa aa",
                                 "aa ba aa aa", "aa ea aa aa", "aa aa ab aa", "aa aa aa ac"};
    for (size_t i = 0; i < std::size(choices); ++i) {
        RadioImage image;
        fillImage(image);
        for (int a = 0x9C; a <= 0x9F; ++a)
            image.setAt(a, 0xAA);
        applyDetailChoice(image, 9, choices[i].first, choices[i].second);
        EXPECT_EQ(bytesAt(image, 0x90, 16), "ff ff ff ff ff ff ff ff ff ff ff ff " + std::string(flags[i])) << i;
    }
}

} // namespace
