#pragma once

#include "platform/ui/SplitterWnd.h"

#include <vector>

// The main frame's splitter: each pane holds a list of views of which one is shown; a view is
// switched in by giving it the cell's id.
class SplitterWnd : public CSplitterWnd
{
public:
    // sideBySide: one row of two columns, else two rows of one column.
    SplitterWnd(int idNumber, bool sideBySide);
    // Writes the pane sizes to the profile (SavePaneSizes).
    ~SplitterWnd() override;

    // The static splitter as a child of parent.
    BOOL CreateStaticPanes(CWnd* parent);
    // A new view of the class in the pane, shown in place of the one there; its index in the
    // pane's list, or -1 when it cannot be made.
    int AddView(int pane, CRuntimeClass* viewClass, CCreateContext* context);
    // Shows the view at the index of the pane's list; -1 shows the one after the current.
    void ShowView(int pane, int index);
    CWnd* GetView(int pane, int index) const;
    int GetCurrentIndex(int pane) const { return m_current[static_cast<std::size_t>(pane)]; }
    int GetViewCount(int pane) const;
    bool IsPaneHidden(int pane) const;
    // "Panes_<id number>" = "<hidden column> <size 0> <hidden row> <size 1>" in section
    // "SplitterWnd" of the application profile.
    void SavePaneSizes();

private:
    int CellRow(int pane) const { return m_sideBySide ? 0 : pane; }
    int CellColumn(int pane) const { return m_sideBySide ? pane : 0; }
    void Redraw();

    int m_hiddenColumn = -1;
    int m_hiddenRow = -1;
    int m_idNumber;
    bool m_sideBySide;
    std::vector<CWnd*> m_views[2];
    int m_current[2] = {0, 0};
};
