#pragma once

#include "platform/core/CString.h"
#include "platform/core/Types.h"
#include "platform/ui/DialogLayout.h"

#include <initializer_list>
#include <vector>

// The kinds of control a template declares.
enum class ControlKind
{
    Static,        // a text label
    Picture,       // an image
    GroupBox,      // a framed caption
    Edit,          // one line of text
    MultiLineEdit, // several lines of text
    PushButton,    // IDOK and IDCANCEL go to the button row at the bottom
    DefPushButton, // the button that Enter presses
    CheckBox,
    RadioButton,  // radio buttons that follow one another form one group
    ComboBox,     // a drop-down list
    EditComboBox, // a drop-down list whose text can be edited
    ListBox,
    ListCtrl, // a list in report view
    TreeCtrl,
    TabCtrl,         // tabs along the top; the dialog puts the pages below them
    OwnerDrawButton, // a push button that its dialog draws (BS_OWNERDRAW)
    Custom,          // a window that the dialog subclasses and paints itself
};

struct DialogControl
{
    int id;
    ControlKind kind;
    CString caption;
    bool hidden = false;
    // Starts a new radio group even right after another radio button.
    bool group = false;
    // The size the control asks for (0: its natural size).
    int width = 0;
    int height = 0;
    // The bitmap resource a picture shows (0: none).
    UINT bitmap = 0;
};

// A list or tree of a template and what works on its highlighted row. A list that a panel
// follows (the window maps its selection with MapRowSelection or MapItemSelection) names the box
// that shows the highlighted row; a list whose row a command deletes or removes names the button,
// the Delete key in the list, or both. A list with neither, one whose highlighted row is only the
// choice a command takes or one that only shows rows, is declared with its id alone. Every list
// and tree a user sees is declared, so that a test walks them all.
struct RowList
{
    int list;
    // The box that shows the highlighted row (0: none): its text is the text of one of the row's
    // cells, or a part of it.
    int panel = 0;
    // The button that deletes or removes the highlighted row (0: none), and whether the Delete key
    // in the list does it.
    int remove = 0;
    bool deleteKey = false;
    // The column of the row that the question about removing it names.
    int nameColumn = 0;
};

// A dialog as its resource declares it: id, caption, controls (in tab order), style and layout.
// The layout places the controls (see DialogLayout); one it leaves out goes at the bottom. Without
// a layout the controls flow top to bottom: a text label followed by an input control shares its
// row, IDOK and IDCANCEL make a row at the bottom. A dialog of style WS_CHILD made with a parent
// is a page inside the parent (a tab page, a form).
struct DialogTemplate
{
    UINT resourceId;
    CString caption;
    std::vector<DialogControl> controls;
    DWORD style = 0;
    // A column of no items: no layout.
    DialogLayout layout = {};
    // Its lists and trees.
    std::vector<RowList> rowLists = {};
};

// Makes the template known under its resource id (a later one of the same id replaces it).
void RegisterDialogTemplate(const DialogTemplate& dialogTemplate);
// The template of that resource id, or null when none was registered.
const DialogTemplate* FindDialogTemplate(UINT resourceId);
// Every template registered, by resource id.
std::vector<const DialogTemplate*> RegisteredDialogTemplates();

// A namespace-scope instance registers templates during static initialisation.
struct DialogTemplateRegistration
{
    DialogTemplateRegistration(std::initializer_list<DialogTemplate> templates)
    {
        for (const DialogTemplate& dialogTemplate : templates)
        {
            RegisterDialogTemplate(dialogTemplate);
        }
    }
};
