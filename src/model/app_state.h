#pragma once

#include "model/defaults.h"
#include "model/radio_image.h"
#include "model/radio_models.h"
#include "model/text.h"
#include "version.h"

#include <QString>

namespace r5 {

// Everything the program keeps for one run and shares between its windows and
// the link: the radio image, the tuning block, the language, the port, the
// model and its band. Nothing here is stored between runs. The application owns
// exactly one and hands it to every window and exchange by reference.
struct AppState {
    static constexpr const char* kVersionText = r5::kVersionText;

    QString versionText = kVersionText;
    Language language = Language::Chinese;

    int comPort = 1;           // 1 to 8, see the port table
    bool portOpenFailed = false;

    int currentModel = kStartModel;
    double bandLow = kModels[kStartModel].bandLow;
    double bandHigh = kModels[kStartModel].bandHigh;

    int currentChannel = 1;    // the channel last chosen in the channel editors

    RadioImage image = startUpImage(kStartModel);
    AdjustImage adjust = defaultAdjustImage();

    QString currentFilePath;
    bool adjustOpenRequest = false;
    bool adjustSaveRequest = false;
    // The write window's safety settings: a backup read before the write
    // (kept in `backupFolder`, the program's data folder when empty) and a
    // verify read after it.
    bool backupBeforeWrite = true;
    bool verifyAfterWrite = true;
    QString backupFolder;

    // Frequency texts below 100 MHz have two digits before the point.
    bool twoDigitMegahertz() const { return bandLow < 100; }

    // The model window's Confirm: a different model gets its factory channel
    // set (the VHF set for Sable-VHF, the UHF set otherwise); confirming the
    // current model leaves the channels alone. The band always follows.
    void selectModel(int model);
};

} // namespace r5
