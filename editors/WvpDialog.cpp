#include "editors/WvpDialog.h"

#include "editors/ControlStatesView.h"
#include "editors/logic/PaneEditor.h"

#include <vector>

bool WvpDialog::MayLeave()
{
    PaneEditor* editor = GetPaneEditor();
    CWnd* window = GetBoxWindow();
    if (editor == nullptr || window == nullptr || !editor->HoldsItem())
        return true;
    std::vector<int> boxes = editor->ItemBoxes();
    const std::vector<int> rows = editor->RowBoxes();
    boxes.insert(boxes.end(), rows.begin(), rows.end());
    ControlStatesView(*window).ReadBoxes(editor->BoxStates(), boxes);
    const bool leave = editor->MayLeave();
    ShowPaneEditor();
    return leave;
}
