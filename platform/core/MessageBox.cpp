#include "platform/core/MessageBox.h"

#include <iostream>
#include <utility>
#include <vector>

namespace
{
MessageBoxHandler& InstalledHandler()
{
    static MessageBoxHandler handler;
    return handler;
}

int ShowOnStandardError(const std::string& text, UINT type)
{
    std::cerr << text << std::endl;
    return DefaultMessageBoxButton(type);
}

std::vector<int> ButtonsOf(UINT type)
{
    switch (type & MB_TYPEMASK)
    {
    case MB_OKCANCEL:
        return {IDOK, IDCANCEL};
    case MB_ABORTRETRYIGNORE:
        return {IDABORT, IDRETRY, IDIGNORE};
    case MB_YESNOCANCEL:
        return {IDYES, IDNO, IDCANCEL};
    case MB_YESNO:
        return {IDYES, IDNO};
    case MB_RETRYCANCEL:
        return {IDRETRY, IDCANCEL};
    default:
        return {IDOK};
    }
}
} // namespace

int AfxMessageBox(const char* text, UINT type, UINT helpId)
{
    const std::string shown = text != nullptr ? text : "";
    const MessageBoxHandler& handler = InstalledHandler();
    return handler ? handler(shown, type, helpId) : ShowOnStandardError(shown, type);
}

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler)
{
    return std::exchange(InstalledHandler(), std::move(handler));
}

int DefaultMessageBoxButton(UINT type)
{
    const std::vector<int> buttons = ButtonsOf(type);
    const std::size_t index = (type & MB_DEFMASK) >> 8;
    return index < buttons.size() ? buttons[index] : buttons.front();
}
