#include "model/ProjectStore.h"

#include "entities/AspFile.h"
#include "entities/Designation.h"
#include "entities/LoginPage.h"
#include "entities/Menu.h"
#include "entities/Procedure.h"
#include "entities/ReportGroup.h"
#include "model/ArchiveIO.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/ProjectDiagnostics.h"
#include "model/ProjectMerger.h"
#include "platform/core/CException.h"
#include "platform/core/CFile.h"
#include "platform/core/HostPath.h"
#include "platform/core/MessageBox.h"

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <memory>
#include <string>
#include <utility>

namespace
{
constexpr int archiveBufferSize = 1 << 16;
// A project file holds some 50 bytes an object; the room a load reserves for more than it
// needs costs address space only.
constexpr std::uint64_t fileBytesPerObject = 32;
// A save is written under this suffix beside its target and renamed over it when complete.
constexpr const char* temporarySuffix = ".weavo-save";

template <void (Module::*pass)()> void RunPass(Module& module, ForgeonProject&)
{
    (module.*pass)();
}

template <void (Module::*pass)(ForgeonProject&)>
void RunProjectPass(Module& module, ForgeonProject& project)
{
    (module.*pass)(project);
}

void RunDefaultClassFunctionsForAllClasses(Module& module, ForgeonProject&)
{
    module.AddDefaultClassFunctionsUpTo(nullptr);
}

void AttachLoginPage(Module& module, ForgeonProject&)
{
    if (LoginPage* page = module.GetLoginPage())
        page->SetModule(&module);
}

constexpr ProjectStore::ModuleStep postLoadPasses[] = {
    {"MarkKeyFieldVariables", &RunPass<&Module::MarkKeyFieldVariables>},
    {"DetachKeyFieldReps", &RunPass<&Module::DetachKeyFieldReps>},
    {"CleanUpPageFiles", &RunPass<&Module::CleanUpPageFiles>},
    {"LinkDetailTableProcedures", &RunPass<&Module::LinkDetailTableProcedures>},
    {"FillEmptyCaptions", &RunPass<&Module::FillEmptyCaptions>},
    {"RemoveInvalidFieldReps", &RunPass<&Module::RemoveInvalidFieldReps>},
    {"AddFormKeyVariables", &RunPass<&Module::AddFormKeyVariables>},
    {"AddMissingAliasColumns", &RunPass<&Module::AddMissingAliasColumns>},
    {"RenamePageVariablesForAllTables", &RunPass<&Module::RenamePageVariablesForAllTables>},
    {"VisitPageEventFields", &RunPass<&Module::VisitPageEventFields>},
    {"CreateMapFormInputFields", &RunPass<&Module::CreateMapFormInputFields>},
    {"SyncPageTableFlags", &RunPass<&Module::SyncPageTableFlags>},
    {"SyncPageControlsWithTables", &RunPass<&Module::SyncPageControlsWithTables>},
    {"ClearMapFormSyncFlags", &RunPass<&Module::ClearMapFormSyncFlags>},
    {"CleanPageClassRecomputes", &RunPass<&Module::CleanPageClassRecomputes>},
    {"EnsureLoginTableClasses", &RunProjectPass<&Module::EnsureLoginTableClasses>},
    {"AddDefaultClassFunctionsUpTo", &RunDefaultClassFunctionsForAllClasses},
    {"AddTableFieldsToAllClassFunctions", &RunPass<&Module::AddTableFieldsToAllClassFunctions>},
    {"RenameClassesAfterTables", &RunPass<&Module::RenameClassesAfterTables>},
    {"DeleteUnconfirmedFieldReps", &RunPass<&Module::DeleteUnconfirmedFieldReps>},
    {"SetLoginTableFrontFields", &RunProjectPass<&Module::SetLoginTableFrontFields>},
};

constexpr ProjectStore::ModuleStep baseModuleSteps[] = {
    {"CreateLoginPage", &RunPass<&Module::CreateLoginPage>},
    {"AttachLoginPage", &AttachLoginPage},
    {"EnsureDefaultDesignation", &RunPass<&Module::EnsureDefaultDesignation>},
};

// What a load changes outside the project it reads: the archive version, the role counter and
// the diagnostics lists. Put back when the load fails.
class LoadRollback
{
public:
    LoadRollback()
        : m_archiveVersion(TheVersionHistory().GetArchiveVersion()),
          m_roleCounter(Designation::GetIdCounter()),
          m_diagnostics(TheProjectDiagnostics().GetTextLists())
    {
    }

    void Restore() const
    {
        TheVersionHistory().SetArchiveVersion(m_archiveVersion);
        Designation::SetIdCounter(m_roleCounter);
        TheProjectDiagnostics().SetTextLists(m_diagnostics);
    }

private:
    int m_archiveVersion;
    int m_roleCounter;
    ProjectDiagnostics::TextLists m_diagnostics;
};

void ReportArchiveError(const char* reason)
{
    CString text = "Error in archiving";
    if (reason != nullptr && *reason != '\0')
        text += CString("\n") + reason;
    AfxMessageBox(text, MB_OK);
}

// Runs the work; a failure is reported and gives FALSE.
template <class Work> BOOL Guarded(Work work)
{
    try
    {
        work();
        return TRUE;
    }
    catch (const std::exception& error)
    {
        ReportArchiveError(error.what());
    }
    catch (...)
    {
        ReportArchiveError(nullptr);
    }
    return FALSE;
}

// Makes the objects of a load safe to free in any order: links between menus, page files and
// roles that the file holds on one side only become two-sided, so that each object detaches
// itself from the others when it goes; report groups refer to the report that holds them.
// The objects given let go of the variables and entries they do not own.
void SettleLoadedObjects(const CArchive& ar, const std::vector<CObject*>& lettingGo)
{
    // By the classes the archive recorded, so that only the objects concerned are touched.
    ar.VisitLoadedObjects(
        [&ar](CObject* object, const CRuntimeClass* kind)
        {
            if (kind->IsDerivedFrom(RUNTIME_CLASS(AspFile)))
                static_cast<AspFile*>(object)->KeepLinksTwoSided();
            else if (kind->IsDerivedFrom(RUNTIME_CLASS(MenuInterface)))
            {
                static_cast<MenuInterface*>(object)->KeepLinksTwoSided();
                if (kind->IsDerivedFrom(RUNTIME_CLASS(Menu)))
                    static_cast<Menu*>(object)->KeepMenuLinksTwoSided();
            }
            else if (kind->IsDerivedFrom(RUNTIME_CLASS(Designation)))
                static_cast<Designation*>(object)->KeepLinksTwoSided();
            else if (kind->IsDerivedFrom(RUNTIME_CLASS(ReportGroup)) && ar.IsUnclaimed(object))
                static_cast<ReportGroup*>(object)->SetReport(nullptr);
        });
    for (CObject* object : lettingGo)
    {
        if (auto* page = dynamic_cast<FormInterface*>(object))
            page->LetGoOfUnownedObjects(ar);
        else if (auto* procedure = dynamic_cast<Procedure*>(object))
            procedure->LetGoOfUnownedObjects(ar);
    }
}

// Reads one project. It takes the objects of the file that no entity owns; after a failure
// every object the load created is freed once.
std::unique_ptr<ForgeonProject> ReadProject(CArchive& ar)
{
    try
    {
        auto* project = ReadRef<ForgeonProject>(ar);
        if (project == nullptr)
            throw CArchiveException(CArchiveException::badClass);
        ar.ClaimObject(project);
        const std::vector<CObject*> unowned = ar.GetUnclaimedObjects();
        SettleLoadedObjects(ar, unowned);
        project->AdoptUnownedObjects(unowned);
        return std::unique_ptr<ForgeonProject>(project);
    }
    catch (...)
    {
        SettleLoadedObjects(ar, ar.GetLoadedObjects());
        ar.DeleteLoadedObjects();
        throw;
    }
}

bool IsEmptyPath(const char* path)
{
    return path == nullptr || *path == '\0';
}
} // namespace

ProjectStore::~ProjectStore()
{
    DeleteProject();
    DeleteMergeProjects();
}

void ProjectStore::DeleteProject()
{
    delete m_project;
    m_project = nullptr;
    m_firstMergeInput = false;
}

void ProjectStore::DeleteMergeProjects()
{
    delete m_firstMergeProject;
    m_firstMergeProject = nullptr;
    delete m_secondMergeProject;
    m_secondMergeProject = nullptr;
}

ForgeonProject* ProjectStore::GetProject()
{
    if (m_project == nullptr)
        m_project = new ForgeonProject;
    return m_project;
}

BOOL ProjectStore::ArchiveProject(ForgeonProject* project, const char* path, BOOL load)
{
    if (IsEmptyPath(path))
        return FALSE;
    return load ? LoadInto(path) : Save(project, path);
}

BOOL ProjectStore::Save(ForgeonProject* project, const char* path)
{
    const std::string target = ToHostPath(path);
    const std::string temporary = target + temporarySuffix;
    const BOOL saved = Guarded(
        [&]
        {
            CFile file(temporary.c_str(),
                       CFile::modeCreate | CFile::modeReadWrite | CFile::shareExclusive);
            CArchive ar(&file, CArchive::store | CArchive::bNoFlushOnDelete, archiveBufferSize);
            ar.ReserveObjects(m_objectCount);
            SerializeProject(project, ar);
            m_objectCount = ar.GetObjectCount();
            ar.Close();
            file.Flush();
            file.Close();
            if (std::rename(temporary.c_str(), target.c_str()) != 0)
                throw CFileException(CFileException::CauseFromErrno(errno), errno, path);
        });
    if (!saved)
        std::remove(temporary.c_str());
    return saved;
}

BOOL ProjectStore::LoadInto(const char* path)
{
    return Guarded(
        [&]
        {
            CFile file(path, CFile::modeRead | CFile::shareDenyWrite);
            CArchive ar(&file, CArchive::load | CArchive::bNoFlushOnDelete, archiveBufferSize);
            ar.ReserveObjects(static_cast<std::size_t>(file.GetLength() / fileBytesPerObject));
            SerializeProject(nullptr, ar);
            m_objectCount = ar.GetObjectCount();
            ar.Close();
            file.Close();
        });
}

void ProjectStore::SerializeProject(ForgeonProject* project, CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar.WriteObject(project);
        return;
    }
    const LoadRollback rollback;
    try
    {
        if (!m_mergeRead)
            Designation::SetIdCounter(ForgeonProject::GetDesignationIdFloor(m_project));
        std::unique_ptr<ForgeonProject> read = ReadProject(ar);
        if (m_mergeRead)
            PlaceMergeInput(std::move(read));
        else
            PlaceOpenProject(std::move(read));
    }
    catch (...)
    {
        rollback.Restore();
        throw;
    }
}

// The project read is the open project while it is repaired, so that the repairs find it
// where the rest of the program looks; the previous one comes back when they fail.
void ProjectStore::PlaceOpenProject(std::unique_ptr<ForgeonProject> read)
{
    ForgeonProject* previous = std::exchange(m_project, read.get());
    try
    {
        FixUpLoadedProject(m_project);
    }
    catch (...)
    {
        m_project = previous;
        throw;
    }
    read.release();
    delete previous;
}

void ProjectStore::PlaceMergeInput(std::unique_ptr<ForgeonProject> read)
{
    FixUpLoadedProject(read.get());
    if (m_firstMergeInput)
    {
        DeleteMergeProjects();
        m_firstMergeProject = read.release();
    }
    else
    {
        delete m_secondMergeProject;
        m_secondMergeProject = read.release();
    }
}

void ProjectStore::FixUpLoadedProject(ForgeonProject* project)
{
    project->NumberModulesSharingOneNumber();
    for (Module* module : project->GetModules())
    {
        for (const ModuleStep& pass : PostLoadPasses())
            pass.run(*module, *project);
    }
    if (Module* base = project->GetBaseModule())
    {
        for (const ModuleStep& step : BaseModuleSteps())
            step.run(*base, *project);
    }
}

BOOL ProjectStore::LoadFirstMergeProject(const char* path)
{
    m_firstMergeInput = true;
    const BOOL loaded = LoadMergeInput(path);
    m_firstMergeInput = false;
    return loaded;
}

BOOL ProjectStore::LoadSecondMergeProject(const char* path)
{
    m_firstMergeInput = false;
    return LoadMergeInput(path);
}

BOOL ProjectStore::LoadMergeInput(const char* path)
{
    if (IsEmptyPath(path))
        return FALSE;
    m_mergeRead = true;
    const BOOL loaded = LoadInto(path);
    m_mergeRead = false;
    return loaded;
}

bool ProjectStore::MergeProjects()
{
    const std::unique_ptr<ProjectMergerInterface> merger =
        CreateProjectMerger(m_firstMergeProject, m_secondMergeProject);
    return merger != nullptr && merger->Merge();
}

std::span<const ProjectStore::ModuleStep> ProjectStore::PostLoadPasses()
{
    return postLoadPasses;
}

std::span<const ProjectStore::ModuleStep> ProjectStore::BaseModuleSteps()
{
    return baseModuleSteps;
}
