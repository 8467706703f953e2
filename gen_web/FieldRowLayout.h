#pragma once

#include "platform/core/CString.h"

#include <vector>

class AspFile;
class FieldRep;
class ForgeonProject;
class TextFile;

// The data-entry controls of a page as rows of its field table: per control a label cell and a
// control cell by its control kind, in one or two columns.
class FieldRowLayout
{
public:
    // Two columns.
    FieldRowLayout(AspFile& pageFile, ForgeonProject& project, TextFile& out);

    // The page's layout column count; below 1 counts as 1.
    void SetColumnCount(int count);
    // The rows of the controls, each bound to a field and with data. A control marked for a
    // separate row gets a row of its own when there are two columns.
    void WriteRows(const std::vector<FieldRep*>& controls, int indent);

    // Whether the control kind gets cells (Hidden, Button and the kinds up to Editable Text Box
    // get none).
    static bool WritesCells(int controlKind);

private:
    // The names a cell writer reads of its control.
    struct Cell
    {
        CString label;
        CString visibility;
        CString name;
        CString upperName;
    };

    void WriteEmptyPair(int indent);
    void WriteControlCells(FieldRep& control, int indent);
    Cell MakeCell(FieldRep& control) const;
    // True when the page file is the Update page of a form or a master-detail page.
    bool IsUpdatePageFile() const;
    // The label cell (empty for an invisible control) and the control cell opening, from the
    // kind's three texts.
    void WriteCellOpening(const Cell& cell, const char* emptyLabel, const char* label,
                          const char* controlOpening, int indent);
    // The link table when the control has links, then the end of the control cell.
    void WriteCellEnd(FieldRep& control, const Cell& cell, int indent);

    void WriteTextBoxCell(FieldRep& control, int indent);
    void WriteComboBoxCell(FieldRep& control, int indent);
    void WriteRadioButtonCell(FieldRep& control, int indent);
    void WriteCheckBoxCell(FieldRep& control, int indent);
    void WriteTextAreaCell(FieldRep& control, int indent);
    void WriteDateCell(FieldRep& control, int indent);
    void WritePasswordCell(FieldRep& control, int indent);
    void WriteFileUploadCell(FieldRep& control, int indent);
    void WriteEditableComboCell(FieldRep& control, int indent);
    void WriteEditableComboSearch(FieldRep& control, const Cell& cell, int indent);
    void WriteEventAttributes(FieldRep& control, const Cell& cell);
    void WriteListClickHandler(FieldRep& control, const Cell& cell);
    void WriteLinkTable(FieldRep& control, const CString& name, int indent);

    AspFile& m_pageFile;
    ForgeonProject& m_project;
    TextFile& m_out;
    int m_columnCount = 2;
};
