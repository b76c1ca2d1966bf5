#include "platform/Handler.h"

#include "platform/Errors.h"
#include "platform/Messages.h"

#include <QString>
#include <new>

bool RunHandler(const std::function<void()> &handler)
{
    try {
        handler();
        return true;
    } catch (const SilentAbort &) {
    } catch (const BoardError &error) {
        Messages::ReportDefaultError(error.text());
    } catch (const std::bad_alloc &) {
        Messages::ReportDefaultError(QStringLiteral("Out of memory"));
    } catch (const std::exception &error) {
        Messages::ReportDefaultError(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        Messages::ReportDefaultError(QStringLiteral("Unknown error"));
    }
    return false;
}
