#include "editors/logic/PaneEditor.h"

#include "model/TypedText.h"
#include "platform/core/MessageBox.h"

#include <algorithm>

namespace
{
// What the boxes show, line ends as the edits give them back: a multi-line edit returns "\n"
// for the "\r\n" it was given.
std::vector<ControlStates::Shown> BoxesShown(const ControlStates& states,
                                             const std::vector<int>& ids)
{
    std::vector<ControlStates::Shown> shown = states.ShownIn(ids);
    for (ControlStates::Shown& box : shown)
        box.text.Remove('\r');
    return shown;
}
} // namespace

bool PaneEditor::HasChanges() const
{
    if (!HoldsItem())
        return false;
    return BoxesShown(m_boxes, ItemBoxes()) != m_loadedBoxes ||
           (IsNewItem() && NewItemContent() != m_loadedContent);
}

bool PaneEditor::MayLeave()
{
    if (!HoldsItem())
        return true;
    if (!TakeTypedRows())
        return false;
    if (!HasChanges())
        return true;
    switch (AskAboutEditedItem(ItemKind(), ItemName(), IsNewItem()))
    {
    case IDYES:
        StoreItem();
        return !HasChanges();
    case IDNO:
        ReloadItem();
        return true;
    default:
        return false;
    }
}

void PaneEditor::NoteLoaded()
{
    m_loadedBoxes = BoxesShown(m_boxes, ItemBoxes());
    m_loadedContent = IsNewItem() ? NewItemContent() : std::vector<CString>{};
}

void PaneEditor::NoteStored(int box)
{
    const std::size_t index = LoadedIndex(box);
    if (index < m_loadedBoxes.size())
        m_loadedBoxes[index] = BoxesShown(m_boxes, {box}).front();
}

bool PaneEditor::BoxChanged(int box) const
{
    const std::size_t index = LoadedIndex(box);
    return index < m_loadedBoxes.size() &&
           m_loadedBoxes[index] != BoxesShown(m_boxes, {box}).front();
}

std::size_t PaneEditor::LoadedIndex(int box) const
{
    const std::vector<int> boxes = ItemBoxes();
    return static_cast<std::size_t>(std::ranges::find(boxes, box) - boxes.begin());
}

void PaneEditor::AddRows(std::vector<CString>& content, const std::vector<ListRow>& rows)
{
    for (const ListRow& row : rows)
    {
        CString text;
        for (const CString& cell : row.cells)
            text += cell + "\t";
        content.push_back(text);
    }
}
