#pragma once

#include "platform/core/CObject.h"
#include "platform/core/CString.h"
#include "platform/core/Types.h"

#include <vector>

class Menu;
class Variable;
class ReferenceList;

// A value a link passes: a variable of the page and the variable of the target page that
// receives it.
struct LinkVariableMap
{
    Variable* pageVariable = nullptr;
    Variable* targetVariable = nullptr;
};

// A hyperlink on a page or in a control's data: caption, alignment, the menu item it opens and
// the page variables it passes.
class LinkControl : public CObject
{
    DECLARE_SERIAL(LinkControl)

public:
    // Alignments.
    static constexpr int Left = 0;
    static constexpr int Center = 1;
    static constexpr int Right = 2;

    // Right-aligned, no target, empty caption, no maps.
    LinkControl() = default;
    // That target and alignment; the two words are not used.
    LinkControl(Menu* target, WORD unused1, WORD unused2, int alignment);
    // The source's alignment, target and caption; the maps are not copied. A null source gives
    // a default link.
    explicit LinkControl(const LinkControl* source);
    LinkControl(const LinkControl&) = delete;
    LinkControl& operator=(const LinkControl&) = delete;
    // Frees every variable map.
    ~LinkControl() override;

    // Alignment, target, caption, variable maps (from version 50).
    void Serialize(CArchive& ar) override;
    // Lists the variables its maps pass; each release drops the map.
    void ListReferences(ReferenceList& list);

    int GetAlignment() const { return m_alignment; }
    void SetAlignment(int alignment) { m_alignment = alignment; }
    Menu* GetTarget() const { return m_target; }
    void SetTarget(Menu* target) { m_target = target; }
    CString GetCaption() const { return m_caption; }
    void SetCaption(CString caption) { m_caption = caption; }
    // An entry may be null.
    const std::vector<LinkVariableMap*>& GetVariableMaps() const { return m_variableMaps; }
    // Appends and takes ownership; null is allowed.
    void AddVariableMap(LinkVariableMap* map) { m_variableMaps.push_back(map); }

    // The target's name; empty without target.
    CString GetMenuName() const;
    // The address of the file the target opens, as seen from a page in a subfolder; empty
    // without target or when the target opens no file.
    CString GetTargetUrl() const;
    // The same address as the classic generator names the file.
    CString GetClassicTargetUrl() const;
    // "left", "center", "Right" for 0 to 2; empty for any other alignment.
    CString GetAlignmentText() const;
    // Only when the target is that menu: clears the target and frees every variable map.
    void UnlinkMenu(const Menu* menu);
    // Erases the record from the maps and frees it; nothing when it is not there.
    void RemoveLinkVariableMap(LinkVariableMap* map);

private:
    int m_alignment = Right;
    Menu* m_target = nullptr;
    CString m_caption;
    std::vector<LinkVariableMap*> m_variableMaps;
};
