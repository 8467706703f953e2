#include "platform/ui/VirtualKeys.h"

#include "platform/ui/Messages.h"

#include <Qt>

#include <iterator>

namespace
{
struct KeyPair
{
    UINT virtualKey;
    int qtKey;
};

constexpr KeyPair kKeys[] = {
    {VK_BACK, Qt::Key_Backspace}, {VK_TAB, Qt::Key_Tab},       {VK_RETURN, Qt::Key_Return},
    {VK_RETURN, Qt::Key_Enter},   {VK_SHIFT, Qt::Key_Shift},   {VK_CONTROL, Qt::Key_Control},
    {VK_MENU, Qt::Key_Alt},       {VK_ESCAPE, Qt::Key_Escape}, {VK_SPACE, Qt::Key_Space},
    {VK_PRIOR, Qt::Key_PageUp},   {VK_NEXT, Qt::Key_PageDown}, {VK_END, Qt::Key_End},
    {VK_HOME, Qt::Key_Home},      {VK_LEFT, Qt::Key_Left},     {VK_UP, Qt::Key_Up},
    {VK_RIGHT, Qt::Key_Right},    {VK_DOWN, Qt::Key_Down},     {VK_INSERT, Qt::Key_Insert},
    {VK_DELETE, Qt::Key_Delete},
};

bool IsLetterOrDigit(int key)
{
    return (key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z');
}
} // namespace

UINT VirtualKeyOf(int qtKey)
{
    if (IsLetterOrDigit(qtKey))
        return static_cast<UINT>(qtKey);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12)
        return VK_F1 + static_cast<UINT>(qtKey - Qt::Key_F1);
    for (const KeyPair& pair : kKeys)
    {
        if (pair.qtKey == qtKey)
            return pair.virtualKey;
    }
    return 0;
}

int QtKeyOf(UINT virtualKey)
{
    if (IsLetterOrDigit(static_cast<int>(virtualKey)))
        return static_cast<int>(virtualKey);
    if (virtualKey >= VK_F1 && virtualKey <= VK_F12)
        return Qt::Key_F1 + static_cast<int>(virtualKey - VK_F1);
    for (const KeyPair& pair : kKeys)
    {
        if (pair.virtualKey == virtualKey)
            return pair.qtKey;
    }
    return 0;
}
