#include "link/memory_exchange.h"

#include "link/handshake.h"
#include "link/link_texts.h"
#include "link/protocol.h"

namespace r5 {

void MemoryExchange::beginAttempt()
{
    connected_ = false;
    clearInput();
    stage_ = Stage::Handshake;
    resetDataPhase();
    queueCommand(QByteArray(reinterpret_cast<const char*>(protocol::kHandshakeMagic.data()),
                            static_cast<int>(protocol::kHandshakeMagic.size())));
}

bool MemoryExchange::receiveStep()
{
    if (connected_)
        return dataStep();

    if (stage_ == Stage::Handshake) {
        if (bytesWaiting() < protocol::kHandshakeReplyBytes)
            return false;
        const QByteArray reply = takeBytes(protocol::kHandshakeReplyBytes);
        if (!handshakeAccepted(reply, protocol::kHandshakeMarker, protocol::kHandshakeMarker,
                               protocol::kHandshakeMarkerDistance))
            return true;  // not the radio's reply: the time-out will act
        sendNow(protocol::kAck);
        // The radio confirms programming mode meanwhile; its answer is dropped.
        pauseThen(protocol::kAckPauseMs, [this] {
            stage_ = Stage::PasswordBlock;
            queueCommand(command(protocol::kReadCommand, protocol::kPasswordBlockAddress, protocol::kReadBlockBytes));
            clearInput();
        });
        return true;
    }

    // The password block: taken and acknowledged; the radio guards its
    // memory itself, so the block is not compared with anything.
    if (bytesWaiting() < protocol::kPlainReplyBytes)
        return false;
    takeBytes(protocol::kPlainReplyBytes);
    sendNow(protocol::kAck);
    pauseThen(protocol::kAckPauseMs, [this] {
        connected_ = true;
        stopReplyTimer();
        stopRetryTimer();
        beginDataPhase();
        clearInput();
    });
    return true;
}

void MemoryExchange::retriesUsedUp()
{
    finishAttempt();
    emit progressChanged(0);
    emit statusChanged(text(linktext::kCommunicationFault));
    emit failed(text(linktext::kFailConnect));
}

} // namespace r5
