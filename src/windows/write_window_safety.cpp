// The write window's backup before and verify after the write: exchanges of
// their own around the unchanged write.
#include "windows/read_write_windows.h"

#include "files/channel_file.h"
#include "link/protocol.h"
#include "link/read_exchange.h"
#include "link/write_exchange.h"
#include "model/image_diff.h"
#include "ui/captions.h"
#include "ui/prompt.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace r5 {
namespace {

constexpr Text kBackupCaption{"写入前备份对讲机数据", "Back up the radio before writing"};
constexpr Text kVerifyCaption{"写入后校验", "Verify after writing"};
constexpr Text kBackupFailed{"备份读取失败，没有写入任何数据：\n%1", "The backup read failed; nothing was written:\n%1"};
constexpr Text kBackupNotSaved{"备份无法保存，没有写入任何数据：\n%1", "The backup could not be saved; nothing was written:\n%1"};
constexpr Text kWhatWillChange{"对讲机中将改变以下内容：", "What will change in the radio:"};
constexpr Text kNothingChanges{"对讲机中已是这些数据，没有内容会改变。", "The radio holds this data already; nothing will change."};
constexpr Text kWriteQuestion{"是否写入？", "Write now?"};
constexpr Text kVerified{"校验完毕：对讲机数据与写入的一致。", "Verified: the radio holds what was written."};
constexpr Text kVerifyFailed{"校验失败：地址 0x%1 为 0x%2，写入的是 0x%3%4。",
                             "Verify failed: address 0x%1 holds 0x%2, 0x%3 was written%4."};
constexpr Text kVerifyReadFailed{"校验读取失败：\n%1", "The verify read failed:\n%1"};
constexpr Text kRestoreQuestion{"写入前的对讲机数据已备份在\n%1\n是否写回对讲机（恢复备份）？",
                                "The radio's data before the write is kept in\n%1\nRestore the backup?"};
constexpr Text kRestored{"备份已写回对讲机。", "The backup was written back to the radio."};
constexpr Text kRestoreFailed{"恢复备份失败：\n%1\n备份仍在\n%2", "Restoring the backup failed:\n%1\nThe backup is still in\n%2"};

// The confirmation lists this many changes; the details show them all.
constexpr int kChangesShown = 12;

// A question with Yes and No, No the default; tests find it by its name.
bool ask(QWidget* parent, const QString& text, const QString& details, Language language)
{
    QMessageBox box(QMessageBox::Question, promptTitle(PromptTitle::Prompt, language), text,
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setObjectName("r5Question");
    box.setDetailedText(details);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

QString hex(int value, int digits) { return QString("%1").arg(value, digits, 16, QChar('0')); }

// What the radio will hold after the write: the rows the write sends over
// what the radio holds now.
RadioImage imageAfterWrite(const RadioImage& radio, const RadioImage& written)
{
    RadioImage after = radio;
    for (int row = 0; row <= protocol::kMemoryWriteLastRow; ++row)
        for (int cell = 0; cell < RadioImage::kCellsPerRow; ++cell)
            after.setCell(row, cell, written.cell(row, cell));
    return after;
}

} // namespace

void WriteWindow::addSafetyBoxes()
{
    backupBox_ = captioned(new QCheckBox(this), kBackupCaption, language());
    backupBox_->setObjectName("Check_Backup");
    backupBox_->setChecked(state().backupBeforeWrite);
    verifyBox_ = captioned(new QCheckBox(this), kVerifyCaption, language());
    verifyBox_->setObjectName("Check_Verify");
    verifyBox_->setChecked(state().verifyAfterWrite);
    connect(backupBox_, &QCheckBox::toggled, this, [this](bool on) { state().backupBeforeWrite = on; });
    connect(verifyBox_, &QCheckBox::toggled, this, [this](bool on) { state().verifyAfterWrite = on; });
    auto* row = new QHBoxLayout;
    row->addWidget(backupBox_);
    row->addWidget(verifyBox_);
    row->addStretch();
    static_cast<QVBoxLayout*>(layout())->insertLayout(1, row);
}

bool WriteWindow::busy() const { return TransferWindow::busy() || (sideExchange_ && sideExchange_->busy()); }

void WriteWindow::runSide(SideStage stage, LinkExchange* exchange, std::function<void()> done)
{
    // The previous side exchange may be the one whose outcome is being
    // handled right now: it goes once control is back in the event loop.
    if (sideExchange_)
        sideExchange_->deleteLater();
    sideExchange_ = exchange;
    sideStage_ = stage;
    exchange->setParent(this);
    follow(exchange);
    // Outcomes wait until the exchange's step has returned, as the window's own do.
    connect(exchange, &LinkExchange::finished, this, [this, done](const LinkOutcome& outcome) {
        if (outcome.completed())
            done();
        else
            onSideFailed(outcome);
    }, Qt::QueuedConnection);
}

void WriteWindow::start()
{
    if (busy())
        return;
    backup_.reset();
    backupPath_.clear();
    if (!backupBox_->isChecked()) {
        TransferWindow::start();
        return;
    }
    side_ = state();
    auto* read = new ReadExchange(side_, link_.ports, link_.serialPorts, link_.timers);
    runSide(SideStage::Backup, read, [this] { writeAfterBackup(); });
    read->start();
}

void WriteWindow::writeAfterBackup()
{
    const RadioImage radio = side_.image;
    QString folder = state().backupFolder;
    if (folder.isEmpty())
        folder = QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).filePath("backups");
    const QString path = QFileInfo(backupFilePath(folder)).absoluteFilePath();
    std::optional<FileError> error;
    if (!QDir().mkpath(folder)) {
        error = FileError{};
        error->kind = FileError::Kind::CannotSave;
        error->path = path;
        error->reason = "cannot create " + QDir::toNativeSeparators(folder);
    }
    else
        error = saveChannelFile(radio, path);
    if (error) {
        showPrompt(this, kBackupNotSaved.in(language()).arg(error->message(language())), language());
        return;
    }
    backup_ = radio;
    backupPath_ = path;

    QStringList lines;
    for (const Difference& d : imageDifferences(radio, imageAfterWrite(radio, state().image), language()))
        lines << d.place + ": " + d.name + ": " + (d.before.isEmpty() ? "-" : d.before) + " → "
                     + (d.after.isEmpty() ? "-" : d.after);
    const QString summary = lines.isEmpty()
        ? kNothingChanges.in(language())
        : kWhatWillChange.in(language()) + "\n" + lines.mid(0, kChangesShown).join('\n')
              + (lines.size() > kChangesShown ? "\n…" : "");
    if (ask(this, summary + "\n\n" + kWriteQuestion.in(language()), lines.join('\n'), language()))
        TransferWindow::start();
}

void WriteWindow::onOutcome(const LinkOutcome& outcome)
{
    if (!outcome.completed()) {
        showOutcome(outcome, reachedRadioText(outcome, language()));
        // Only a write the radio took part of has changed it.
        if (outcome.blocksDone > 0)
            offerRestore();
        return;
    }
    if (!verifyBox_->isChecked()) {
        showOutcome(outcome);
        return;
    }
    verify(outcome);
}

void WriteWindow::verify(const LinkOutcome& writeOutcome)
{
    side_ = state();
    auto* read = new ReadExchange(side_, link_.ports, link_.serialPorts, link_.timers);
    runSide(SideStage::Verify, read, [this, writeOutcome] {
        const auto mismatch = firstMismatch(state().image, side_.image, protocol::kMemoryWriteLastRow, language());
        if (!mismatch) {
            showOutcome(writeOutcome, kVerified.in(language()));
            return;
        }
        const QString field = mismatch->field.isEmpty() ? QString() : " (" + mismatch->field + ")";
        showPrompt(this, kVerifyFailed.in(language()).arg(hex(mismatch->address, 3), hex(mismatch->readBack, 2),
                                                         hex(mismatch->written, 2), field), language());
        offerRestore();
    });
    read->start();
}

void WriteWindow::onSideFailed(const LinkOutcome& outcome)
{
    const QString message = linkOutcomeText(outcome, language());
    switch (sideStage_) {
    case SideStage::Backup:
        showPrompt(this, kBackupFailed.in(language()).arg(message), language());
        return;
    case SideStage::Verify:
        showPrompt(this, kVerifyReadFailed.in(language()).arg(message), language());
        offerRestore();
        return;
    case SideStage::Restore:
        showPrompt(this, kRestoreFailed.in(language()).arg(message, QDir::toNativeSeparators(backupPath_)), language());
        return;
    }
}

void WriteWindow::closeEvent(QCloseEvent* event)
{
    if (sideExchange_)
        sideExchange_->abort();
    TransferWindow::closeEvent(event);
}

void WriteWindow::offerRestore()
{
    if (!backup_ || !ask(this, kRestoreQuestion.in(language()).arg(QDir::toNativeSeparators(backupPath_)), {}, language()))
        return;
    side_ = state();
    side_.image = *backup_;
    auto* write = new WriteExchange(side_, link_.ports, link_.serialPorts, link_.timers);
    runSide(SideStage::Restore, write, [this] {
        showPrompt(this, kRestored.in(language()), language(), PromptTitle::CompletionPrompt, PromptIcon::Information);
    });
    write->start();
}

} // namespace r5
