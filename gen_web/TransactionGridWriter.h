#pragma once

#include "platform/core/CString.h"

#include <vector>

class AspxFile;
class CodeBehindFragments;
class FieldRep;
class ForgeonProject;
class Table;
class TextFile;
class Transaction;

// The grid code of a master-detail page's code-behind: GetXMLDataForGrid with one grid per
// detail table, on the Update page the stored rows of each grid (writeGridRowFor<T>,
// fillGridFor<T>, which gives a stored date in the page's form), on an upload page's Add page the
// rows of a refused save as typed (writeGridRowFor<T> for fillPostedGridFor<T>), and
// fillOptionsForGridCombo. With two or more detail tables each grid
// is a method of its own (GetXMLDataForGridOf<T>), so that its locals stand apart and each grid's
// container can be given its own grid, and its row inputs are named with its table's prefix
// (GetGridRowPrefix), so that the rows of two grids post apart.
class TransactionGridWriter
{
public:
    TransactionGridWriter(Transaction& transaction, AspxFile& pageFile, ForgeonProject& project,
                          TextFile& out, CodeBehindFragments& fragments);

    void WriteAddGridData(int indent);
    void WriteUpdateGridData(int indent);

    // The cell that a grid row draws for a detail control, by the kind it is written as: none
    // for the kinds whose value no row can carry (FileUpload, Password, Hidden, Editable Combo
    // Box), which a row neither shows nor posts.
    enum class RowCell
    {
        none,
        text,
        textArea,
        checkBox,
        combo,
        date,
        radio,
    };
    static RowCell CellOf(const FieldRep& control);
    // A posted row carries the control's value: the grid draws an input for it. The page's
    // script checks, and its code-behind reads, only what this grants.
    static bool PostsInRow(const FieldRep& control);

    // The name of the method that writes the table's grid alone: GetXMLDataForGrid with one
    // detail table, else GetXMLDataForGridOf<T>.
    static CString GridMethodName(const Transaction& transaction, const Table& table);
    // The page's controls with event lists, the master table's first, then each detail
    // table's; the skip flag is not looked at.
    static std::vector<FieldRep*> RecomputingControls(Transaction& transaction);
    // The name after "RECOMPUTEON" and "recomputeOn" for the control: its name upper-cased, or,
    // when a control before it in that order has that name, its table's name, "_" and its name,
    // upper-cased, so that every control has a method of its own.
    static CString RecomputeEvent(Transaction& transaction, const FieldRep& control);

private:
    void WriteGridData(int indent, bool update);
    // The table and its controls that the rows carry, each a column of the grid: a control whose
    // value no row can carry gets neither header nor cell.
    void BeginTable(Table& table);
    void WriteGridBlock(Table& table, int indent, bool update);
    void WriteHeaderRow(int indent, bool update);
    void WriteDefaultRow(int indent, bool update);
    // On the Update page, "if" the role may act on the record; nothing on the Add page.
    void WriteMayActTest(int indent, bool update);
    void WriteFooters(const Table& table, int indent, bool update);
    void WriteGridRowMethod(Table& table, int indent);
    void WriteFillGridMethod(Table& table, int indent);
    void WriteFillOptionsMethod(int indent);

    void WriteDefaultCell(const FieldRep& control, int indent);
    void WriteDataCell(const FieldRep& control, int indent);
    void WriteDefaultValue(const FieldRep& control, int indent);
    // On the Update page, the master control whose recompute lists name the grid control and
    // that keeps its value in a member: the call's parameters take that value. Empty otherwise,
    // and on the Add page, where the master values come with the request.
    CString MasterValueMember(const FieldRep& control) const;
    void WriteComboCell(const FieldRep& control, int indent, bool dataRow);
    void WriteDateCell(const FieldRep& control, int indent, bool dataRow);
    void WriteRadioDefaultCell(const FieldRep& control, int indent);
    void WriteRadioDataCell(const FieldRep& control, int indent);
    // The row's one-time declarations before a combo or date cell.
    void WriteRowDeclarations(const FieldRep& control, int indent);
    // "C m_T = new C(); " once per method, the call's parameter values and
    // "dataTable = m_T.Fn(args);".
    void WriteDataCall(const FieldRep& control, int indent);
    // A cell of the default row; actsOnly: shown only to a role that may act on the record.
    void WriteFixedDefaultCell(const char* type, const char* value, const CString& id, int indent,
                               bool actsOnly);

    // HandleGridRecompute(\"RECOMPUTEON<EVENT>\", <name>__ROW__, inp__ROW__); names with the
    // row prefix.
    CString RecomputeCall(const FieldRep& control) const;
    // The onblur, onclick or onchange argument: the recompute call as a string, else null. A
    // stored row's call takes the row's ids from idString and inpString.
    CString RecomputeArgument(const FieldRep& control, bool dataRow = false) const;
    // The name of a row input: the grid's row prefix and the name.
    CString RowId(const CString& name) const;
    CString HiddenFlag(const FieldRep& control) const;
    CString ReadOnlyFlag(const FieldRep& control) const;
    // Another control of the detail table refills the control.
    bool IsRecomputedInRow(const FieldRep& control) const;
    bool IsUpdatePage() const;

    Transaction& m_transaction;
    AspxFile& m_pageFile;
    ForgeonProject& m_project;
    TextFile& m_out;
    CodeBehindFragments& m_fragments;
    Table* m_table = nullptr;
    CString m_prefix;
    std::vector<FieldRep*> m_controls;
    std::vector<const Table*> m_declaredObjects;
    bool m_dataTableDeclared = false;
    bool m_dateLocalsDeclared = false;
    bool m_isCheckedDeclared = false;
};
