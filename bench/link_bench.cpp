// How close a read and a write through r5prog-cli come to what the 9600-baud
// wire allows, against r5sim at real pace. Prints figures; not a test.
//
//   link_bench [RUNS]
//
// For each run: the transfer time the program reports (start of the exchange
// to its completion), the wall time of the whole r5prog-cli process, and the
// longest stall of its event loop. Bounds, from the radio's trace of the run:
//   wire      = bytes on the wire both ways x 10 bits / 9600
//   protocol  = wire + 15 ms send tick per command that waits for it
#include <QtCore>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr double kSecondsPerByte = 10.0 / 9600.0;
constexpr double kSendTick = 0.015;

struct Run {
    double transfer = 0;
    double wall = 0;
    double stallMs = 0;
    int bytes = 0;            // on the wire both ways, from the radio's trace
    int tickedCommands = 0;   // commands that left on the send tick
    double protocol() const { return bytes * kSecondsPerByte + tickedCommands * kSendTick; }
};

// Counts into `run` what the radio traced since the last call. Every command
// of more than one byte leaves on the send tick; the lone acknowledgements and
// the end byte go at once.
void readTrace(QFile& trace, Run& run)
{
    if (!trace.isOpen() && !trace.open(QIODevice::ReadOnly))
        return;
    for (const QByteArray& line : trace.readAll().split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() < 3 || (fields[1] != "<" && fields[1] != ">"))
            continue;
        run.bytes += static_cast<int>(fields.size()) - 2;
        run.tickedCommands += fields[1] == "<" && fields.size() > 3;
    }
}

double field(const QString& text, const char* name)
{
    const auto m = QRegularExpression(QString(name) + "=([0-9.]+)").match(text);
    return m.hasMatch() ? m.captured(1).toDouble() : -1;
}

void report(const char* what, const std::vector<Run>& runs)
{
    std::printf("\n%s (%zu runs at 9600 baud)\n", what, runs.size());
    std::printf("  %-4s %9s %9s %9s %9s %8s %8s %10s\n", "run", "transfer", "process", "wire", "protocol",
                "x wire", "x proto", "stall ms");
    std::vector<double> ratios;
    double worstStall = 0;
    for (size_t i = 0; i < runs.size(); ++i) {
        const Run& r = runs[i];
        const double wire = r.bytes * kSecondsPerByte;
        ratios.push_back(r.transfer / r.protocol());
        worstStall = std::max(worstStall, r.stallMs);
        std::printf("  %-4zu %8.3fs %8.3fs %8.3fs %8.3fs %8.3f %8.3f %10.2f\n", i + 1, r.transfer, r.wall, wire,
                    r.protocol(), r.transfer / wire, ratios.back(), r.stallMs);
    }
    std::sort(ratios.begin(), ratios.end());
    std::printf("  bytes on the wire %d, commands on the send tick %d\n", runs[0].bytes, runs[0].tickedCommands);
    std::printf("  median ratio to the protocol bound %.3f (target <= 1.050), longest loop stall %.2f ms "
                "(target <= 20)\n", ratios[ratios.size() / 2], worstStall);
}

Run median(std::vector<Run> runs)
{
    std::sort(runs.begin(), runs.end(), [](const Run& a, const Run& b) { return a.wall < b.wall; });
    return runs[runs.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const QString sim = qEnvironmentVariable("R5SIM", R5SIM_PATH);
    const QString cli = qEnvironmentVariable("R5CLI", R5CLI_PATH);

    QTemporaryDir dir;
    const QString link = dir.filePath("radio");
    QByteArray memory(1024, '\0');
    QRandomGenerator::global()->fillRange(reinterpret_cast<quint32*>(memory.data()), memory.size() / 4);
    QFile raw(dir.filePath("radio.bin"));
    if (!raw.open(QIODevice::WriteOnly) || raw.write(memory) != memory.size() || !raw.flush())
        return 1;

    QProcess radio;
    QFile trace(dir.filePath("trace"));  // opened at the first run's end: the radio creates it once linked
    radio.start(sim, {"--link", link, "--raw", raw.fileName(), "--log", trace.fileName()});
    if (!radio.waitForReadyRead(5000)) {  // it says where it is linked once it is
        std::fprintf(stderr, "link_bench: r5sim did not start (%s)\n", qPrintable(sim));
        return 1;
    }

    const auto runCli = [&](const QStringList& arguments) {
        std::vector<Run> results(static_cast<size_t>(runs));
        for (Run& r : results) {
            QProcess p;
            QElapsedTimer wall;
            wall.start();
            p.start(cli, arguments + QStringList{"--port", link, "--timing"});
            p.waitForFinished(60000);
            r.wall = wall.nsecsElapsed() / 1e9;
            const QString err = QString::fromUtf8(p.readAllStandardError());
            if (p.exitCode() != 0)
                std::fprintf(stderr, "link_bench: r5prog-cli failed: %s\n", qPrintable(err));
            r.transfer = field(err, "transfer-seconds");
            r.stallMs = field(err, "loop-stall-max-ms");
            QThread::msleep(100);   // let the radio log the last bytes
            readTrace(trace, r);
        }
        return results;
    };

    const QString chann = dir.filePath("read.chann");
    const std::vector<Run> reads = runCli({"read", "--output", chann});
    const std::vector<Run> writes = runCli({"write", "--input", chann});
    const std::vector<Run> safeWrites = runCli({"write", "--input", chann, "--backup", dir.filePath("backups"), "--verify"});
    radio.terminate();
    radio.waitForFinished(5000);

    std::printf("r5prog-cli against r5sim, real 9600-baud pace; transfer = the exchange from start to completion\n");
    report("read (1024 bytes)", reads);
    report("write (rows 0 to 48)", writes);
    // The backup read and the verify read are exchanges of their own around
    // the unchanged write: the whole command against the write alone.
    const Run safe = median(safeWrites);
    const double alone = median(writes).wall;
    std::printf("\nwrite with --backup and --verify (%zu runs at 9600 baud)\n", safeWrites.size());
    std::printf("  median process time: write alone %.3fs, with backup and verify %.3fs (x %.2f); "
                "the write inside it %.3fs\n", alone, safe.wall, safe.wall / alone, safe.transfer);
    return 0;
}
