// The write window's backup before and verify after the write: exchanges of
// their own around the unchanged write.
#include "windows/read_write_windows.h"

#include "files/channel_file.h"
#include "link/protocol.h"
#include "link/read_exchange.h"
#include "link/write_exchange.h"
#include "model/image_diff.h"
#include "ui/prompt.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
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

// A question with Yes and No; tests find it by its name.
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

} // namespace

void WriteWindow::addSafetyBoxes()
{
    backupBox_ = new QCheckBox(kBackupCaption.in(language()), this);
    backupBox_->setObjectName("Check_Backup");
    backupBox_->setChecked(state().backupBeforeWrite);
    verifyBox_ = new QCheckBox(kVerifyCaption.in(language()), this);
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

WriteWindow::~WriteWindow() = default;

bool WriteWindow::busy() const { return TransferWindow::busy() || (sideExchange_ && sideExchange_->busy()); }

void WriteWindow::readRadio(std::function<void(const RadioImage&)> done)
{
    side_ = std::make_unique<AppState>(state());
    auto* read = new ReadExchange(*side_, link_.ports, link_.serialPorts, link_.timers);
    sideExchange_.reset(read);
    auto* progress = findChild<QProgressBar*>("ProgressBar1");
    auto* status = findChild<QLabel*>("Label_tr_count");
    connect(read, &LinkExchange::progressChanged, progress, &QProgressBar::setValue);
    connect(read, &LinkExchange::statusChanged, status, &QLabel::setText);
    // Outcomes wait until the exchange's step has returned, as the window's own do.
    connect(read, &LinkExchange::completed, this, [this, done] { done(side_->image); }, Qt::QueuedConnection);
    auto failed = [this](const QString& message) { onSideReadFailed(message); };
    connect(read, &LinkExchange::failed, this, failed, Qt::QueuedConnection);
    connect(read, &LinkExchange::portOpenFailed, this, failed, Qt::QueuedConnection);
    read->start();
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
    sideStage_ = SideStage::Backup;
    readRadio([this](const RadioImage& radio) { writeAfterBackup(radio); });
}

void WriteWindow::writeAfterBackup(const RadioImage& radio)
{
    QString folder = state().backupFolder;
    if (folder.isEmpty())
        folder = QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).filePath("backups");
    const QString path = QDir(folder).filePath(
        "r5-backup-" + QDateTime::currentDateTime().toString("yyyyMMdd-HHmmss-zzz") + kChannelFileSuffix);
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

    // What the radio will hold: the rows the write sends, over what it holds.
    RadioImage after = radio;
    for (int row = 0; row <= protocol::kMemoryWriteLastRow; ++row)
        for (int cell = 0; cell < RadioImage::kCellsPerRow; ++cell)
            after.setCell(row, cell, state().image.cell(row, cell));
    for (int row = 0; row < RadioImage::kExtraRows; ++row)
        for (int cell = RadioImage::kExtraFirstCell; cell < RadioImage::kExtraFirstCell + RadioImage::kExtraCells; ++cell)
            after.setExtra(row, cell, radio.extra(row, cell));
    QStringList lines;
    for (const Difference& d : imageDifferences(radio, after, language()))
        lines << d.place + ": " + d.name + ": " + (d.before.isEmpty() ? "-" : d.before) + " → "
                     + (d.after.isEmpty() ? "-" : d.after);
    const QString summary = lines.isEmpty() ? kNothingChanges.in(language())
                                            : kWhatWillChange.in(language()) + "\n" + lines.mid(0, 12).join('\n')
                                                  + (lines.size() > 12 ? "\n…" : "");
    if (ask(this, summary + "\n\n" + kWriteQuestion.in(language()), lines.join('\n'), language()))
        TransferWindow::start();
}

void WriteWindow::showCompletion(const QString& message)
{
    if (!verifyBox_->isChecked()) {
        TransferWindow::showCompletion(message);
        return;
    }
    sideStage_ = SideStage::Verify;
    readRadio([this, message](const RadioImage& radio) {
        const auto mismatch = firstMismatch(state().image, radio, protocol::kMemoryWriteLastRow, language());
        if (!mismatch) {
            TransferWindow::showCompletion(message + "\n" + kVerified.in(language()));
            return;
        }
        const QString field = mismatch->field.isEmpty() ? QString() : " (" + mismatch->field + ")";
        showPrompt(this, kVerifyFailed.in(language()).arg(hex(mismatch->address, 3), hex(mismatch->readBack, 2),
                                                         hex(mismatch->written, 2), field), language());
        offerRestore();
    });
}

void WriteWindow::onSideReadFailed(const QString& message)
{
    if (sideStage_ == SideStage::Backup) {
        showPrompt(this, kBackupFailed.in(language()).arg(message), language());
        return;
    }
    if (sideStage_ == SideStage::Verify) {
        showPrompt(this, kVerifyReadFailed.in(language()).arg(message), language());
        offerRestore();
        return;
    }
    showPrompt(this, message, language());  // the restore write
}

void WriteWindow::closeEvent(QCloseEvent* event)
{
    if (sideExchange_)
        sideExchange_->abort();
    TransferWindow::closeEvent(event);
}

void WriteWindow::showFailure(const QString& message)
{
    TransferWindow::showFailure(message);
    offerRestore();
}

void WriteWindow::offerRestore()
{
    if (!backup_ || !ask(this, kRestoreQuestion.in(language()).arg(QDir::toNativeSeparators(backupPath_)), {}, language()))
        return;
    sideStage_ = SideStage::Restore;
    side_ = std::make_unique<AppState>(state());
    side_->image = *backup_;
    auto* write = new WriteExchange(*side_, link_.ports, link_.serialPorts, link_.timers);
    sideExchange_.reset(write);
    connect(write, &LinkExchange::progressChanged, findChild<QProgressBar*>("ProgressBar1"), &QProgressBar::setValue);
    connect(write, &LinkExchange::statusChanged, findChild<QLabel*>("Label_tr_count"), &QLabel::setText);
    connect(write, &LinkExchange::completed, this, [this] {
        showPrompt(this, kRestored.in(language()), language(), PromptTitle::CompletionPrompt, PromptIcon::Information);
    }, Qt::QueuedConnection);
    auto failed = [this](const QString& message) { onSideReadFailed(message); };
    connect(write, &LinkExchange::failed, this, failed, Qt::QueuedConnection);
    connect(write, &LinkExchange::portOpenFailed, this, failed, Qt::QueuedConnection);
    write->start();
}

} // namespace r5
