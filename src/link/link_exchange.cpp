#include "link/link_exchange.h"

#include "link/link_texts.h"
#include "link/protocol.h"

#include <QPointer>

#include <algorithm>

namespace r5 {

LinkExchange::LinkExchange(AppState& state, const PortTable& ports, SerialPortFactory& portFactory,
                           LinkTimerFactory& timerFactory, LinkValues values, QObject* parent)
    : QObject(parent),
      state_(state),
      ports_(ports),
      values_(values),
      port_(portFactory.create()),
      sendTimer_(timerFactory.create()),
      replyTimer_(timerFactory.create()),
      retryTimer_(timerFactory.create()),
      pauseTimer_(timerFactory.create())
{
    connect(port_.get(), &SerialPort::dataArrived, this, &LinkExchange::onDataArrived);
    connect(port_.get(), &SerialPort::errorOccurred, this, &LinkExchange::onPortError);
    connect(sendTimer_.get(), &LinkTimer::timeout, this, &LinkExchange::sendQueued);
    connect(replyTimer_.get(), &LinkTimer::timeout, this, &LinkExchange::onReplyTimeout);
    connect(retryTimer_.get(), &LinkTimer::timeout, this, &LinkExchange::onRetryTick);
    connect(pauseTimer_.get(), &LinkTimer::timeout, this, &LinkExchange::onPauseOver);
}

void LinkExchange::showStatus(std::function<QString(Language)> status)
{
    lastStatus_ = std::move(status);
    emit statusChanged(lastStatus_(language()));
}

LinkExchange::~LinkExchange()
{
    abort();
}

void LinkExchange::abort()
{
    finishAttempt();
    retriesLeft_ = 0;
    running_ = false;
}

void LinkExchange::interrupt()
{
    if (!running_)
        return;
    running_ = false;
    leaveProgrammingMode();
    finishAttempt();
    retriesLeft_ = 0;
    emit finished(outcome(LinkOutcome::Kind::Interrupted));
}

void LinkExchange::resetRun(int retries)
{
    retriesLeft_ = retries;
    attempts_ = 0;
    running_ = true;
    beginRun();
}

void LinkExchange::startFromButton()
{
    // A press during an attempt abandons it and starts afresh.
    finishAttempt();
    resetRun(values_.retries);
    if (startAttempt()) {
        emit progressChanged(0);
        showStatus(linktext::kConnecting);
    }
}

bool LinkExchange::startAttempt()
{
    if (!port_->isOpen() && !openPort())
        return false;
    ++attempts_;
    beginAttempt();
    busy_ = true;
    return true;
}

bool LinkExchange::openPort()
{
    const int comPort = state_.comPort;
    const QString device = ports_.device(comPort);
    if (!device.isEmpty() && port_->open(device)) {
        state_.portOpenFailed = false;
        return true;
    }
    state_.portOpenFailed = true;
    LinkOutcome failure = outcome(LinkOutcome::Kind::PortCannotOpen);
    failure.comPort = comPort;
    failure.device = device;
    failure.reason = device.isEmpty() ? QString() : port_->errorString();
    failure.permissionDenied = !device.isEmpty() && port_->permissionDenied();
    running_ = false;
    emit finished(failure);
    return false;
}

void LinkExchange::queueCommand(const QByteArray& bytes)
{
    // Whatever is waiting now answered something earlier (the radio's reply
    // to a lone acknowledgement, a stray byte on the line): never this command.
    clearInput();
    sendBuffer_ = bytes;
    sendDone_ = false;
    sendTimer_->start(protocol::kSendTickMs);
}

void LinkExchange::sendQueued()
{
    sendTimer_->stop();
    if (!port_->isOpen())
        return;
    // Only bytes that arrive after the command has left can be its answer.
    port_->clearInput();
    // The whole command leaves back to back, one byte per write.
    for (const char byte : std::as_const(sendBuffer_))
        port_->writeByte(static_cast<quint8>(byte));
    replyTimer_->start(values_.replyTimeoutMs);
    sendDone_ = true;
}

void LinkExchange::sendNow(quint8 byte)
{
    if (port_->isOpen())
        port_->writeByte(byte);
}

int LinkExchange::bytesWaiting() const
{
    return port_->isOpen() ? port_->bytesWaiting() : 0;
}

QByteArray LinkExchange::takeBytes(int count)
{
    QByteArray bytes;
    bytes.reserve(count);
    for (int i = 0; i < count && port_->bytesWaiting() > 0; ++i)
        bytes.append(static_cast<char>(port_->readByte()));
    return bytes;
}

void LinkExchange::clearInput()
{
    if (port_->isOpen())
        port_->clearInput();
}

void LinkExchange::stopReplyTimer()
{
    replyTimer_->stop();
}

void LinkExchange::stopRetryTimer()
{
    retryTimer_->stop();
}

void LinkExchange::stopTimers()
{
    sendTimer_->stop();
    replyTimer_->stop();
    retryTimer_->stop();
    pauseTimer_->stop();
    afterPause_ = nullptr;
}

void LinkExchange::pauseThen(int ms, std::function<void()> next)
{
    afterPause_ = std::move(next);
    pauseTimer_->start(ms);
}

void LinkExchange::onPauseOver()
{
    pauseTimer_->stop();
    auto next = std::move(afterPause_);
    afterPause_ = nullptr;
    if (!next)
        return;
    QPointer<LinkExchange> self(this);
    next();
    // Bytes that arrived during the pause raised their event already; they
    // are handled now that the step has gone on.
    if (self && !afterPause_ && port_->isOpen() && port_->bytesWaiting() > 0)
        onDataArrived();
}

void LinkExchange::closePort()
{
    if (port_->isOpen())
        port_->close();
}

void LinkExchange::finishAttempt()
{
    stopTimers();
    busy_ = false;
    closePort();
}

void LinkExchange::finishRun(LinkOutcome::Kind kind)
{
    finishAttempt();
    running_ = false;
    emit finished(outcome(kind));
}

LinkOutcome LinkExchange::outcome(LinkOutcome::Kind kind) const
{
    LinkOutcome o;
    o.operation = operation();
    o.kind = kind;
    o.attempts = attempts_;
    o.blocksDone = blocksConfirmed();
    o.blocksTotal = blocksTotal();
    return o;
}

void LinkExchange::showProgress(int done, int total)
{
    emit progressChanged(std::clamp(done * 100 / total, 0, 100));
}

void LinkExchange::onDataArrived()
{
    if (sendTimer_->isActive()) {
        // A command waits to leave: these bytes cannot be its answer.
        clearInput();
        return;
    }
    QPointer<LinkExchange> self(this);
    while (self && !afterPause_ && port_->isOpen() && port_->bytesWaiting() > 0 && receiveStep()) {
    }
}

void LinkExchange::onReplyTimeout()
{
    // The attempt is over: the port closes and, after the retry pause, either
    // a fresh attempt starts or the exchange gives up.
    sendTimer_->stop();
    replyTimer_->stop();
    pauseTimer_->stop();
    afterPause_ = nullptr;
    retryTimer_->start(values_.retryPauseMs);
    closePort();
    busy_ = false;
}

void LinkExchange::onPortError()
{
    // A broken line ends the attempt as silence would.
    if (busy_)
        onReplyTimeout();
}

void LinkExchange::onRetryTick()
{
    stopTimers();
    if (retriesLeft_ < 1) {
        retriesUsedUp();
        return;
    }
    --retriesLeft_;
    startAttempt();
}

} // namespace r5
