// Faults the fuzz targets found, kept as plain cases on the fake line.
#include "support/link_fakes.h"

#include "link/read_exchange.h"
#include "virtual_radio.h"

#include <gtest/gtest.h>

using namespace r5;
using namespace r5::test;

namespace {

// The user closes the read window, or presses Read again, in the instant
// between the radio's end byte and the completion: the image stays as it was.
struct LateAction {
    const char* name;
    void (*act)(ReadExchange&);
};

class ReadEndingTest : public testing::TestWithParam<LateAction> {};

TEST_P(ReadEndingTest, LeavesTheImageAsItWas)
{
    VirtualClock clock;
    FakeLine line{clock};
    sim::VirtualRadio radio;
    radio.setMemory(QByteArray(RadioImage::kSize, '\x5A'));
    line.radio = [&radio](const QByteArray& command) { return radio.answer(command).bytes; };
    AppState state;
    state.comPort = 1;
    state.image.fill(0x11);
    const PortTable ports = PortTable::fromPorts({SystemPort{QStringLiteral("/dev/ttyFAKE0"), {}, {}, false, true}});
    const RadioImage before = state.image;
    ReadExchange read(state, ports, line, clock);
    int completions = 0;
    QObject::connect(&read, &LinkExchange::finished, [&completions](const LinkOutcome& outcome) {
        completions += outcome.completed() ? 1 : 0;
    });

    read.start();
    auto& bursts = line.bursts;
    ASSERT_TRUE(clock.runUntil([&bursts] { return !bursts.isEmpty() && bursts.last().bytes == hex("45"); }));
    GetParam().act(read);
    clock.advance(10);

    EXPECT_EQ(completions, 0);
    EXPECT_EQ(state.image, before);
}

INSTANTIATE_TEST_SUITE_P(Fuzz, ReadEndingTest,
                         testing::Values(LateAction{"Abort", [](ReadExchange& r) { r.abort(); }},
                                         LateAction{"PressAgain", [](ReadExchange& r) { r.start(); }}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
