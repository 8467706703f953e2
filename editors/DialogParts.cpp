#include "editors/DialogParts.h"

#include "platform/ui/ComboBox.h"

DialogControl Hidden(int id, ControlKind kind, const char* caption)
{
    return {id, kind, caption, /*hidden=*/true};
}

int SelectionOf(const CWnd& dialog, int id)
{
    const auto* combo = dynamic_cast<const CComboBox*>(dialog.GetDlgItem(id));
    return combo != nullptr ? combo->GetCurSel() : -1;
}
