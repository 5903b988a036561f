#pragma once

#include "link/memory_exchange.h"

namespace r5 {

// Writes rows 0 to 48 of AppState::image (radio memory 0x000 to 0x30F) as 49
// blocks of 16 bytes, each after the radio acknowledged the previous one, then
// the end byte. Each block is taken from the image as it is sent; the image is
// never changed.
class WriteExchange : public MemoryExchange {
    Q_OBJECT
public:
    WriteExchange(AppState& state, const PortTable& ports, SerialPortFactory& portFactory,
                  LinkTimerFactory& timerFactory, QObject* parent = nullptr);

protected:
    void beginDataPhase() override;
    bool dataStep() override;
    void resetDataPhase() override;
    LinkOperation operation() const override { return LinkOperation::MemoryWrite; }
    int blocksConfirmed() const override { return confirmed_; }
    int blocksTotal() const override;
    void beginRun() override { confirmed_ = 0; }

private:
    void sendRow(int row);
    void complete();

    int blockIndex_ = 0;
    // Rows the radio acknowledged in any attempt of this run: they are in the
    // radio whatever becomes of the later attempts.
    int confirmed_ = 0;
};

} // namespace r5
