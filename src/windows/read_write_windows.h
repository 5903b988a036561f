#pragma once

#include "model/app_state.h"
#include "model/radio_image.h"
#include "windows/transfer_window.h"

#include <QPointer>

#include <functional>
#include <optional>

class QCheckBox;

namespace r5 {

// ReadWindow: reads the radio's whole memory into the image. The image
// changes only when the read completes.
class ReadWindow : public TransferWindow {
    Q_OBJECT
public:
    ReadWindow(AppState& state, const LinkContext& link, QWidget* parent = nullptr);
};

// WriteWindow: writes the channels, settings and message rows of the image
// to the radio. Unless the user unticks them, a backup read comes first (the
// radio's memory is kept as a channel file in the backup folder, and what the
// write will change is shown for confirmation) and a verify read after; a
// write or verify that fails after the radio took part of the write offers to
// write the backup back.
class WriteWindow : public TransferWindow {
    Q_OBJECT
public:
    WriteWindow(AppState& state, const LinkContext& link, QWidget* parent = nullptr);

    bool busy() const override;

protected:
    void start() override;
    void onOutcome(const LinkOutcome& outcome) override;
    void closeEvent(QCloseEvent* event) override;

private:
    enum class SideStage { Backup, Verify, Restore };

    void addSafetyBoxes();
    // An exchange of its own (backup, verify or restore) on a copy of the state.
    void runSide(SideStage stage, LinkExchange* exchange, std::function<void()> done);
    void writeAfterBackup();
    void verify(const LinkOutcome& writeOutcome);
    void offerRestore();
    void onSideFailed(const LinkOutcome& outcome);

    LinkContext link_;
    QCheckBox* backupBox_ = nullptr;
    QCheckBox* verifyBox_ = nullptr;
    AppState side_;  // the state the extra exchanges work on
    QPointer<LinkExchange> sideExchange_;
    SideStage sideStage_ = SideStage::Backup;
    QString backupPath_;
    std::optional<RadioImage> backup_;
};

} // namespace r5
