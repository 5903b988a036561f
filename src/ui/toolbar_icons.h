#pragma once

#include <QIcon>
#include <QString>

namespace r5 {

// The toolbar's pictures, drawn in code so they stay sharp at any scale and
// need no image files: an open folder, a diskette, a channel table, an arrow
// from the radio, an arrow to the radio and a door.
QIcon toolbarIcon(const QString& key);

// The program's own icon: a hand-held radio with its antenna.
QIcon programIcon();

} // namespace r5
