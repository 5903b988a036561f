#pragma once

#include "model/radio_image.h"
#include "windows/transfer_window.h"

#include <functional>
#include <memory>
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

class LinkExchange;

// WriteWindow: writes the channels, settings and message rows of the image
// to the radio. Unless the user unticks them, a backup read comes first (the
// radio's memory is kept as a channel file in the backup folder, and what the
// write will change is shown for confirmation) and a verify read after; a
// write or verify that fails offers to write the backup back.
class WriteWindow : public TransferWindow {
    Q_OBJECT
public:
    WriteWindow(AppState& state, const LinkContext& link, QWidget* parent = nullptr);
    ~WriteWindow() override;

    QString lastBackupPath() const { return backupPath_; }

    bool busy() const override;

protected:
    void start() override;
    void showCompletion(const QString& message) override;
    void showFailure(const QString& message) override;
    void closeEvent(QCloseEvent* event) override;

private:
    enum class SideStage { None, Backup, Verify, Restore };

    void addSafetyBoxes();
    // A read of the radio of its own (backup or verify), on a copy of the state.
    void readRadio(std::function<void(const RadioImage&)> done);
    void writeAfterBackup(const RadioImage& radio);
    void verify(const QString& writeMessage);
    void offerRestore();
    void onSideReadFailed(const QString& message);

    const LinkContext& link_;
    QCheckBox* backupBox_;
    QCheckBox* verifyBox_;
    std::unique_ptr<AppState> side_;          // the state the extra exchanges use
    std::unique_ptr<LinkExchange> sideExchange_;
    SideStage sideStage_ = SideStage::None;
    QString backupPath_;
    std::optional<RadioImage> backup_;
};

} // namespace r5
