#pragma once

#include "platform/core/CString.h"

#include <vector>

class Field;
class FormInterface;
class Function;
class Menu;
class Module;
class Procedure;
class ProcedureAssigner;
class Table;
class Transaction;
struct FieldVariableMap;

// How an editor is built
// ----------------------
// Every editor and designer is a controller in editors/logic with a thin view in editors/.
//
// The controller holds the editor's state and everything the view shows: the texts, enabled and
// checked flags and combo items of its controls (a ControlStates keyed by control id), the rows
// of its lists (ListRow), the objects its combo entries stand for, the button captions ("Add" /
// "Update") and the title. It has one operation per command, named after the command. It is
// given the project and an EditorHost as arguments and calls no global accessor; it includes
// neither Qt nor platform/ui, so its tests need no display. Its refusals and questions are
// message boxes through AfxMessageBox with the program's literal texts (ScriptedMessageBoxes
// answers them in tests); everything else it opens goes through the EditorHost.
//
// The view is a CFormView (with WvpDialog) or a CDialog on a DialogTemplate carrying the ids,
// captions and hidden controls of its resource. It reads the controls into the controller
// before a command (with DDX/DDV where the resource validates), forwards the notification to
// the controller's operation, and copies the controller's state back into the controls. It has
// no behaviour of its own. Controls that the template carries hidden and no code shows are
// declared hidden; those the editor gives behaviour to have their operations in the controller
// all the same, and the view forwards their notifications.
//
// Name checks live in model/NameUtilities (HasSpecialCharacters, HasMenuSpecialCharacters,
// HasBlanks, StartsWithDigit, IsSqlKeyword); each editor composes them with its own messages
// and stop rules. Tool tips are a ToolTip table per editor whose texts go into the string table
// once; the view adds them to its CRichToolTipCtrl on its first initial update. The Help button
// opens ShowContextHelp on the editor's context id, as a rule its template id.

// What an editor asks of the window around it: the project tree kept current and the start
// page. The main frame gives one; without a frame nothing happens.
class EditorShell
{
public:
    virtual ~EditorShell() = default;

    // The tree item of the field under its table's item in the current module.
    virtual void UpdateFieldItemText(const Table& table, const Field& field) = 0;
    // The table's tree item takes the table's name, its key field's item the key's name.
    virtual void UpdateTableItemNames(const Table& table) = 0;
    // The page's tree item takes the page's name.
    virtual void UpdateFormItemText(const FormInterface& page) = 0;
    virtual void RefreshTree() = 0;
    virtual void ShowStartPage() = 0;
    // The procedure's item under its module's procedures.
    virtual void AddProcedureItem(Module& module, Procedure& procedure) = 0;
    // The function's item under its module's "User Defined Functions".
    virtual void AddUserFunctionItem(Module& module, Function& function) = 0;
    // The transaction's item under its module's master-detail forms.
    virtual void AddTransactionItem(Module& module, Transaction& transaction) = 0;
    // The procedure's tree item takes the procedure's name.
    virtual void UpdateProcedureItemText(const Procedure& procedure) = 0;
    // The menu's tree item takes the menu's name.
    virtual void UpdateMenuItemText(const Menu& menu) = 0;
};

// The shell's part, and the confirmations and sub-dialogs an editor's commands open. The views
// pass one that runs the real modal dialogs; controller tests pass one that records and answers.
class EditorHost : public EditorShell
{
public:
    // The Yes/No confirmation with the message (WarningDlg); true on Yes.
    virtual bool ConfirmWarning(const CString& message) = 0;
    // The variables of a page (VariableDlg) on the owner's list of mappings.
    virtual void EditVariables(std::vector<FieldVariableMap*>& maps, FormInterface* page) = 0;
    // The procedure assignment (AssignProcedureDlg) on the assigner; true on OK.
    virtual bool AssignProcedure(ProcedureAssigner& assigner) = 0;
    // The relations of the procedure (RelationDlg).
    virtual void EditRelations(Procedure& procedure) = 0;
    // The output fields of the function (ProcedureFieldInfoDlg).
    virtual void EditOutputFields(Function& function) = 0;
};
