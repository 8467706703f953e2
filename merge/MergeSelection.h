#pragma once

#include "platform/core/CString.h"

#include <optional>
#include <vector>

class ForgeonProject;
class MergeDependencyCollector;

// What the user answered with OK in the merge entity dialog.
struct MergeChoice
{
    // Names the run's report files; the dialog gives one blank.
    CString nameText = " ";
    // The "Overwrite Base Module" check box.
    bool overwrite = false;
};

// The modal choice of what to merge: it fills the dependency collector with the module of the
// second project and the entities chosen, and answers nothing for Cancel.
class MergeSelection
{
public:
    virtual ~MergeSelection() = default;

    virtual std::optional<MergeChoice> Choose(ForgeonProject* first, ForgeonProject* second,
                                              MergeDependencyCollector& dependencies) = 0;
};

// A selection without a dialog: a module of the second project by name, the whole module or
// a list of its entities by kind and name, and the overwrite flag; or Cancel.
class ScriptedMergeSelection : public MergeSelection
{
public:
    enum class Kind
    {
        Table,
        Procedure,
        Report,
        MasterForm,
        MapForm,
        Transaction,
        Menu,
        DashBoard,
        DashBoardPage,
        Class,
        RDLCReport,
    };
    struct Entity
    {
        Kind kind;
        CString name;
    };

    // Answers Cancel.
    static ScriptedMergeSelection Cancel();
    // The whole module.
    static ScriptedMergeSelection FullModule(const CString& module, bool overwrite);
    // The listed entities of the module.
    static ScriptedMergeSelection Entities(const CString& module, std::vector<Entity> entities,
                                           bool overwrite);

    ScriptedMergeSelection& WithNameText(const CString& nameText);

    std::optional<MergeChoice> Choose(ForgeonProject* first, ForgeonProject* second,
                                      MergeDependencyCollector& dependencies) override;

    // The number of times Choose was asked.
    int GetChooseCount() const { return m_chooseCount; }

private:
    ScriptedMergeSelection() = default;

    bool m_cancel = false;
    bool m_fullModule = false;
    CString m_module;
    std::vector<Entity> m_entities;
    MergeChoice m_choice;
    int m_chooseCount = 0;
};
