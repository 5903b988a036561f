#include "windows/file_picker_window.h"

#include "ui/captions.h"
#include "ui/child_frame.h"
#include "ui/prompt.h"

#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QStorageInfo>
#include <QStringListModel>
#include <QTreeView>
#include <QVBoxLayout>

namespace r5 {
namespace {

constexpr Text kDriveCaption{"驱动器：", "Drive:"};
constexpr Text kOpenCaption{"打开文件名：", "Open File:"};
constexpr Text kSaveCaption{"保存文件名：", "Save File:"};
constexpr Text kConfirm{"确  定", "Confirm"};
constexpr Text kCancel{"取  消", "Cancel"};

bool isRemovableMedia(const QString& mountPoint)
{
    return mountPoint.startsWith("/media/") || mountPoint.startsWith("/mnt/")
        || mountPoint.startsWith("/run/media/");
}

// The drive that holds a path: the longest drive path it lies under.
int driveOf(const QStringList& drives, const QString& path)
{
    int best = 0;
    for (int i = 0; i < drives.size(); ++i) {
        const QString prefix = drives[i].endsWith('/') ? drives[i] : drives[i] + '/';
        if ((path == drives[i] || path.startsWith(prefix)) && drives[i].size() > drives[best].size())
            best = i;
    }
    return best;
}

} // namespace

QStringList FilePickerWindow::drivePaths()
{
    QStringList paths = {QDir::rootPath()};
    if (QDir::homePath() != QDir::rootPath())
        paths << QDir::homePath();
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        if (volume.isValid() && volume.isReady() && isRemovableMedia(volume.rootPath())
            && !paths.contains(volume.rootPath()))
            paths << volume.rootPath();
    return paths;
}

FilePickerWindow::FilePickerWindow(AppState& state, const FilePickerKind& kind, QWidget* parent)
    : ChildWindow(state, parent),
      kind_(kind),
      drives_(new QComboBox(this)),
      directories_(new QTreeView(this)),
      files_(new QListView(this)),
      name_(new QLineEdit(this)),
      directoryModel_(new QFileSystemModel(this)),
      fileModel_(new QFileSystemModel(this)),
      fileNames_(new QStringListModel(this))
{
    setObjectName(kind.objectName);
    setCaption(this, kind.title, language());

    drives_->setObjectName("Drive1");
    for (const QString& path : drivePaths())
        drives_->addItem(QDir::toNativeSeparators(path), path);

    directoryModel_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    directoryModel_->setRootPath(QDir::rootPath());
    directories_->setObjectName("Dir1");
    directories_->setModel(directoryModel_);
    for (int column = 1; column < directoryModel_->columnCount(); ++column)
        directories_->hideColumn(column);
    directories_->header()->hide();

    fileModel_->setFilter(QDir::Files | QDir::CaseSensitive);  // ".Chann" would be refused
    fileModel_->setNameFilters(pickerFileFilters(kind));
    fileModel_->setNameFilterDisables(false);
    // The list shows a flat copy of the folder's matching names: a view over
    // the file system model rooted at the folder would tell assistive
    // technology only the model's top level (the root folder itself).
    files_->setObjectName("File1");
    files_->setModel(fileNames_);
    files_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (auto changed : {&QFileSystemModel::rowsInserted, &QFileSystemModel::rowsRemoved})
        connect(fileModel_, changed, this, &FilePickerWindow::listFiles);
    connect(fileModel_, &QFileSystemModel::layoutChanged, this, &FilePickerWindow::listFiles);
    connect(fileModel_, &QFileSystemModel::modelReset, this, &FilePickerWindow::listFiles);
    connect(fileModel_, &QFileSystemModel::fileRenamed, this, &FilePickerWindow::listFiles);

    name_->setObjectName("Text1");
    name_->setText(pickerPattern(kind));

    auto* driveLabel = captioned(new QLabel(this), kDriveCaption, language());
    driveLabel->setObjectName("Label_drive");
    auto* nameLabel = captioned(new QLabel(this), kind.saves ? kSaveCaption : kOpenCaption, language());
    nameLabel->setObjectName("Label_name");
    auto* enter = captioned(new QPushButton(this), kConfirm, language());
    enter->setObjectName("Command_enter");
    setDefaultButton(enter);
    auto* close = captioned(new QPushButton(this), kCancel, language());
    close->setObjectName("Command_close");

    connect(drives_, &QComboBox::activated, this, &FilePickerWindow::showDrive);
    connect(directories_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid())
                    setDirectory(directoryModel_->filePath(current));
            });
    // The tree fills in the background; keep the chosen directory in view.
    const auto keepInView = [this] {
        directories_->scrollTo(directories_->currentIndex(), QAbstractItemView::PositionAtCenter);
    };
    connect(directoryModel_, &QFileSystemModel::directoryLoaded, this, keepInView, Qt::QueuedConnection);
    connect(directoryModel_, &QFileSystemModel::layoutChanged, this, keepInView, Qt::QueuedConnection);
    connect(files_, &QListView::clicked, this,
            [this](const QModelIndex& index) { name_->setText(index.data().toString()); });
    // Enter on a file chosen with the arrow keys takes it too, before Enter
    // reaches the Confirm button.
    connect(files_, &QListView::activated, this,
            [this](const QModelIndex& index) { name_->setText(index.data().toString()); });
    connect(files_, &QListView::doubleClicked, this, [this](const QModelIndex& index) {
        name_->setText(index.data().toString());
        confirm();
    });
    connect(enter, &QPushButton::clicked, this, &FilePickerWindow::confirm);
    connect(close, &QPushButton::clicked, this, [this] { closeChildWindow(this); });

    auto* lists = new QGridLayout;
    lists->addWidget(driveLabel, 0, 0);
    lists->addWidget(drives_, 1, 0);
    lists->addWidget(directories_, 2, 0);
    lists->addWidget(files_, 0, 1, 3, 1);
    lists->setColumnStretch(0, 1);
    lists->setColumnStretch(1, 1);
    lists->setRowStretch(2, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(nameLabel);
    bottom->addWidget(name_, 1);
    bottom->addWidget(enter);
    bottom->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists, 1);
    layout->addLayout(bottom);

    setDirectory(QDir::currentPath());
}

void FilePickerWindow::setDirectory(const QString& path)
{
    const QString clean = QDir::cleanPath(QDir(path).absolutePath());
    if (clean == directory_)
        return;
    directory_ = clean;
    QStringList drives;
    for (int i = 0; i < drives_->count(); ++i)
        drives << drives_->itemData(i).toString();
    drives_->setCurrentIndex(driveOf(drives, clean));
    const QString drive = drives_->currentData().toString();
    directories_->setRootIndex(directoryModel_->index(drive));
    const QModelIndex here = directoryModel_->index(clean);
    directories_->setCurrentIndex(here);
    directories_->scrollTo(here);
    fileModel_->setRootPath(clean);
    listFiles();
}

void FilePickerWindow::listFiles()
{
    const QModelIndex folder = fileModel_->index(directory_);
    QStringList names;
    for (int row = 0; row < fileModel_->rowCount(folder); ++row)
        names << fileModel_->fileName(fileModel_->index(row, 0, folder));
    names.sort(Qt::CaseInsensitive);
    if (names != fileNames_->stringList())
        fileNames_->setStringList(names);
}

void FilePickerWindow::showDrive(int index)
{
    setDirectory(drives_->itemData(index).toString());
}

void FilePickerWindow::confirm()
{
    const PickerNameCheck check = checkPickerName(name_->text(), kind_);
    if (!check.accepted()) {
        showPrompt(this, pickerCheckMessage(check, kind_, language()), language());
        return;
    }
    state().currentFilePath = composePickerPath(directory_, check.name);
    if (act(state().currentFilePath))
        closeChildWindow(this);
}

} // namespace r5
