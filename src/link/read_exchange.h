#pragma once

#include "link/memory_exchange.h"
#include "link/protocol.h"

#include <array>

namespace r5 {

// Reads the radio's 1024-byte memory into AppState::image: the access
// sequence and password block, then 17 reads of 64 bytes (the first address is
// asked twice and its first answer not used), the end byte, and only then the
// image is replaced as a whole. A read that fails, is abandoned or aborted
// leaves the image as it was.
class ReadExchange : public MemoryExchange {
    Q_OBJECT
public:
    ReadExchange(AppState& state, const PortTable& ports, SerialPortFactory& portFactory,
                 LinkTimerFactory& timerFactory, QObject* parent = nullptr);

protected:
    void beginDataPhase() override;
    bool dataStep() override;
    void resetDataPhase() override;
    LinkOperation operation() const override { return LinkOperation::MemoryRead; }

private:
    void complete();
    void storeAndFinish();

    // Answers as received: the first address is asked twice, so frame 0 holds
    // the first (unused) answer and frame f (1 to 16) the 64 bytes of address
    // (f - 1) * 64 with their header.
    std::array<QByteArray, protocol::kMemoryReadBlocks + 1> frames_;
    int blockIndex_ = 0;
    int expectedAddress_ = 0;   // of the block the last read command asked for
};

} // namespace r5
