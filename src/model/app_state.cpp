#include "model/app_state.h"

namespace r5 {

void AppState::selectModel(int model)
{
    if (model != currentModel) {
        if (model == kVhfModel)
            buildVhfChannels(image);
        else
            buildUhfChannels(image);
    }
    const RadioModel& chosen = kModels.at(static_cast<size_t>(model));
    bandLow = chosen.bandLow;
    bandHigh = chosen.bandHigh;
    currentModel = model;
}

} // namespace r5
