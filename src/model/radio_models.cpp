#include "model/radio_models.h"

namespace r5 {

int modelIndex(const QString& name)
{
    for (int i = 0; i < static_cast<int>(kModels.size()); ++i)
        if (name == QLatin1String(kModels[i].name))
            return i;
    return -1;
}

QString bandStatusText(double bandLow, double bandHigh)
{
    return " " + QString::number(bandLow) + "-- " + QString::number(bandHigh - 1) + " MHZ";
}

QString bandLabelText(int index)
{
    const RadioModel& model = kModels.at(static_cast<size_t>(index));
    return " " + QString::number(model.bandLow) + " -- " + " " + QString::number(model.bandHigh);
}

} // namespace r5
