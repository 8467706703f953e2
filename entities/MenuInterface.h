#pragma once

#include "model/ReferenceList.h"
#include "platform/core/CArchive.h"
#include "platform/core/CObject.h"
#include "platform/core/CString.h"

#include <memory>
#include <utility>
#include <vector>

class AspFile;
class FormInterface;
class Menu;
class Variable;

// The values one leaf item of a page file's top or left menu passes: pairs of {variable of the
// file the item opens, variable of this file that supplies its value}. The variables and the
// menu are not owned.
struct MenuVariableMap
{
    using VariablePair = std::pair<Variable*, Variable*>;

    MenuVariableMap() = default;
    // The map of the leaf item, which is marked as mapped (Menu::MarkMapped).
    explicit MenuVariableMap(Menu* menu);
    MenuVariableMap(Menu* menu, const std::vector<VariablePair>& pairs);
    MenuVariableMap(const MenuVariableMap& other);
    MenuVariableMap& operator=(const MenuVariableMap& other);
    MenuVariableMap(MenuVariableMap&&) noexcept = default;
    MenuVariableMap& operator=(MenuVariableMap&&) noexcept = default;
    ~MenuVariableMap() = default;

    const std::vector<VariablePair>& GetVariablePairs() const
    {
        return m_variablePairs != nullptr ? *m_variablePairs : s_noPairs;
    }
    // Whether the map passes a variable: one look where the walks over every map need no more.
    bool HasVariablePairs() const
    {
        return m_variablePairs != nullptr && !m_variablePairs->empty();
    }
    // Every pair's variables are marked as passed by a menu (Variable::MarkPassedByMenu).
    void AddVariablePair(Variable* menuFileVariable, Variable* fileVariable);
    // Erases the pairs that pass the variable on either side / the first whose first variable
    // it is.
    void RemoveVariablePairsOf(const Variable* variable);
    void RemoveVariablePairOfMenuFileVariable(const Variable* menuFileVariable);
    void ClearVariablePairs() { m_variablePairs.reset(); }

    // Lookups of the page-file operations (defined with AspFile). Each copies the first pair
    // whose first variable is the argument / whose second variable has the argument's name
    // (case ignored) into out; false when there is none.
    bool FindByMenuFileVariable(const Variable* menuFileVariable, VariablePair& out) const;
    bool FindByFileVariableName(const Variable* fileVariable, VariablePair& out) const;

    Menu* m_menu = nullptr;

private:
    static inline const std::vector<VariablePair> s_noPairs;
    // Every page file holds a map per leaf and most pass nothing: the pairs are held apart,
    // made with the first, so that a map is two pointers.
    std::unique_ptr<std::vector<VariablePair>> m_variablePairs;
};

// What a menu item and a report column share: a name, the page file the item opens and the
// page files that show the item as their top or left menu.
class MenuInterface : public CObject
{
    DECLARE_SERIAL(MenuInterface)

public:
    MenuInterface() = default;
    // Detaches the item from its opened file and from every file of its page-file list.
    ~MenuInterface() override;
    MenuInterface(const MenuInterface&) = delete;
    MenuInterface& operator=(const MenuInterface&) = delete;

    // Name, the page-file list, the opened file.
    void Serialize(CArchive& ar) override;

    const CString& GetName() const { return m_name; }
    void SetName(const CString& name) { m_name = name; }

    // 0 for a Menu, 1 for a ReportField; a page file writes it in front of each linking item.
    int GetItemKind() const { return m_itemKind; }

    // The page file the item opens.
    AspFile* GetAspFile() const { return m_openedFile; }
    // Detaches the item from its previous opened file, then opens the new one and, when that
    // file does not list the item yet, appends the item to its linking items. Null only clears;
    // the file the item opens already changes nothing.
    void SetAspFile(AspFile* file);

    // The page files that show this item as their top or left menu; kept from the file side.
    const std::vector<AspFile*>& GetPageFiles() const { return m_pageFiles; }
    void AddPageFile(AspFile* file) { m_pageFiles.push_back(file); }
    bool HasAspFile(const AspFile* file) const;
    // Clears the opened file when it is that file and erases the file from the page-file
    // list; nothing is freed.
    void RemoveAspFile(const AspFile* file);
    // The item and the file forget each other on both sides: the file drops the item as its
    // side menu, link and menu-map leaf; the item drops the file it opens or lists.
    void UnlinkAspFile(AspFile* file);
    // After a load: page files that do not show the item are dropped from its list, and the
    // opened file lists the item among its linking items.
    void KeepLinksTwoSided();
    // Lists the file it opens and the files of its page-file list; each release unlinks the
    // item from that file (UnlinkAspFile).
    virtual void ListReferences(ReferenceList& list);

protected:
    // Derived classes give their item kind.
    explicit MenuInterface(int itemKind) : m_itemKind(itemKind) {}

private:
    CString m_name;
    std::vector<AspFile*> m_pageFiles;
    AspFile* m_openedFile = nullptr;
    int m_itemKind = 0;
};
