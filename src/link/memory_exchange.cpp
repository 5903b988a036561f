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
    queueCommand(QByteArray(reinterpret_cast<const char*>(protocol::HandshakeMagic.data()),
                            static_cast<int>(protocol::HandshakeMagic.size())));
}

bool MemoryExchange::receiveStep()
{
    if (connected_)
        return dataStep();

    if (stage_ == Stage::Handshake) {
        if (bytesWaiting() < protocol::HandshakeReplyBytes)
            return false;
        const QByteArray reply = takeBytes(protocol::HandshakeReplyBytes);
        if (!handshakeAccepted(reply, protocol::HandshakeMarker, protocol::HandshakeMarker,
                               protocol::HandshakeMarkerDistance))
            return true;  // not the radio's reply: the time-out will act
        sendNow(protocol::Ack);
        // The radio confirms programming mode meanwhile; its answer is dropped.
        pauseThen(protocol::AckPauseMs, [this] {
            stage_ = Stage::PasswordBlock;
            queueCommand(command(protocol::ReadCommand, protocol::PasswordBlockAddress, protocol::ReadBlockBytes));
            clearInput();
        });
        return true;
    }

    // The password block: taken and acknowledged; the radio guards its
    // memory itself, so the block is not compared with anything.
    if (bytesWaiting() < protocol::PlainReplyBytes)
        return false;
    takeBytes(protocol::PlainReplyBytes);
    sendNow(protocol::Ack);
    pauseThen(protocol::AckPauseMs, [this] {
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
    emit statusChanged(text(linktext::CommunicationFault));
    emit failed(text(linktext::FailConnect));
}

} // namespace r5
