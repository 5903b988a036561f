#pragma once

#include "link/link_exchange.h"

#include <functional>
#include <memory>

namespace r5::fuzz {

enum class ExchangeKind { Read, Write, Password, TuningRead, TuningWrite };

// The one place that knows how each exchange is built, started and how it
// reports its end; the player sees only this.
class ExchangeAdapter {
public:
    enum class Outcome { Completed, Failed };

    ExchangeAdapter(ExchangeKind kind, AppState& state, const PortTable& ports, SerialPortFactory& portFactory,
                    LinkTimerFactory& timerFactory);

    // What the user's button does (a press while busy may be refused).
    void start();
    void abort() { exchange_->abort(); }
    bool busy() const { return exchange_->busy(); }

    // Whether a completed exchange may have replaced the image or the tuning block.
    bool mayStoreImage() const { return kind_ == ExchangeKind::Read; }
    bool mayStoreAdjust() const { return kind_ == ExchangeKind::TuningRead; }

    // Whether the last attempt in `written` (from its access sequence on)
    // sent every command a completed exchange of this kind claims to have
    // written: the rows of the image, the tuning block, the new password.
    bool sentAllWrites(const QByteArray& written) const;

    // Called once for every end the exchange reports.
    std::function<void(Outcome)> onOutcome;

private:
    ExchangeKind kind_;
    const AppState& state_;
    std::unique_ptr<LinkExchange> exchange_;
    std::function<void()> start_;
};

} // namespace r5::fuzz
