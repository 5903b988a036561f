#pragma once

#include "files/file_picker_rules.h"
#include "ui/child_window.h"

class QComboBox;
class QFileSystemModel;
class QLineEdit;
class QListView;
class QStringListModel;
class QTreeView;

namespace r5 {

// The file-picker window every open and save command of the program uses: a
// drive list, a directory list, the files of the chosen directory that match
// the picker's pattern, and a name box. Confirm checks the name, composes the
// path and hands it to the instance's action; a refused name or a failed
// action leaves the window open with the user's text in place.
class FilePickerWindow : public ChildWindow {
    Q_OBJECT
public:
    FilePickerWindow(AppState& state, const FilePickerKind& kind, QWidget* parent = nullptr);

    const FilePickerKind& kind() const { return kind_; }
    // The directory the name is joined to.
    QString directory() const { return directory_; }
    void setDirectory(const QString& path);

    // The places the drive list offers: the root, the home folder and mounted
    // removable media.
    static QStringList drivePaths();

protected:
    // Works on the composed path; true when the window may close.
    virtual bool act(const QString& path) = 0;

private:
    void confirm();
    void showDrive(int index);
    // Copies the folder's matching names into the list.
    void listFiles();

    const FilePickerKind& kind_;
    QString directory_;
    QComboBox* drives_;
    QTreeView* directories_;
    QListView* files_;
    QLineEdit* name_;
    QFileSystemModel* directoryModel_;
    QFileSystemModel* fileModel_;
    QStringListModel* fileNames_;
};

} // namespace r5
