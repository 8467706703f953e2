#pragma once

#include "platform/core/CString.h"
#include "platform/core/Types.h"

#include <vector>

class ForgeonProject;
class MergeDependencyCollector;
class Module;
class Table;

// The dialogs the merge entity dialog opens; the window layer shows them modally.
class MergeEntityHost
{
public:
    virtual ~MergeEntityHost() = default;

    // The selective merge of the module's entities.
    virtual void OpenSelectiveMerge(Module* module, MergeDependencyCollector& collector) = 0;
    // The dependency review of the selection.
    virtual void OpenDependencyReview(MergeDependencyCollector& collector) = 0;
};

// The rules of the merge entity dialog: which module of the second project is merged, whole or
// in part. Every pick goes into the dependency collector; OK checks that the pages chosen find
// their tables and asks before a new module is made.
class MergeEntitySelector
{
public:
    static constexpr UINT IDD = 242;
    static constexpr int FilePath = 1591;
    static constexpr int ModuleCombo = 1586;
    static constexpr int SelectButton = 1663;
    static constexpr int RemoveButton = 1104;
    static constexpr int ModuleName = 1805;
    static constexpr int FullModuleButton = 1630;
    static constexpr int SelectiveButton = 1802;
    static constexpr int ResolveButton = 1039;
    static constexpr int HelpButton = 1739;
    static constexpr int MergingLabel = 1806;
    // Controls the template creates hidden; nothing shows them.
    static constexpr int FirstModuleCombo = 1585;
    static constexpr int FirstModulesLabel = 1589;
    static constexpr int FirstFilePath = 1590;
    static constexpr int KindCombo = 1587;
    static constexpr int EntityTree = 1588;
    static constexpr int FilterLabel = 1593;
    static constexpr int SelectAllButton = 1526;
    static constexpr int DeselectAllButton = 1594;
    static constexpr int SelectKindButton = 1599;
    static constexpr int SelectFirstButton = 1803;
    static constexpr int ExistingModuleRadio = 1595;
    static constexpr int OverwriteBox = 1631;

    MergeEntitySelector(ForgeonProject* first, ForgeonProject* second,
                        MergeDependencyCollector& collector, MergeEntityHost& host);

    // The module names of both projects and the file paths.
    void Open();
    // "Select" with the index chosen in the module combo (-1: none chosen).
    void Select(int index);
    // "Remove", after the question.
    void Remove();
    // "Full Module": the whole module into the collector's selection.
    void FullModule();
    // "Selective Merging": the selected menus emptied, then the selective merge.
    void SelectiveMerging();
    // "Resolve": the dependency review.
    void Resolve();
    // OK: true when the dialog closes.
    bool Ok();

    // The handlers of the controls the template keeps hidden.
    // "Select existing module": the flag toggles; set, the first project's first module is
    // chosen and the selected module takes its name; clear, the choice goes and the selected
    // module takes the name text.
    void ToggleExistingModule();
    // A first-project module chosen: the selected module takes its name, which becomes a root
    // item of the tree.
    void ChooseFirstModule(int index);
    // A kind chosen: the tree holds the module's name over its entities of the kind, checked
    // as the collector holds them.
    void ChooseKind(int index);
    // "Select All" / "De-Select All": the first root item and every item below it.
    void SelectAll() { SetFirstRootChecks(true); }
    void DeselectAll() { SetFirstRootChecks(false); }
    // "Select" of the kind: every checked entity joins the collector's selection with its
    // dependants.
    void SelectChecked();

    // One item of the entity tree: a root (a module name) or an entity under the last root
    // before it.
    struct TreeItem
    {
        CString name;
        // The entity's id; 0 for a root.
        int id = 0;
        bool checked = false;
        bool root = false;
    };
    const std::vector<TreeItem>& GetTree() const { return m_tree; }
    // The user's check mark, as the tree shows it.
    void SetItemCheck(int index, bool checked);
    bool IsExistingModuleSelected() const { return m_selectExistingModule; }
    // The first-project module chosen in its combo; -1 for none.
    int GetFirstModuleChoice() const { return m_firstModuleChoice; }

    const std::vector<CString>& GetModuleNames() const { return m_moduleNames; }
    const std::vector<CString>& GetFirstModuleNames() const { return m_firstModuleNames; }
    static const std::vector<CString>& GetKinds();
    const CString& GetFilePath() const { return m_filePath; }
    const CString& GetFirstFilePath() const { return m_firstFilePath; }
    const CString& GetModuleLabel() const { return m_moduleLabel; }
    // Which merging setting is chosen for the selected module; empty before one is.
    const CString& GetMergingLabel() const { return m_mergingLabel; }
    bool IsEnabled(int id) const;
    Module* GetSelectedModule() const { return m_selectedModule; }
    const CString& GetNameText() const { return m_nameText; }
    // The "Overwrite Base Module" box.
    int GetOverwrite() const { return m_overwrite; }

private:
    // The lines of the selected pages whose tables are neither selected nor in the first
    // project, each ended by "\n".
    CString MissingTableLines() const;
    // Selected or present by name in the first project; a page without a table needs none.
    bool IsTableAvailable(const Table* table) const;
    // The entity of the id and the chosen kind is in its selection list. Ids are counted per
    // kind, so the entity is looked up by the kind alone.
    bool IsIdSelected(int id) const;
    // The entity of the id, of the chosen kind, into the selection with its dependants.
    void SelectEntity(int id);
    void SetFirstRootChecks(bool checked);

    ForgeonProject* m_first;
    ForgeonProject* m_second;
    MergeDependencyCollector& m_collector;
    MergeEntityHost& m_host;
    bool m_selectExistingModule = false;
    Module* m_selectedModule = nullptr;
    CString m_nameText = " ";
    std::vector<CString> m_moduleNames;
    std::vector<CString> m_firstModuleNames;
    CString m_filePath;
    CString m_firstFilePath;
    CString m_moduleLabel = "Module not selected";
    CString m_mergingLabel;
    int m_overwrite = 0;
    int m_firstModuleChoice = -1;
    int m_kind = 0;
    std::vector<TreeItem> m_tree;
};
