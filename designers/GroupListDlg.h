#pragma once

#include "controls/CellListCtrl.h"
#include "designers/ReportDialogsViewHost.h"
#include "designers/logic/GroupListEditor.h"
#include "editors/ControlStatesView.h"
#include "platform/ui/Dialog.h"

// The view of a group dialog: the output columns and the group's entries, over the
// GroupListEditor that the derived dialog owns and attaches.
class GroupListDlg : public CDialog
{
public:
    BOOL OnInitDialog() override;

protected:
    // The entry list with its headings, the ids of ">" and "<", and of "Help" (whose context is
    // the template).
    struct Ids
    {
        int entries;
        std::vector<ListColumn> entryHeadings;
        int add;
        int remove;
        int help;
    };
    GroupListDlg(UINT templateId, Ids ids, ForgeonProject& project, CWnd* parent);
    void Attach(GroupListEditor& editor) { m_editor = &editor; }
    void Run(void (GroupListEditor::*command)());
    // Maps a button on a command of the derived dialog's editor.
    template <class Editor> void MapCommand(int id, Editor& editor, void (Editor::*command)())
    {
        MapControlRange(BN_CLICKED, id, id,
                        [this, &editor, command]
                        {
                            Select();
                            (editor.*command)();
                            Show();
                        });
    }

    ReportDialogsViewHost m_host;

private:
    void Select();
    void Show();
    void OnEntryDoubleClick(NMHDR* header, LRESULT* result);

    Ids m_ids;
    GroupListEditor* m_editor = nullptr;
    ControlStatesView m_view;
    CCellListCtrl m_outputs;
    CCellListCtrl m_entries;
};
