#include "designers/DialogChoices.h"

#include "platform/ui/ComboBox.h"

void ReadChoices(CWnd& window, const ControlStatesView& view, ControlStates& states,
                 std::initializer_list<int> edits, std::initializer_list<int> combos)
{
    view.ReadTexts(states, edits);
    for (const int id : combos)
    {
        const auto* combo = dynamic_cast<CComboBox*>(window.GetDlgItem(id));
        states.Select(id, combo != nullptr ? combo->GetCurSel() : -1);
    }
}
