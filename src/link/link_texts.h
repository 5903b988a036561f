#pragma once

#include "model/text.h"

#include <QString>

// Texts every link window and r5prog-cli show, whatever the exchange.
namespace r5::linktext {

inline constexpr Text kConnecting{"正在与对讲机联络 ！", "Connecting with transceiver. "};
inline constexpr Text kPortOpenError{"通讯端口打开错误，请正确设置通讯端口 ！",
                                    "Communication port is error, please setting right communication port . ！"};
inline constexpr Text kFailConnect{"与对讲机联络失败 ！", "Fail connect with transceiver."};
inline constexpr Text kCommunicationFault{"与对讲机通讯故障 ！", "Communication fault."};
// The Cancel or Close button while an exchange runs; the window stays open.
inline constexpr Text kBusyClose{"正在进行读写操作,请勿关窗口 ！,", "Read-write operating，don't close the window. ,"};

// The port message: the given first line, then the device and the system's
// reason; when the user may not use the device, the group that owns it and
// what to do about it. `device` empty: no port has that number.
QString portOpenMessage(const Text& firstLine, int comPort, const QString& device,
                        const QString& reason, bool permissionDenied, Language language);

// "Reading 3 Data Block" style texts: `before` + number + `after`.
QString numbered(const Text& before, int number, const Text& after, Language language);

} // namespace r5::linktext
