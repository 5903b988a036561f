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

private:
    void sendRow(int row);
    void complete();

    int blockIndex_ = 0;
};

} // namespace r5
