#include "widgets/error_guard.h"

#include "text/app_error.h"
#include "text/code_page.h"
#include "widgets/messages.h"

#include <exception>

std::string errorBoxText(const std::string &message)
{
    if (!message.empty() && static_cast<unsigned char>(message.back()) > static_cast<unsigned char>('.'))
        return message + ".";
    return message;
}

bool runGuarded(const std::function<void()> &command)
{
    std::string message;
    try {
        command();
        return true;
    } catch (const AppError &e) {
        message = e.what();
    } catch (const std::bad_alloc &) {
        message = "Out of memory";
    } catch (const std::exception &e) {
        message = e.what();
    }
    messages().error(QStringLiteral("Brindlemark"), fromCp1251(errorBoxText(message)));
    return false;
}
