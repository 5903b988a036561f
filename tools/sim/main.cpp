// r5sim: a virtual R5 radio on a pseudo-terminal, for the end-to-end tests and
// for users without a radio at hand. Point r5prog or r5prog-cli at the --link
// path as at a serial port.
#include "sim_line.h"
#include "virtual_radio.h"

#include "files/adjust_file.h"
#include "files/channel_file.h"
#include "files/number_file.h"
#include "model/defaults.h"
#include "model/radio_models.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>

#include <cstdio>

using namespace r5;

namespace {

int usage(const QString& message)
{
    std::fprintf(stderr, "r5sim: %s\nTry 'r5sim --help'.\n", qPrintable(message));
    return 2;
}

bool dump(const QByteArray& bytes, const QString& path)
{
    if (path.isEmpty())
        return true;
    if (const auto error = writeFileAtomically(path, bytes)) {
        std::fprintf(stderr, "r5sim: %s\n", qPrintable(error->message(Language::English)));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("r5sim");
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "A virtual Harlan R5 radio on a pseudo-terminal. It answers the programming protocol until "
        "SIGINT or SIGTERM.");
    parser.addHelpOption();
    parser.addOptions({
        {"link", "Create the serial device as a symbolic link at PATH.", "PATH"},
        {"image", "Radio memory from a channel file.", "FILE.chann"},
        {"raw", "Radio memory from a 1024-byte binary file.", "FILE.bin"},
        {"adjust", "Tuning block from an adjustment file.", "FILE.adj"},
        {"password", "Password stored in the radio (up to six characters).", "TEXT"},
        {"fast", "Answer at once instead of at 9600-baud pace."},
        {"fault", "Misbehave as KIND: " + sim::faultHelp() + " (N counts the answers to reads and writes "
                  "from 1; see the README).", "KIND"},
        {"dump", "Write the radio memory (1024 bytes) after every write it stores and at exit.", "FILE.bin"},
        {"dump-adjust", "Write the tuning block (512 bytes) after every write it stores and at exit.", "FILE.bin"},
        {"log", "Write a hex trace of both directions.", "FILE"},
    });
    if (!parser.parse(QCoreApplication::arguments()))
        return usage(parser.errorText());
    if (parser.isSet("help")) {
        std::fprintf(stdout, "%s", qPrintable(parser.helpText()));
        return 0;
    }
    if (!parser.isSet("link"))
        return usage("--link PATH is required");
    if (parser.isSet("image") && parser.isSet("raw"))
        return usage("--image and --raw exclude each other");

    sim::VirtualRadio radio;
    RadioImage image = startUpImage(kStartModel);
    if (parser.isSet("image")) {
        if (const auto error = loadChannelFile(image, parser.value("image"))) {
            std::fprintf(stderr, "r5sim: %s\n", qPrintable(error->message(Language::English)));
            return 1;
        }
    }
    QByteArray memory = image.toBytes();
    if (parser.isSet("raw")) {
        QFile raw(parser.value("raw"));
        if (!raw.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "r5sim: cannot read %s: %s\n", qPrintable(raw.fileName()), qPrintable(raw.errorString()));
            return 1;
        }
        // One byte more than the memory tells a file that is too long; a
        // device that never ends (/dev/zero) is not read on.
        memory = raw.read(RadioImage::kSize + 1);
        if (memory.size() > RadioImage::kSize)
            return usage(QString("--raw needs exactly %1 bytes, %2 holds more").arg(RadioImage::kSize).arg(raw.fileName()));
        if (memory.size() != RadioImage::kSize)
            return usage(QString("--raw needs exactly %1 bytes, %2 holds %3").arg(RadioImage::kSize)
                             .arg(raw.fileName()).arg(memory.size()));
    }
    radio.setMemory(memory);

    AdjustImage adjust = defaultAdjustImage();
    if (parser.isSet("adjust")) {
        if (const auto error = loadAdjustFile(adjust, parser.value("adjust"))) {
            std::fprintf(stderr, "r5sim: %s\n", qPrintable(error->message(Language::English)));
            return 1;
        }
    }
    radio.setAdjust(adjust.toBytes());
    if (parser.isSet("password")) {
        const QByteArray password = parser.value("password").toLatin1();
        if (password.size() > 6)
            return usage("--password takes at most six characters");
        radio.setPassword(password);
    }
    if (parser.isSet("fault")) {
        const auto fault = sim::parseFault(parser.value("fault"));
        if (!fault)
            return usage("unknown fault '" + parser.value("fault") + "'");
        radio.setFault(*fault);
    }

    const QString dumpPath = parser.value("dump");
    const QString adjustDumpPath = parser.value("dump-adjust");
    sim::LineOptions options;
    options.linkPath = parser.value("link");
    options.fast = parser.isSet("fast");
    options.logPath = parser.value("log");
    options.afterWrite = [&] {
        dump(radio.memory(), dumpPath);
        dump(radio.adjust(), adjustDumpPath);
    };

    sim::SimLine line(radio, options);
    if (!line.open())
        return 1;
    std::fprintf(stdout, "r5sim: radio on %s, linked at %s\n", qPrintable(line.deviceName()),
                 qPrintable(options.linkPath));
    std::fflush(stdout);
    const int status = line.run();
    if (!dump(radio.memory(), dumpPath) || !dump(radio.adjust(), adjustDumpPath))
        return 1;
    return status;
}
