#include "sim_line.h"

#include "radio_protocol.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>

namespace r5::sim {
namespace {

constexpr long long kMillisecond = 1000000;
constexpr long long kByteTime = 1000000000LL * wire::kBitsPerByte / wire::kBaudRate;  // ~1.04 ms
// A command ends when the line stayed idle this long after its last byte. The
// program sends a command back to back, so any idle time marks its end; the
// 15 ms between commands leave a wide margin. Paced, a byte only counts as
// arrived a byte time after the one before, which already absorbs the jitter
// of the pseudo-terminal, so a sliver of idle line is enough and the radio
// answers as promptly as a real one. Unpaced, bytes arrive in bursts as the
// system delivers them, so the gap must cover that jitter: the program writes a
// command a byte at a time, and on a busy machine it may lose the processor
// for some milliseconds between two bytes. Below the 15 ms between commands.
constexpr long long kPacedSilence = kByteTime / 8;
constexpr long long kFastSilence = 10 * kMillisecond;
// A command the radio knows that is not yet whole waits this long for its
// remaining bytes before it is taken as it is.
constexpr long long kUnfinishedSilence = 200 * kMillisecond;

// Whether the bytes are the start of a command the radio knows, not yet all
// of it. A lone 06 is whole: the acknowledgement.
bool unfinished(const QByteArray& c)
{
    const QByteArray access(reinterpret_cast<const char*>(wire::kAccessSequence.data()),
                            static_cast<qsizetype>(wire::kAccessSequence.size()));
    if (c.size() < access.size() && access.startsWith(c))
        return true;
    const qsizetype echo = c.size() > 1 && static_cast<quint8>(c[0]) == wire::kAck ? 1 : 0;
    if (c.size() <= echo)
        return false;
    const quint8 code = static_cast<quint8>(c[echo]);
    const qsizetype header = echo + wire::kHeaderBytes;
    if (code == wire::kRead || code == wire::kPasswordRead)
        return c.size() < header;
    if (code == wire::kRecord || code == wire::kPasswordWrite)
        return c.size() < header || c.size() < header + static_cast<quint8>(c[header - 1]);
    return false;
}

volatile std::sig_atomic_t stopRequested = 0;
extern "C" void onStopSignal(int) { stopRequested = 1; }

} // namespace

SimLine::SimLine(VirtualRadio& radio, LineOptions options) : radio_(radio), options_(std::move(options)) {}

SimLine::~SimLine()
{
    closeLine();
    if (log_)
        std::fclose(log_);
}

SimLine::Clock SimLine::now()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<Clock>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

bool SimLine::open()
{
    // Before the link appears: whoever sees it may stop the radio at once,
    // and the radio still leaves its memory dump.
    struct sigaction action{};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) {
        std::fprintf(stderr, "r5sim: cannot create a pseudo-terminal: %s\n", std::strerror(errno));
        return false;
    }
    slaveName_ = QString::fromLocal8Bit(ptsname(master_));
    slave_ = ::open(slaveName_.toLocal8Bit().constData(), O_RDWR | O_NOCTTY);
    if (slave_ < 0) {
        std::fprintf(stderr, "r5sim: cannot open %s: %s\n", qPrintable(slaveName_), std::strerror(errno));
        return false;
    }
    // Raw bytes both ways: no echo, no line editing, no CR/LF translation.
    termios tio{};
    tcgetattr(slave_, &tio);
    cfmakeraw(&tio);
    cfsetispeed(&tio, B9600);
    cfsetospeed(&tio, B9600);
    tcsetattr(slave_, TCSANOW, &tio);

    const QByteArray link = options_.linkPath.toLocal8Bit();
    const QFileInfo existing(options_.linkPath);
    if (existing.isSymLink())
        ::unlink(link.constData());
    if (::symlink(slaveName_.toLocal8Bit().constData(), link.constData()) != 0) {
        std::fprintf(stderr, "r5sim: cannot link %s: %s\n", link.constData(), std::strerror(errno));
        return false;
    }
    if (!options_.logPath.isEmpty()) {
        log_ = std::fopen(options_.logPath.toLocal8Bit().constData(), "w");
        if (!log_) {
            std::fprintf(stderr, "r5sim: cannot write %s: %s\n", qPrintable(options_.logPath), std::strerror(errno));
            return false;
        }
    }
    return true;
}

void SimLine::closeLine()
{
    if (master_ >= 0) {
        // Only our own link goes; a path someone replaced meanwhile stays.
        const QFileInfo link(options_.linkPath);
        if (link.isSymLink() && link.symLinkTarget() == slaveName_)
            ::unlink(options_.linkPath.toLocal8Bit().constData());
        ::close(master_);
        master_ = -1;
    }
    if (slave_ >= 0) {
        ::close(slave_);
        slave_ = -1;
    }
}

void SimLine::log(char direction, const QByteArray& bytes)
{
    if (!log_ || bytes.isEmpty())
        return;
    std::fprintf(log_, "%10.3f %c %s\n", static_cast<double>(now() - started_) / kMillisecond, direction,
                 bytes.toHex(' ').constData());
    std::fflush(log_);
}

void SimLine::takeInput(Clock t)
{
    char buffer[512];
    for (;;) {
        const ssize_t n = ::read(master_, buffer, sizeof buffer);
        if (n <= 0)
            return;
        for (ssize_t i = 0; i < n; ++i) {
            // Paced, each byte takes its time on the wire after the one before.
            commandEnd_ = options_.fast ? t : std::max(t, commandEnd_) + kByteTime;
            command_.append(buffer[i]);
        }
    }
}

void SimLine::endCommand(Clock t)
{
    QByteArray burst = command_;
    command_.clear();
    // A radio that was kept from the line for a while finds an acknowledgement
    // and the command after it in one burst. Only a read or a write carries a
    // 06 in front of its own, so a 06 before anything else stood alone. On
    // time, any answer to it would have left before the next command, and the
    // program empties its input before it sends one: it is dropped.
    while (burst.size() > 1 && static_cast<quint8>(burst[0]) == wire::kAck
           && static_cast<quint8>(burst[1]) != wire::kRead && static_cast<quint8>(burst[1]) != wire::kRecord) {
        log('<', burst.left(1));
        radio_.answer(burst.left(1));
        burst.remove(0, 1);
    }
    const QByteArray command = burst;
    log('<', command);
    const int writesBefore = radio_.writesStored();
    const Answer answer = radio_.answer(command);
    if (radio_.writesStored() != writesBefore && options_.afterWrite)
        options_.afterWrite();
    if (answer.hangup) {
        log('!', "hangup");
        hangupPending_ = true;
    }
    if (answer.bytes.isEmpty())
        return;
    log('>', answer.bytes);
    const qsizetype first = answer.splitAt > 0 ? answer.splitAt : answer.bytes.size();
    if (!held_.isEmpty()) {
        held_.append(answer.bytes);   // after what still waits, in order
        return;
    }
    queueOutput(t, answer.bytes.left(first));
    if (first < answer.bytes.size()) {
        held_ = answer.bytes.mid(first);
        heldUntil_ = (options_.fast ? t : lineFreeAt_) + answer.pauseMs * kMillisecond;
    }
}

void SimLine::queueOutput(Clock t, const QByteArray& bytes)
{
    if (output_.isEmpty())
        outputFirstDue_ = options_.fast ? t : std::max(t, lineFreeAt_) + kByteTime;
    output_.append(bytes);
    lineFreeAt_ = outputFirstDue_ + (output_.size() - 1) * kByteTime;
}

void SimLine::releaseHeld(Clock t)
{
    if (held_.isEmpty() || !output_.isEmpty() || t < heldUntil_)
        return;
    queueOutput(t, held_);
    held_.clear();
}

void SimLine::sendDue(Clock t)
{
    qsizetype due = output_.size();
    if (!options_.fast)
        due = t < outputFirstDue_ ? 0 : std::min<qsizetype>(output_.size(), (t - outputFirstDue_) / kByteTime + 1);
    if (due == 0)
        return;
    const ssize_t written = ::write(master_, output_.constData(), static_cast<size_t>(due));
    if (written <= 0)
        return;   // the program's side is full or gone: try again at the next wake-up
    output_.remove(0, written);
    outputFirstDue_ += written * kByteTime;
}

int SimLine::run()
{
    // The signals are blocked except while waiting, so none is lost between
    // the check and the wait.
    sigset_t blocked, waiting;
    sigemptyset(&blocked);
    sigaddset(&blocked, SIGINT);
    sigaddset(&blocked, SIGTERM);
    sigprocmask(SIG_BLOCK, &blocked, &waiting);
    sigdelset(&waiting, SIGINT);
    sigdelset(&waiting, SIGTERM);

    started_ = now();
    while (!stopRequested) {
        const Clock t = now();
        const Clock silence = unfinished(command_) ? kUnfinishedSilence : options_.fast ? kFastSilence : kPacedSilence;
        if (!command_.isEmpty() && t >= commandEnd_ + silence)
            endCommand(t);
        releaseHeld(t);
        if (!output_.isEmpty())
            sendDue(t);
        // A pulled cable: what had left the radio is on the wire, then nothing.
        if (hangupPending_ && output_.isEmpty() && held_.isEmpty())
            break;

        // Sleep until input arrives or the next thing falls due; never spin.
        Clock wake = -1;
        if (!command_.isEmpty())
            wake = commandEnd_ + silence;
        if (!output_.isEmpty()) {
            const Clock due = options_.fast ? t + kMillisecond : std::max(outputFirstDue_, t + kMillisecond / 4);
            wake = wake < 0 ? due : std::min(wake, due);
        }
        if (!held_.isEmpty() && output_.isEmpty())
            wake = wake < 0 ? heldUntil_ : std::min(wake, heldUntil_);
        timespec timeout{};
        timespec* timeoutPtr = nullptr;
        if (wake >= 0) {
            const Clock wait = std::max<Clock>(wake - now(), 0);
            timeout.tv_sec = static_cast<time_t>(wait / 1000000000LL);
            timeout.tv_nsec = static_cast<long>(wait % 1000000000LL);
            timeoutPtr = &timeout;
        }
        pollfd fd{master_, POLLIN, 0};
        const int ready = ppoll(&fd, 1, timeoutPtr, &waiting);
        if (ready > 0 && (fd.revents & POLLIN))
            takeInput(now());
        else if (ready > 0 && (fd.revents & (POLLHUP | POLLERR)))
            // Cannot happen while our own slave descriptor is open; guard
            // against spinning all the same.
            ::usleep(1000);
    }
    closeLine();
    return 0;
}

} // namespace r5::sim
