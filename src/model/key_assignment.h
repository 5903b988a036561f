#pragma once

#include "model/radio_image.h"
#include "model/text.h"

#include <QStringList>

namespace r5::keys {

// The functions of the radio's two programmable side keys live in row 17:
// PF1 at 0x11D (cell 13), PF2 at 0x11E (cell 14). The other cells of the row
// belong to no editor and are never touched.
inline constexpr int kRow = 17;

enum Key { kPf1 = 0, kPf2 = 1 };
inline constexpr int kKeyCount = 2;

// Both keys share one list of twelve functions. A function's code is its list
// position, except "None" (0xFF, an erased byte) and "Autodial" (0x00). The
// radio also reads 0x01 as Autodial, but only 0x00 is ever written.
inline constexpr int kFunctionCount = 12;
inline constexpr int kNonePosition = 0;
inline constexpr int kAutodialPosition = 1;
inline constexpr quint8 kNoneCode = 0xFF;
inline constexpr quint8 kAutodialCode = 0x00;
inline constexpr quint8 kAutodialAliasCode = 0x01;

inline constexpr Text kWindowTitle{"键设定", "Key Assingment"};

int cell(Key key);
int address(Key key);
// "PF1" / "PF2" in both languages.
QString keyLabel(Key key);

// The function list as the drop-downs show it.
QStringList choices(Language language);

// The list position a stored code shows as: codes above the list (0xFF among
// them) show "None", 0x00 and 0x01 both show "Autodial".
int shownPosition(quint8 stored);
// The code a choice writes; a position outside the list writes "None".
quint8 storedCode(int position);
// What showing a key writes back: any code above 11 becomes 0xFF, 0x01 becomes 0x00.
inline quint8 normalised(quint8 stored) { return storedCode(shownPosition(stored)); }

int assignedPosition(const RadioImage& image, Key key);
void assign(RadioImage& image, Key key, int position);
QString shownText(const RadioImage& image, Key key, Language language);
// What showing both keys writes back (see normalised); other cells stay.
void normaliseKeys(RadioImage& image);

} // namespace r5::keys
