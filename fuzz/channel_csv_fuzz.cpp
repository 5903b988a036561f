// Any bytes as a channel table, for each model: refused with every fault
// explained and the image as it was, or taken so that exporting and importing
// again, in either language, gives the same image.
#include "fuzz_check.h"

#include "files/channel_csv.h"
#include "model/radio_models.h"

#include <cstddef>
#include <cstdint>

using namespace r5;
using r5::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    // The first byte picks the model, so each band's checks see every table.
    const int model = data[0] % static_cast<int>(kModels.size());
    AppState state;
    state.currentModel = model;
    state.bandLow = kModels[static_cast<size_t>(model)].bandLow;
    state.bandHigh = kModels[static_cast<size_t>(model)].bandHigh;
    state.image = startUpImage(model);
    const RadioImage before = state.image;
    const QByteArray text(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));

    const auto errors = importChannelCsv(state, text);
    if (!errors.empty()) {
        require(state.image == before, "a refused table leaves the image as it was");
        for (const CsvError& error : errors)
            require(!error.message(Language::English).isEmpty() && !error.message(Language::Chinese).isEmpty(),
                    "every fault in a refused table has a message in both languages");
        return 0;
    }
    const RadioImage taken = state.image;
    for (const Language language : {Language::English, Language::Chinese}) {
        state.image = before;
        require(importChannelCsv(state, channelCsvText(taken, language)).empty(), "an exported table imports");
        require(state.image == taken, "a table exports and imports back unchanged");
    }
    return 0;
}
