#pragma once

#include <QString>

// The two tip texts the crash test saves in turn.
namespace CrashStates {

inline QString Old()
{
    return QStringLiteral("旧的提示：欢迎光临嶽麓山庄");
}

inline QString New()
{
    return QStringLiteral("新的提示：会员积分奬励请咨询前台，电话8001");
}

} // namespace CrashStates
