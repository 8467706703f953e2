#include "merge/ProjectMerger.h"

#include "entities/DashBoard.h"
#include "entities/DashBoardPage.h"
#include "entities/Designation.h"
#include "entities/FormInterface.h"
#include "entities/Menu.h"
#include "merge/MergeDependencyCollector.h"
#include "merge/MergeOverwriteSet.h"
#include "merge/MergeSelection.h"
#include "merge/ProjectOwnObjects.h"
#include "model/ForgeonProject.h"
#include "model/MainFrameAccess.h"
#include "model/Module.h"
#include "model/ProjectStore.h"

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

namespace
{
// The project dashboard is the first project's own: the second project's (pages, dashboards
// and the menu items that open the pages) stays behind.
void LeaveProjectDashboardBehind(ForgeonProject& second)
{
    const ProjectOwnObjects own = FindProjectOwnObjects(second);
    for (Menu* menu : own.dashBoardMenus)
        second.DeleteMenu(menu);
    for (DashBoardPage* page : own.dashBoardPages)
        second.DeleteDashBoardPage(page);
    for (DashBoard* dashBoard : own.dashBoards)
        second.DeleteDashBoard(dashBoard);
}

// The module holds something that the merge must keep, its classes and RDLC reports included.
bool HoldsEntities(const Module& module)
{
    return !module.IsEmpty() || !module.GetClasses().empty() || !module.GetRDLCReports().empty();
}
} // namespace

ProjectMerger::ProjectMerger(ForgeonProject* first, ForgeonProject* second,
                             MergeSelection& selection)
    : m_first(first), m_second(second), m_selection(selection),
      m_dependencies(std::make_unique<MergeDependencyCollector>(first, second)),
      m_newEntities(first, second, m_reportFiles)
{
    m_newEntities.SetDependencyCollector(m_dependencies.get());
    m_reportFiles.Open(m_report, "C:\\temp\\Report.txt");
}

ProjectMerger::~ProjectMerger()
{
    m_reportFiles.CloseAll();
}

bool ProjectMerger::Merge()
{
    LeaveProjectDashboardBehind(*m_second);
    const std::optional<MergeChoice> choice =
        m_selection.Choose(m_first, m_second, *m_dependencies);
    if (!choice)
        return false;
    m_overwrite = choice->overwrite;
    if (m_overwrite && m_overwriteSet == nullptr)
    {
        m_overwriteSet = std::make_unique<MergeOverwriteSet>(m_first, m_reportFiles);
        m_overwriteSet->OpenReport(choice->nameText);
    }
    m_overwriteReference = m_overwrite ? m_overwriteSet.get() : nullptr;
    m_newEntities.SetOverwriteSet(m_overwriteReference);
    m_nameText = choice->nameText;
    // The module merges into the one whose name Rename Module would take as its own, under that
    // module's spelling, with the default objects named after it.
    if (Module* source = m_dependencies->GetSelectedModule())
    {
        const Module* namesake = m_first->FindModuleNamedAlike(source->GetName());
        if (namesake != nullptr && namesake->GetName() != source->GetName())
            m_second->RenameModule(*source, namesake->GetName());
    }
    m_reportFiles.Open(m_report, "C:\\temp\\Report_" + m_nameText + ".txt");

    m_first->QualifyFieldNames(true);
    m_second->QualifyFieldNames(true);
    MainFrameAccess::SetStatusText("Mapping started");
    // The roles the merge makes are numbered after those of the project they join, whichever
    // project is open.
    Designation::SetIdCounter(m_first->GetHighestDesignationId());
    m_newEntities.Collect();
    const int count = m_newEntities.GetModulePairCount();
    if (count == 0)
    {
        MainFrameAccess::SetStatusText("Error in Merging");
        m_reportFiles.CloseAll();
        return false;
    }
    if (m_overwrite)
    {
        MarkNewXSDInfosForOverwrite();
        MarkNewRDLCInfosForOverwrite();
    }
    ResolveXSDInfos();
    ResolveRDLCInfos();

    for (int i = 0; i < count; ++i)
    {
        Module* source = m_newEntities.GetSourceModuleAt(i);
        Module* target = m_newEntities.GetTargetModule(source);
        MainFrameAccess::SetStatusText("resolving" + source->GetName());
        if (target == nullptr)
        {
            Report("%s module not found in first file!\n\n", source->GetName());
            continue;
        }
        MergeModule(source, target);
        ReportUnmergedMapForms(source);
        if (HoldsEntities(*target) && m_newEntities.OwnsCreated(target))
        {
            m_first->AddModule(target);
            IndexModule(*target);
            m_newEntities.HandOver(target);
            // As for a module created in the project.
            m_first->UpdateProjectDashboard();
            target->LinkProjectDashboardCell(*m_first->GetBaseModule());
        }
        Report("----------------------------------------------------------\n\n");
    }

    SweepForeignReferences();
    // The overwrite pass below deletes entities of the first project.
    DropIndexes();
    m_first->QualifyFieldNames(false);
    m_second->QualifyFieldNames(false);
    if (m_overwrite)
        m_overwriteSet->ApplyDeletions();
    // The modules as a read leaves them: classes without table set aside (the load's repairs
    // below bring the page files' menu maps in line with their side menus' leaves).
    for (Module* module : m_first->GetModules())
    {
        module->SetAsideUnboundClasses();
        // Variables mapped to a field of another spelling take its name.
        std::vector<FormInterface*> pages;
        module->GetAllPages(pages);
        for (FormInterface* page : pages)
            page->NameVariablesAsRead();
    }
    // Then the repairs a load runs.
    ProjectStore::FixUpLoadedProject(m_first);
    // Every report and log is written before the run tells of them.
    m_reportFiles.CloseAll();
    MainFrameAccess::SetStatusText("Merging completed.");
    return true;
}

void ProjectMerger::PhaseLog(const CString& marker)
{
    m_phaseLog.Write(0, "%s\n", marker);
}

namespace
{
// One phase of a module pair: its status text and log marker, either of them null when the
// phase shows or logs nothing.
struct ModulePhase
{
    const char* status;
    void (ProjectMerger::*resolve)(Module* source, Module* target);
    const char* marker;
};

constexpr ModulePhase modulePhases[] = {
    {"Resolving Tables", &ProjectMerger::ResolveTables, "tables"},
    {"Resolving Classes & Functions", &ProjectMerger::ResolveClasses, "class & functions"},
    {nullptr, &ProjectMerger::ResolveProcedures, nullptr},
    {"Resolving Master Forms", &ProjectMerger::ResolveMasterForms, "masters"},
    {"Resolving Transactions", &ProjectMerger::ResolveTransactions, "transactions"},
    {nullptr, &ProjectMerger::ResolveDashBoards, nullptr},
    {nullptr, &ProjectMerger::ResolveDashBoardPages, nullptr},
    {"Resolving ApplicationReports", &ProjectMerger::ResolveReports, "reports"},
    {"Resolving RDLCReports", &ProjectMerger::ResolveRDLCReports, "rdlcreports"},
};

// Run only when the user selected menus.
constexpr ModulePhase menuPhases[] = {
    {"Resolving Menus", &ProjectMerger::ResolveMenus, "menus"},
    {nullptr, &ProjectMerger::ResolveDesignations, "desig"},
};
} // namespace

void ProjectMerger::MergeModule(Module* source, Module* target)
{
    m_sourceModule = source;
    m_targetModule = target;
    m_targetInFirst =
        std::ranges::find(m_first->GetModules(), target) != m_first->GetModules().end();
    // Each phase's marker reaches the file at once, so that a run cut short shows where.
    m_reportFiles.OpenLog(m_phaseLog, "C:\\temp\\KestraneWeavo\\merging.txt");
    PhaseLog(source->GetName());
    const auto run = [this, source, target](const ModulePhase& phase)
    {
        if (phase.status != nullptr)
            MainFrameAccess::SetStatusText(phase.status);
        (this->*phase.resolve)(source, target);
        if (phase.marker != nullptr)
            PhaseLog(phase.marker);
    };
    for (const ModulePhase& phase : modulePhases)
        run(phase);
    if (!m_dependencies->GetSelectedMenus().empty())
        for (const ModulePhase& phase : menuPhases)
            run(phase);
    m_reportFiles.Close(m_phaseLog);
}

ProjectMergerRegistration::ProjectMergerRegistration(MergeSelection& selection)
    : m_previous(SetProjectMergerFactory(
          [&selection](ForgeonProject* first, ForgeonProject* second)
          { return std::make_unique<ProjectMerger>(first, second, selection); }))
{
}

ProjectMergerRegistration::~ProjectMergerRegistration()
{
    SetProjectMergerFactory(std::move(m_previous));
}
