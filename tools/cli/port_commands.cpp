// "ports": which device stands behind each of COM1 to COM8, what the system
// says of it and whether this user may open it; with --test, whether it opens.
#include "cli_command.h"
#include "cli_options.h"

#include "link/port_details.h"
#include "link/port_table.h"
#include "link/qt_serial_port.h"

#include <QCommandLineParser>

#include <algorithm>
#include <array>
#include <vector>

namespace r5::cli {
namespace {

constexpr Language kEnglish = Language::English;
constexpr int kColumns = 7;
using Row = std::array<QString, kColumns>;

QString orDash(const QString& value)
{
    return value.isEmpty() ? QStringLiteral("-") : value;
}

void printTable(const std::vector<Row>& rows)
{
    std::array<qsizetype, kColumns> width{};
    for (const Row& row : rows)
        for (int c = 0; c < kColumns; ++c)
            width[size_t(c)] = std::max(width[size_t(c)], row[size_t(c)].size());
    for (const Row& row : rows) {
        QString line;
        for (int c = 0; c < kColumns; ++c)
            line += c + 1 < kColumns ? row[size_t(c)].leftJustified(width[size_t(c)] + 2) : row[size_t(c)];
        printLine(line);
    }
}

int runPorts(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.addOption({"port", "Also show this device (a pseudo-terminal, say); may be repeated.", "DEVICE"});
    parser.addOption({"test", "Open and close each port and say whether it works, or why not."});
    const ParsedOptions parsed = parseOptions(parser, arguments);
    if (!parsed.ok)
        return usageError(parsed.error);
    if (!parser.positionalArguments().isEmpty())
        return usageError("ports: unexpected argument '" + parser.positionalArguments().first() + "'");
    QStringList named;
    for (const QString& value : parser.values("port")) {
        const PortArgument port = parsePortArgument(value);
        if (!port.ok())
            return usageError(port.error);
        // Every number is listed anyway; only devices add to the list.
        if (port.comPort == 0)
            named << port.device;
    }

    const PortTable table = PortTable::fromSystem(named);
    const auto facts = systemPortFacts();
    std::vector<Row> rows{{"Port", "Device", "Stable name", "Adapter", "VID:PID", "Serial number", "May open"}};
    for (int n = PortTable::kFirst; n <= PortTable::kLast; ++n) {
        const PortDetails d = portDetails(table, n, *facts);
        const QString device = d.leadsTo.isEmpty() ? d.device : d.device + " -> " + d.leadsTo;
        rows.push_back({PortTable::comName(n), orDash(device), orDash(d.stableName), orDash(d.description),
                        orDash(d.usbIds), orDash(d.serialNumber), accessText(d, kEnglish)});
    }
    printTable(rows);
    if (!parser.isSet("test"))
        return kExitOk;

    printLine("");
    QtSerialPortFactory ports;
    bool allOpen = true;
    for (int n = PortTable::kFirst; n <= PortTable::kLast; ++n) {
        if (!table.exists(n))
            continue;
        const PortTest test = testPort(table, n, ports, *facts, kEnglish);
        allOpen = allOpen && test.works;
        printLine(test.text);
    }
    return allOpen ? int(kExitOk) : int(kExitFailure);
}

} // namespace

Command portsCommand()
{
    return {"ports", "[--port DEVICE]... [--test]",
            "List COM1 to COM8: device, stable name, adapter, VID:PID, serial number, access; --test opens each.",
            runPorts};
}

} // namespace r5::cli
