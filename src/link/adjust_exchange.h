#pragma once

#include "link/link_exchange.h"
#include "link/protocol.h"
#include "model/text.h"

#include <array>

namespace r5 {

namespace adjusttext {
// Every command of the adjustment window while a read or write runs.
inline constexpr Text kBusy{"正在与对讲机进行读写操作 ！", "Read-write operating with transceiver ."};
} // namespace adjusttext

// Reads the radio's 512-byte tuning block (0x1E00 to 0x1FFF) into
// AppState::adjust, or writes it back after the fixed record at 0x1D90. No
// password step and no end byte. A read stores only after its last block.
//
// When the retries are used up, the NoAnswer outcome's text is the status-bar
// text ("Communication fault."); the adjustment window shows it in the status
// bar, not in a message box.
class AdjustExchange : public LinkExchange {
    Q_OBJECT
public:
    AdjustExchange(AppState& state, const PortTable& ports, SerialPortFactory& portFactory,
                   LinkTimerFactory& timerFactory, QObject* parent = nullptr);

    // The Read and Write buttons; while busy they are refused with refused().
    void startRead();
    void startWrite();

signals:
    void refused(const QString& message);

protected:
    void beginAttempt() override;
    bool receiveStep() override;
    void retriesUsedUp() override;
    LinkOperation operation() const override;
    int blocksConfirmed() const override { return confirmed_; }
    int blocksTotal() const override;
    void beginRun() override { confirmed_ = 0; }

private:
    void startExchange(bool write);
    bool readStep();
    bool writeStep();
    void completeRead();
    void completeWrite();

    bool writeMode_ = false;
    bool connected_ = false;
    int blockIndex_ = 0;
    int confirmed_ = 0;   // tuning blocks the radio acknowledged in any attempt of this run
    // Answers by block number; 2 to 9 hold the tuning data.
    std::array<QByteArray, protocol::kAdjustFirstFrame + protocol::kAdjustReadBlocks> frames_;
    int expectedAddress_ = 0;   // of the block the last read command asked for
};

} // namespace r5
