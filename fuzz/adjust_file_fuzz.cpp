// Any bytes as a tuning file, read from disk as the program reads it: refused
// without a trace on the tuning block, or loaded so that saving and loading
// again gives the same block.
#include "fuzz_check.h"

#include "files/adjust_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstddef>
#include <cstdint>

using namespace r5;
using r5::fuzz::require;

namespace {

// One file per process, rewritten for every input.
const QString& scratchPath()
{
    static const QString path = QDir::temp().filePath(
        QStringLiteral("r5-fuzz-%1.adj").arg(QCoreApplication::applicationPid()));
    return path;
}

void writeScratch(const QByteArray& bytes)
{
    QFile file(scratchPath());
    require(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size(),
            "the scratch file can be written");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    AdjustImage adjust;
    for (int address = 0; address < AdjustImage::kSize; ++address)
        adjust.setAt(address, static_cast<quint8>(address * 5 + 1));
    const AdjustImage before = adjust;

    writeScratch(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    if (const auto error = loadAdjustFile(adjust, scratchPath())) {
        require(adjust == before, "a refused tuning file leaves the tuning block as it was");
        fuzz::checkFileError(*error);
        return 0;
    }
    writeScratch(adjustFileText(adjust));
    AdjustImage reloaded = before;
    require(!loadAdjustFile(reloaded, scratchPath()), "a saved tuning file loads");
    require(reloaded == adjust, "a tuning file saves and loads back unchanged");
    return 0;
}
