// Any bytes as a channel file: refused without a trace on the image, or
// loaded so that saving and loading again gives the same image.
#include "fuzz_check.h"

#include "files/channel_file.h"

#include <cstddef>
#include <cstdint>

using namespace r5;
using r5::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    RadioImage image;
    for (int address = 0; address < RadioImage::kSize; ++address)
        image.setAt(address, static_cast<quint8>(address * 7 + 3));
    const RadioImage before = image;
    const QByteArray text(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    if (const auto error = loadChannelText(image, text, QStringLiteral("fuzz.chann"))) {
        require(image == before, "a refused channel file leaves the image as it was");
        fuzz::checkFileError(*error);
        return 0;
    }
    RadioImage reloaded = before;
    require(!loadChannelText(reloaded, channelFileText(image), QStringLiteral("saved.chann")),
            "a saved channel file loads");
    require(reloaded == image, "a channel file saves and loads back unchanged");
    return 0;
}
