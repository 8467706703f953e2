#pragma once

#include "editors/logic/ControlStates.h"

#include <cstddef>
#include <vector>

// What every editor of the right pane answers before the pane lets go of it: whether what its
// boxes show, or the new item it made, differs from what it loaded or last stored, and the one
// question about that. The view reads the boxes into the states first (ControlStatesView).
class PaneEditor
{
public:
    // The states of the editor's boxes; the derived editor's own member.
    explicit PaneEditor(ControlStates& boxes) : m_boxes(boxes) {}
    virtual ~PaneEditor() = default;
    PaneEditor(const PaneEditor&) = delete;
    PaneEditor& operator=(const PaneEditor&) = delete;

    ControlStates& BoxStates() { return m_boxes; }
    // The editor shows an item, stored or new; without one there is nothing to ask about.
    virtual bool HoldsItem() const = 0;
    // The boxes whose values only the editor's store takes: names, headers, texts, and the
    // choices its OK reads.
    virtual std::vector<int> ItemBoxes() const = 0;
    // The boxes of the panels that add a row (a field, a parameter, a size), which ask their own
    // question.
    virtual std::vector<int> RowBoxes() const { return {}; }

    // What the boxes show differs from what the editor loaded or last stored, or a new item
    // holds more than it did when it was made.
    virtual bool HasChanges() const;
    // Before the editor lets go of what it shows: the row panels ask first, then, with changes,
    // "The <kind> "<name>" has not been added. Add it?" (or "updated. Update it?"). Yes stores as
    // OK does and lets go only when the store took everything; No shows the item as stored
    // again (a new one gives way to a fresh one); Cancel stays. False when the editor stays;
    // true leaves nothing to ask about.
    bool MayLeave();

protected:
    // After a load, a clear or a store: what the boxes show and what a new item holds is what
    // was loaded.
    void NoteLoaded();
    // One box's value reached the item (a name taken when its box lost the focus): what it
    // shows now is what was loaded.
    void NoteStored(int box);
    // The box shows other than what was loaded.
    bool BoxChanged(int box) const;

    virtual bool IsNewItem() const = 0;
    // The kind in the question: "table", "search report".
    virtual const char* ItemKind() const = 0;
    // The name in the question: the stored item's name, what the name box shows of a new one.
    virtual CString ItemName() const = 0;
    // What a new item holds besides its boxes (its rows, its labels).
    virtual std::vector<CString> NewItemContent() const { return {}; }
    // The rows' cells appended to the content, one text per row.
    static void AddRows(std::vector<CString>& content, const std::vector<ListRow>& rows);
    // Stores what the editor shows as its OK does, without showing the start page.
    virtual void StoreItem() = 0;
    // Shows the stored item again from the project, or a fresh new item in place of a new one.
    virtual void ReloadItem() = 0;
    // The row panels' questions; false to stay.
    virtual bool TakeTypedRows() { return true; }

private:
    // The box's place among the item boxes; past the end for another box.
    std::size_t LoadedIndex(int box) const;

    ControlStates& m_boxes;
    std::vector<ControlStates::Shown> m_loadedBoxes;
    std::vector<CString> m_loadedContent;
};
