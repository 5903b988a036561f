#pragma once

#include "link/link_exchange.h"

namespace r5 {

// What the read and the write share: the access sequence, the radio's reply
// with two 0xAA markers, the acknowledgement, and the fetch of the 64-byte
// password block at 0x3A0 (taken, acknowledged, not compared). Then the data
// phase of the exchange takes over.
class MemoryExchange : public LinkExchange {
    Q_OBJECT
public:
    // The Read or Write button.
    void start() { startFromButton(); }

protected:
    using LinkExchange::LinkExchange;

    void beginAttempt() final;
    bool receiveStep() final;
    void retriesUsedUp() override;
    void leaveProgrammingMode() override;

    // The password step passed: queue the first data command.
    virtual void beginDataPhase() = 0;
    // Data phase receive step (same contract as receiveStep).
    virtual bool dataStep() = 0;
    // Restores the block counters for a fresh attempt.
    virtual void resetDataPhase() = 0;

    // Sends the end byte: the radio leaves programming mode.
    void sendEndByte();
    // The run ends without data: progress back to 0, the fault status, the outcome.
    void failRun(LinkOutcome::Kind kind);

private:
    enum class Stage { Handshake, PasswordBlock, Data };

    Stage stage_ = Stage::Handshake;
    // From the accepted access reply until the end byte.
    bool programmingMode_ = false;
};

} // namespace r5
