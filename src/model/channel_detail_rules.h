#pragma once

#include "model/app_state.h"
#include "model/text.h"

#include <QStringList>

#include <optional>

namespace r5::detail {

// The channel detail editor: one channel at a time, with a control for every
// field of the record, including those the grid does not show. Like the grid
// it is a view over the image: every choice is written at once. Channel
// numbers outside 1 to 16 are refused: nothing is read or written.

inline constexpr Text kWindowTitle{"信道编辑", "Channel Edit"};

// The channel-number box takes the ASCII digits 0 to 9 and nothing else.
bool isChannelBoxCharacter(QChar typed);
// The detail editor's English message has always had a capital T.
inline constexpr Text kTransmitRangeMessage{"发射频率超出范围 ！", "Over the range of Transmit frequency ."};

// Captions of the fields only this editor shows.
inline constexpr Text kOptionSignallingCaption{"可选信令", "Option Signalling"};
inline constexpr Text kSpUnmuteCaption{"SP不静音", "SP Unmute"};
inline constexpr Text kBusyLockoutCaption{"繁忙信道锁定", "Busy Channel Lockout"};
inline constexpr Text kMemoryCaption{"自动拨号存储器", "Autodial Memory"};
inline constexpr Text kBeatShiftCaption{"拍频偏移", "Beat Shift"};
inline constexpr Text kCompanderCaption{"压括器", "Compander"};

// The record fields the editor's lists and check boxes write.
enum class Field {
    Decode,            // list position = tone table index
    Encode,            // list position = tone table index
    OptionSignalling,  // 0 none, 1 DTMF, 2 FleetSync
    SpUnmute,          // position in the list shown at the time
    BusyLockout,       // position in the list shown at the time
    Power,             // position 0 high, 1 low
    Bandwidth,         // position 0 narrow, 1 wide
    PttId,             // 0 off, 1 on
    Memory,            // autodial memory 1 to 8 at positions 0 to 7
    Compander,         // check box: 1 ticked
    BeatShift,         // check box
    ScanAdd,           // check box
};

// Writes a choice (a list position, or 1/0 for a check box) into channel n.
void applyDetailChoice(RadioImage& image, int channelNumber, Field field, int position);
// Whether a choice in this list changes which SP unmute and busy-channel-lockout
// entries the channel offers, so the channel must be shown again.
bool reshowsChannel(Field field);

// The fixed lists, in the window's language.
QStringList toneChoices(Language language);  // position = tone table index
QStringList optionSignallingChoices(Language language);
QStringList powerChoices(Language language);
QStringList bandwidthChoices(Language language);
QStringList pttIdChoices(Language language);
QStringList memoryChoices();
// The SP unmute and busy-channel-lockout lists before a channel is shown.
QStringList initialSpUnmuteChoices(Language language);
QStringList initialBusyLockoutChoices(Language language);

// What squelch opening and busy-channel lockout can wait for depends on the
// channel: option signalling (s, cell 12 bits 1-2) and whether it decodes a
// tone the table knows (`decodeSet`).
QStringList spUnmuteChoices(int optionSignalling, bool decodeSet, Language language);
QStringList busyLockoutChoices(int optionSignalling, bool decodeSet, Language language);

// The entry a stored value shows as. A value the list has no entry for (option
// signalling 3, a lockout beyond the list of the case, a tone the table does
// not know) shows no entry; `raw` then says what is stored, and the value is
// left as it is.
struct Selection {
    int position = -1;
    QString raw;
    bool operator==(const Selection&) const = default;
};

struct DetailView {
    QString receiveText;
    bool hasTransmit = false;
    QString transmitText;
    Selection decode;
    bool decodeSet = false;      // the decode tone is an entry of the tone table
    Selection encode;            // position 0 when there is no transmit frequency
    Selection optionSignalling;
    QStringList spUnmuteChoices;
    Selection spUnmute;
    QStringList busyLockoutChoices;
    Selection busyLockout;
    int powerPosition = 0;
    int bandwidthPosition = 0;
    int pttIdPosition = 0;
    int memoryPosition = 0;
    bool beatShift = false;
    bool compander = false;
    bool scanAdd = false;
};

// Shows channel n: what each control holds. Showing writes back what the
// controls select, as a user's choice would: no decode tone becomes the
// no-tone pair, a channel without transmit frequency gets no encode tone, and
// without option signalling SP unmute is 0. Values without an entry are not
// touched. Nothing is shown (and nothing written) for an empty channel.
std::optional<DetailView> viewChannel(RadioImage& image, int channelNumber, Language language);

// Shows channel n as empty: the whole record erased. Its scan-add box is
// cleared as if the user unticked it: a box that was ticked takes the channel
// out of the scan list, an unticked one leaves the scan bit as it is (the grid
// clears it when it draws the empty line).
void viewEmptyChannel(RadioImage& image, int channelNumber, bool scanAddWasTicked);

// Leaving the receive box.
struct ReceiveCommit {
    enum class Result {
        Emptied,   // blank box: the channel is empty now
        Stored,    // an existing channel got its new receive frequency
        Created,   // an empty channel became a new channel
        Refused,   // not a channel number 1 to 16
    };
    Result result = Result::Refused;
    std::optional<Text> message;
    QString boxText;  // what the box holds afterwards: as typed, or bandLow's text
};
// Unlike the grid, the transmit frequency stays as it is; a new channel gets no
// transmit frequency and the detail editor's new-channel flags (scrambler
// nibble 0x0F).
ReceiveCommit commitReceiveBox(AppState& state, int channelNumber, const QString& boxText);

// Leaving the transmit box. A blank box removes the transmit frequency and the
// encode tone; an entry outside the band is replaced by bandLow and reported.
// Nothing is written for an empty channel (it has no receive frequency).
struct TransmitCommit {
    bool hasTransmit = false;  // afterwards
    std::optional<Text> message;
    QString boxText;
};
TransmitCommit commitTransmitBox(AppState& state, int channelNumber, const QString& boxText);

} // namespace r5::detail
