#include "editors/AdvancedArea.h"

#include "platform/ui/Wnd.h"

#include <QLayout>
#include <QWidget>

int ControlBottom(const CWnd& dialog, int id)
{
    CRect rect;
    dialog.GetDlgItem(id)->GetWindowRect(&rect);
    dialog.ScreenToClient(&rect);
    return rect.bottom;
}

void ShowAdvancedArea(CWnd& dialog, const std::vector<int>& area, int button, bool shown)
{
    for (int id : area)
        dialog.GetDlgItem(id)->ShowWindow(shown ? SW_SHOW : SW_HIDE);
    CRect window;
    dialog.GetWindowRect(&window);
    // The controls are laid out at their smallest, 10 pixels kept below the lowest one, before
    // the edge is measured.
    if (QLayout* layout = dialog.GetSafeHwnd()->layout())
    {
        QMargins margins = layout->contentsMargins();
        margins.setBottom(10);
        layout->setContentsMargins(margins);
        layout->invalidate();
        layout->activate();
        dialog.SetWindowPos(nullptr, 0, 0, window.Width(), layout->minimumSize().height(),
                            SWP_NOMOVE | SWP_NOZORDER);
    }
    const int bottom = ControlBottom(dialog, shown && !area.empty() ? area.back() : button) + 10;
    dialog.SetWindowPos(nullptr, 0, 0, window.Width(), bottom, SWP_NOMOVE | SWP_NOZORDER);
}
