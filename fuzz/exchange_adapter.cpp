#include "exchange_adapter.h"

#include "link/adjust_exchange.h"
#include "link/handshake.h"
#include "link/password_exchange.h"
#include "link/read_exchange.h"
#include "link/write_exchange.h"

namespace r5::fuzz {
namespace {
const QString kNewPassword = QStringLiteral("654321");
} // namespace

ExchangeAdapter::ExchangeAdapter(ExchangeKind kind, AppState& state, const PortTable& ports,
                                 SerialPortFactory& portFactory, LinkTimerFactory& timerFactory)
    : kind_(kind), state_(state)
{
    switch (kind) {
    case ExchangeKind::Read: {
        auto read = std::make_unique<ReadExchange>(state, ports, portFactory, timerFactory);
        start_ = [x = read.get()] { x->start(); };
        exchange_ = std::move(read);
        break;
    }
    case ExchangeKind::Write: {
        auto write = std::make_unique<WriteExchange>(state, ports, portFactory, timerFactory);
        start_ = [x = write.get()] { x->start(); };
        exchange_ = std::move(write);
        break;
    }
    case ExchangeKind::Password: {
        auto password = std::make_unique<PasswordExchange>(state, ports, portFactory, timerFactory);
        // The window hands over the typed passwords with every press; a
        // change that succeeded has cleared them.
        start_ = [x = password.get()] {
            if (!x->busy()) {
                x->setOldPassword(QStringLiteral("123456"));
                x->setNewPassword(kNewPassword);
            }
            x->start();
        };
        exchange_ = std::move(password);
        break;
    }
    case ExchangeKind::TuningRead:
    case ExchangeKind::TuningWrite: {
        auto tuning = std::make_unique<AdjustExchange>(state, ports, portFactory, timerFactory);
        if (kind == ExchangeKind::TuningRead)
            start_ = [x = tuning.get()] { x->startRead(); };
        else
            start_ = [x = tuning.get()] { x->startWrite(); };
        exchange_ = std::move(tuning);
        break;
    }
    }
    QObject::connect(exchange_.get(), &LinkExchange::finished, [this](const LinkOutcome& outcome) {
        onOutcome(outcome.completed() ? Outcome::Completed : Outcome::Failed);
    });
}

bool ExchangeAdapter::sentAllWrites(const QByteArray& allWritten) const
{
    using namespace protocol;
    const QByteArray access(reinterpret_cast<const char*>(kHandshakeMagic.data()), kHandshakeMagic.size());
    const QByteArray written = allWritten.mid(allWritten.lastIndexOf(access));
    const auto sentRows = [&](const auto& grid, int rows, int base) {
        for (int row = 0; row < rows; ++row) {
            const QByteArray data = grid.toBytes().mid(row * kWriteBlockBytes, kWriteBlockBytes);
            if (!written.contains(command(kDataRecord, base + row * kWriteBlockBytes, kWriteBlockBytes, data, true)))
                return false;
        }
        return true;
    };
    switch (kind_) {
    case ExchangeKind::Write:
        return sentRows(state_.image, kMemoryWriteLastRow + 1, 0);
    case ExchangeKind::TuningWrite:
        return sentRows(state_.adjust, AdjustImage::kRows, kAdjustBaseAddress);
    case ExchangeKind::Password:
        return written.contains(command(kPasswordWriteCommand, kPasswordBlockAddress, kWriteBlockBytes,
                                        PasswordExchange::passwordEntry(kNewPassword)));
    case ExchangeKind::Read:
    case ExchangeKind::TuningRead:
        break;
    }
    return true;
}

void ExchangeAdapter::start()
{
    start_();
}

} // namespace r5::fuzz
