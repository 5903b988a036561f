#include "link/link_outcome.h"

#include "link/link_texts.h"
#include "model/text.h"

namespace r5 {
namespace {

constexpr Text kReadComplete{"从对讲机中读取数据完毕 ！", "Complete reading the data from transceiver."};
constexpr Text kWriteComplete{"向对讲机写入数据完毕 ！", "Complete writing Data to the transceiver."};
constexpr Text kTuningReadComplete{"从对讲机中读取调整数据完毕 ！", "Complete reading the data from transceiver."};
constexpr Text kTuningWriteComplete{"调整参数写入完毕 ！", "Complete writing optional parameters to the transceiver."};
constexpr Text kPasswordChanged{"密码修改成功 ", "PassWord Modify Success ! "};
constexpr Text kTuningPortOpenError{"通讯端口打开错误，请正确设置通讯端口 ！", "Communication Port Open Error ！"};
constexpr Text kTuningLinkFault{"联机故障 ！", "Communication fault."};
constexpr Text kOldPasswordError{"原密码错误，禁止写入", "Old PassWord Error, Writeing Stop"};
constexpr Text kInterruptedRead{"已中断，没有保存任何数据", "interrupted; nothing was stored"};
constexpr Text kInterruptedUnconfirmed{"已中断，对讲机尚未确认任何数据块",
                                      "interrupted before the radio confirmed any block"};
// %1 blocks the radio confirmed, %2 blocks of a whole write.
constexpr Text kInterruptedPartial{"已在 %1 / %2 个数据块之后中断：对讲机中只有部分写入的数据",
                                  "interrupted after %1 of %2 blocks: the radio holds a partial write"};
constexpr Text kNothingSent{"没有向对讲机发送任何数据。", "Nothing was sent to the radio."};
constexpr Text kNoBlockConfirmed{"对讲机没有确认任何数据块。", "The radio confirmed none of the blocks."};
// %1 blocks the radio confirmed, %2 blocks of a whole write.
constexpr Text kPartialWrite{"对讲机只确认了 %1 / %2 个数据块：对讲机中只有部分写入的数据。",
                            "The radio confirmed %1 of %2 blocks: it holds a partial write."};
constexpr Text kPasswordUnconfirmed{"对讲机没有确认新密码：它可能仍是原密码，也可能已是新密码。",
                                   "The radio did not confirm the new password: it may hold the old one or the new one."};

bool tuning(LinkOperation operation)
{
    return operation == LinkOperation::TuningRead || operation == LinkOperation::TuningWrite;
}

bool reading(LinkOperation operation)
{
    return operation == LinkOperation::MemoryRead || operation == LinkOperation::TuningRead;
}

Text completionText(LinkOperation operation)
{
    switch (operation) {
    case LinkOperation::MemoryRead: return kReadComplete;
    case LinkOperation::MemoryWrite: return kWriteComplete;
    case LinkOperation::TuningRead: return kTuningReadComplete;
    case LinkOperation::TuningWrite: return kTuningWriteComplete;
    case LinkOperation::PasswordChange: return kPasswordChanged;
    }
    return kReadComplete;
}

} // namespace

QString linkOutcomeText(const LinkOutcome& o, Language language)
{
    using Kind = LinkOutcome::Kind;
    switch (o.kind) {
    case Kind::Completed:
        return completionText(o.operation).in(language);
    case Kind::PortCannotOpen:
        return linktext::portOpenMessage(tuning(o.operation) ? kTuningPortOpenError : linktext::kPortOpenError,
                                         o.comPort, o.device, o.reason, o.permissionDenied, language);
    case Kind::NoAnswer:
    case Kind::UnusableAnswer:
        return (tuning(o.operation) ? kTuningLinkFault : linktext::kFailConnect).in(language);
    case Kind::WrongOldPassword:
        return kOldPasswordError.in(language);
    case Kind::WriteNotConfirmed:
        // The radio did not confirm the write: the password may be unchanged.
        return linktext::kFailConnect.in(language);
    case Kind::Interrupted:
        if (reading(o.operation))
            return kInterruptedRead.in(language);
        if (o.blocksDone == 0)
            return kInterruptedUnconfirmed.in(language);
        return kInterruptedPartial.in(language).arg(o.blocksDone).arg(o.blocksTotal);
    }
    return {};
}

QString reachedRadioText(const LinkOutcome& o, Language language)
{
    using Kind = LinkOutcome::Kind;
    if (o.kind == Kind::WriteNotConfirmed)
        return kPasswordUnconfirmed.in(language);
    const bool write = o.operation == LinkOperation::MemoryWrite || o.operation == LinkOperation::TuningWrite;
    // An interruption says it in its own message.
    if (!write || o.kind == Kind::Completed || o.kind == Kind::Interrupted)
        return {};
    if (o.attempts == 0)
        return kNothingSent.in(language);
    if (o.blocksDone == 0)
        return kNoBlockConfirmed.in(language);
    return kPartialWrite.in(language).arg(o.blocksDone).arg(o.blocksTotal);
}

QString linkOutcomeReport(const LinkOutcome& outcome, Language language)
{
    const QString reached = reachedRadioText(outcome, language);
    return linkOutcomeText(outcome, language) + (reached.isEmpty() ? QString() : "\n" + reached);
}

} // namespace r5
