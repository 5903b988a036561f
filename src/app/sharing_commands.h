#pragma once

#include "model/app_state.h"
#include "model/text.h"

#include <QString>

#include <functional>

class QWidget;

namespace r5 {

class MainWindow;

// What a sharing command asks the user: a file to open or to save, with the
// dialog's title, a suggested name and its filters. The answer is the path
// (empty when the user cancels) and, for a save, the filter chosen.
struct FileQuestion {
    bool save = false;
    QString title;
    QString suggestedName;
    QString filters;
    QString* chosenFilter = nullptr;
};
using FileChooser = std::function<QString(QWidget* parent, const FileQuestion& question)>;

// Qt's file dialogs.
QString askWithFileDialog(QWidget* parent, const FileQuestion& question);

// The File menu's commands that take a programming out of the program and
// back: channel lists as CSV, the printable sheet as PDF or HTML, printing.
void registerSharingCommands(MainWindow& frame, AppState& state, FileChooser choose = askWithFileDialog);

} // namespace r5
