#pragma once

#include "model/text.h"

#include <QString>
#include <QStringList>

namespace r5 {

// One file-picker window: the channel and adjustment files each have an open
// and a save picker that differ only in these texts and the suffix they accept.
struct FilePickerKind {
    const char* objectName;  // the window's name
    Text title;
    const char* suffix;      // lower-case form; the upper-case form is accepted too
    bool saves;              // false: the picker loads a file
    Text badName;            // the name holds a character a path must not carry
    Text badSuffix;          // the name does not end in the suffix
};

extern const FilePickerKind kOpenChannelPicker;  // OpenChannelFileWindow
extern const FilePickerKind kSaveChannelPicker;  // SaveChannelFileWindow
extern const FilePickerKind kOpenAdjustPicker;   // Form_open_adj
extern const FilePickerKind kSaveAdjustPicker;   // Form_save_adj

// The wildcard the file list filters by and the name box starts with ("*.chann").
QString pickerPattern(const FilePickerKind& kind);
// The patterns the file list shows: both accepted suffix spellings.
QStringList pickerFileFilters(const FilePickerKind& kind);

// Characters a name must not hold: wildcards, path separators and the two the
// radio's own tools never allowed in a file name.
inline constexpr char kForbiddenNameCharacters[] = "*$\\/#";

struct PickerNameCheck {
    enum class Verdict { Accepted, BadName, BadSuffix };
    Verdict verdict;
    QString name;  // the name without surrounding spaces

    bool accepted() const { return verdict == Verdict::Accepted; }
};

// The Confirm checks, in order: surrounding spaces are dropped, then no
// forbidden character, then the suffix in exactly its lower- or upper-case
// form (".Chann" is refused). The untouched initial "*.chann" is refused as a
// bad name.
PickerNameCheck checkPickerName(const QString& typed, const FilePickerKind& kind);

// The message a failed check shows, or an empty string for an accepted name.
QString pickerCheckMessage(const PickerNameCheck& check, const FilePickerKind& kind, Language language);

// The file the picker works on: the chosen directory, "/", the name. A
// directory that already ends in a separator (the root) gets none added.
QString composePickerPath(const QString& directory, const QString& name);

} // namespace r5
