#pragma once

#include "link/link_exchange.h"
#include "link/protocol.h"

#include <array>

namespace r5 {

// Reads the radio's 512-byte tuning block (0x1E00 to 0x1FFF) into
// AppState::adjust, or writes it back after the fixed record at 0x1D90. No
// password step and no end byte. A read stores only after its last block.
//
// When the retries are used up, failed() carries the status-bar text
// ("Communication fault."); the adjustment window shows it in the status bar,
// not in a message box.
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
    Text portOpenText() const override;

private:
    void startExchange(bool write);
    bool readStep();
    bool writeStep();
    void completeRead();
    void completeWrite();

    bool writeMode_ = false;
    bool connected_ = false;
    int blockIndex_ = 0;
    // Answers by block number; 2 to 9 hold the tuning data.
    std::array<QByteArray, protocol::kAdjustFirstFrame + protocol::kAdjustReadBlocks> frames_;
};

} // namespace r5
