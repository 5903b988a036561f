#include "model/app_state.h"

namespace r5 {

void AppState::selectModel(int model)
{
    if (model != CurrentModel) {
        if (model == kVhfModel)
            VhfDefaultBuilder(image);
        else
            UhfDefaultBuilder(image);
    }
    const RadioModel& chosen = kModels.at(static_cast<size_t>(model));
    BandLow = chosen.bandLow;
    BandHigh = chosen.bandHigh;
    CurrentModel = model;
}

} // namespace r5
