#pragma once

#include "editors/logic/ControlStates.h"
#include "editors/logic/MenuTree.h"

#include <functional>
#include <vector>

class FieldRep;
class FieldRepData;
class ForgeonProject;
class FormInterface;
class LinkControl;
class Menu;
class Variable;
struct LinkVariableMap;

// "Select menu for link": the leaf menu with a page file that a link opens.
class MenuPicker
{
public:
    static constexpr UINT IDD = 294;
    static constexpr int IDC_ASSIGN = 1019;
    static constexpr int IDC_MENU_NAME = 1096;
    static constexpr int IDC_TREE = 1097;
    static constexpr int IDC_REMOVE = 1104;
    static constexpr int IDC_HELP_BUTTON = 1663;
    static constexpr int IDC_FILE_NAME = 1749;

    MenuPicker(const ForgeonProject& project, Menu* chosen);

    static const std::vector<ToolTip>& ToolTips();

    ControlStates& States() { return m_states; }
    MenuTreeModel& Tree() { return m_tree; }
    // The choice handed back however the dialog closes; null for none.
    Menu* GetChosen() const { return m_chosen; }

    void Open();
    // The tree item selected; its data is remembered.
    void SelectItem(int item);
    void Assign();
    void Remove();

private:
    void ShowChoice(const Menu* menu);

    const ForgeonProject& m_project;
    Menu* m_chosen;
    int m_selectedId = 0;
    MenuTreeModel m_tree;
    ControlStates m_states;
};

// Opens the menu picker on the current target and hands back its choice.
using ChooseLinkMenu = std::function<Menu*(Menu* current)>;

// What the page and the field link dialogs share: the chosen menu, the caption, alignment and
// "Add"/"Update" editor, and the parameter area that maps the target page's variables to the
// page's variables.
class LinkEditor
{
public:
    static constexpr int IDC_DELETE = 1023;
    static constexpr int IDC_CLEAR = 1028;
    static constexpr int IDC_SELECT_MENU = 1039;
    static constexpr int IDC_UNASSIGN = 1104;
    static constexpr int IDC_CAPTION = 1387;
    static constexpr int IDC_LINKS = 1389;
    static constexpr int IDC_ALIGN = 1392;
    static constexpr int IDC_ADD = 1397;
    static constexpr int IDC_ASSIGN = 1492;
    static constexpr int IDC_UP = 1526;
    static constexpr int IDC_MENU_VARIABLES = 1537;
    static constexpr int IDC_FORM_VARIABLES = 1538;
    static constexpr int IDC_DOWN = 1663;
    static constexpr int IDC_HELP_BUTTON = 1737;
    static constexpr int IDC_ADVANCED = 1746;
    static constexpr int IDC_MENU_NAME = 1748;

    virtual ~LinkEditor() = default;
    LinkEditor(const LinkEditor&) = delete;
    LinkEditor& operator=(const LinkEditor&) = delete;

    static const std::vector<ListColumn>& MenuVariableColumns();
    static const std::vector<ListColumn>& FormVariableColumns();

    ControlStates& States() { return m_states; }
    const CString& GetTitle() const { return m_title; }
    const std::vector<ListRow>& GetLinkRows() const { return m_linkRows; }
    const std::vector<ListRow>& GetMenuVariableRows() const { return m_menuVariableRows; }
    const std::vector<ListRow>& GetFormVariableRows() const { return m_formVariableRows; }
    int GetSelectedLink() const { return m_selectedLink; }
    int GetSelectedMenuVariable() const { return m_selectedMenuVariable; }
    int GetSelectedFormVariable() const { return m_selectedFormVariable; }
    LinkControl* GetEditedLink() const { return m_editedLink; }
    Menu* GetChosenMenu() const { return m_chosenMenu; }
    bool IsAdvancedShown() const { return m_advancedShown; }

    void Open();
    // A row of the link list; -1 for a click outside the rows.
    virtual void ClickLink(int row) = 0;
    void SelectMenu();
    void AddOrUpdate();
    virtual void Delete() = 0;
    void Clear();
    void Up();
    void Down();
    void SelectMenuVariable(int row) { m_selectedMenuVariable = row; }
    void SelectFormVariable(int row) { m_selectedFormVariable = row; }
    // "<": maps the selected target variable to the selected page variable.
    void AssignVariable();
    // ">": takes the selected target variable's pair away after asking.
    void RemoveVariable();
    void ToggleAdvanced();
    // OK and Escape: a display name typed and not added (or, for the link shown, not updated)
    // is added on Yes, dropped on No; Cancel, or a link that cannot be added, keeps the dialog
    // open. True when it may close.
    bool Close();

protected:
    LinkEditor(FormInterface& page, ChooseLinkMenu choose);

    // The links in list order.
    virtual std::vector<LinkControl*> Links() const = 0;
    virtual std::vector<CString> LinkCells(const LinkControl& link) const = 0;
    virtual void OpenExtra() = 0;
    virtual LinkControl* FindLink(Menu* menu, int alignment) const = 0;
    virtual LinkControl* AppendLink() = 0;
    virtual const char* DuplicateMessage() const = 0;
    // After the alignment and caption went in, before the target is set.
    virtual void PlaceEditedLink() {}
    // What of the page has the id the generated code makes of the caption, when the link's id is
    // made of it ("the link \"x\""); empty when nothing has.
    virtual CString IdOfCaptionTakenBy(const CString& caption) const;
    // The link at the row moves within its list; the selected row after.
    virtual int MoveUp(int row) = 0;
    virtual int MoveDown(int row) = 0;

    // The row's link becomes the edited one; false for a row outside the list.
    bool LoadLink(int row, bool showMenuName);
    void FillLinks();
    void FillMenuVariables();
    static CString FileNameOf(const LinkControl& link);

    FormInterface& m_page;
    ControlStates m_states;
    CString m_title;
    LinkControl* m_editedLink = nullptr;
    Menu* m_chosenMenu = nullptr;

private:
    bool IsUpdateMode() const;
    int SelectedAlignment() const;
    void SetButtons(bool editing);
    void FillFormVariables();
    // The pair of the edited link for the selected target variable, or null.
    LinkVariableMap* FindSelectedPair() const;

    ChooseLinkMenu m_choose;
    std::vector<ListRow> m_linkRows;
    std::vector<ListRow> m_menuVariableRows;
    std::vector<ListRow> m_formVariableRows;
    std::vector<Variable*> m_menuVariables;
    std::vector<Variable*> m_formVariables;
    int m_selectedLink = -1;
    int m_selectedMenuVariable = -1;
    int m_selectedFormVariable = -1;
    bool m_advancedShown = false;
};

// "Linkcontrols for form": the pre-links and post-links of a page and its two column counts.
class PageLinkEditor : public LinkEditor
{
public:
    static constexpr UINT IDD = 197;
    static constexpr int IDC_PRE_LINK = 1390;
    static constexpr int IDC_POST_LINK = 1391;
    static constexpr int IDC_PRE_COLUMNS = 1398;
    static constexpr int IDC_POST_COLUMNS = 1399;

    PageLinkEditor(FormInterface& page, ChooseLinkMenu choose);

    static const std::vector<ListColumn>& LinkColumns();
    static const std::vector<ToolTip>& ToolTips();

    bool IsPreLink() const { return m_preLink; }
    void SetPlacement(bool preLink);
    void ClickLink(int row) override;
    // Takes the row's link out of its list and frees it with its pairs.
    void Delete() override;
    // The counts read and checked by the view (1 to 4) go into the page.
    void Ok(int preColumns, int postColumns);
    // Escape and the close box: when a count box holds another count than the page's, "The
    // link layout of page "<page>" has not been updated. Update it?", answered Yes, No or
    // Cancel; IDNO without asking otherwise.
    int AskAboutChanges() const;

private:
    std::vector<LinkControl*> Links() const override;
    std::vector<CString> LinkCells(const LinkControl& link) const override;
    void OpenExtra() override;
    LinkControl* FindLink(Menu* menu, int alignment) const override;
    LinkControl* AppendLink() override;
    const char* DuplicateMessage() const override { return "Such link control already present."; }
    void PlaceEditedLink() override;
    CString IdOfCaptionTakenBy(const CString& caption) const override;
    int MoveUp(int row) override;
    int MoveDown(int row) override;
    int PreLinkCount() const;

    bool m_preLink = true;
};

// "Linkcontrols for field": the links of one control of a page.
class FieldLinkEditor : public LinkEditor
{
public:
    static constexpr UINT IDD = 295;

    FieldLinkEditor(FieldRep& control, FormInterface& page, ChooseLinkMenu choose);

    static const std::vector<ListColumn>& LinkColumns();
    static const std::vector<ToolTip>& ToolTips();

    void ClickLink(int row) override { LoadLink(row, /*showMenuName=*/true); }
    // The same without showing the target's name.
    void DoubleClickLink(int row) { LoadLink(row, /*showMenuName=*/false); }
    void Delete() override;

private:
    std::vector<LinkControl*> Links() const override;
    std::vector<CString> LinkCells(const LinkControl& link) const override;
    void OpenExtra() override;
    LinkControl* FindLink(Menu* menu, int alignment) const override;
    LinkControl* AppendLink() override;
    const char* DuplicateMessage() const override { return "Such Link control already present."; }
    int MoveUp(int row) override;
    int MoveDown(int row) override;

    FieldRep& m_control;
    FieldRepData& m_data;
};
