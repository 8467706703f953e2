#pragma once

#include "platform/core/CString.h"
#include "platform/core/FileReplacement.h"
#include "platform/core/FileStamp.h"
#include "platform/ui/Document.h"

#include <memory>
#include <optional>
#include <vector>

class DbSchema;
class ForgeonProject;
class ForgeonView;
class MainFrame;
class ProjectStore;
class Table;

// Command ids of the document's commands beyond the framework's.
constexpr UINT ID_PROJECT_PROPERTIES = 32775;
constexpr UINT ID_MODULE_ADD = 32797;
constexpr UINT ID_MODULE_DELETE = 32798;
constexpr UINT ID_MODULE_RENAME = 32802;
constexpr UINT ID_WRITE_ALL = 32783;
// The classic application's Write All and review report; no menu carries them.
constexpr UINT ID_CLASSIC_WRITE_ALL = 32782;
constexpr UINT ID_REVIEW_REPORT = 32785;
constexpr UINT ID_SQL_QUERY = 32773;
// The SQL scripts of the whole project (the roles' designation rows); no menu carries it.
constexpr UINT ID_PROJECT_SQL_SCRIPTS = 32786;
constexpr UINT ID_MERGE_PROJECT = 32788;
constexpr UINT ID_SYNC_DB = 32781;
constexpr UINT ID_MANAGE_ROLES = 32803;
constexpr UINT ID_HELP_FILE = 32804;
// Manage Roles; no menu carries it.
constexpr UINT ID_ROLES_HIDDEN = 32776;
constexpr UINT ID_IMPORT_TABLES = 32784;
constexpr UINT ID_SWITCH_DATABASE = 32793;
// Deletes the selected tree item; no menu carries it.
constexpr UINT ID_DELETE_TREE_ITEM = 32801;
// The regression harness of generated pages; no menu carries it.
constexpr UINT ID_REGRESSION_TESTS = 32795;

// The one document: it owns the project store with the open project and the path of its file,
// and handles the project commands of the menu and tool bar.
class ForgeonDoc : public CDocument
{
    DECLARE_DYNCREATE(ForgeonDoc)

public:
    ForgeonDoc();
    ~ForgeonDoc() override;

    // Written as it was made, opened or last saved; true for the empty project of a store before
    // any was made or opened.
    bool IsUnchangedSinceSaved();
    // IsUnchangedSinceSaved where telling costs little: false for a project whose file passes
    // a few megabytes, whose serialising would slow every command that asks.
    bool IsCheaplyKnownUnchanged();

    // The open project (an empty one before any is made or read).
    ForgeonProject* GetProject();
    const CString& GetPath() const { return m_strPath; }
    const ProjectStore& GetStore() const { return *m_pStore; }

    // A new project: "BaseModule" with its defaults, the default theme and the login page; the
    // tree refreshed and the start page shown.
    void NewProject();
    // Reads the project file into a store of its own and, only when that succeeded, makes it the
    // open project: the path (made absolute), the title and the recent-file list follow. A failure
    // leaves the open project, its path and its title as they were.
    bool OpenProjectFile(const CString& given);
    // Writes the project to its file, asking for one when it has none; false when the user
    // cancelled or the store could not write it. A file that another program changed after it
    // was opened or last saved here, also another instance saving at the same time, is replaced
    // only when the user says so (ProjectStore::SaveOver).
    bool Save();
    // Brings the project to what the writers write (ForgeonProject::PrepareForWriteAll) and saves
    // it, so that the open project is the file the writers read; a save cancelled or failed
    // leaves the project as it was before. True when saved.
    bool PrepareAndSave();
    // Asks for a file and writes the project there; unless merged, the file becomes the
    // project's. False when cancelled or not written.
    bool SaveAs(ForgeonProject* project, bool merged);
    // Writes the open project to the path through the store.
    bool SaveProjectTo(const CString& path);
    // The editor shown asks about what it holds first (MainFrame::MayLeaveCurrentEditor); then
    // asks whether to save the project's changes, unless nothing differs from the project as it
    // was made, opened or last saved, and saves on Yes; false when the user cancelled or the save
    // did not happen.
    bool SaveChangesOrCancel();
    // True with a path; without one asks whether to save, unless nothing differs from the new
    // project, and saves on Yes, giving false.
    bool HasPathOrAskToSave();
    // A copy of the project file into "<name>_backup" beside it, named with the stamp (the
    // date and time now when empty). A copy that cannot be written is named with the reason in
    // the status bar (a message without a frame); nothing else is shown.
    void SaveBackupCopy(const CString& stamp);
    // The first theme, colour scheme and master page of the theme library beside the program.
    void ApplyDefaultTheme();
    // Writes the table into a project file that the import command reads.
    bool ExportTable(Table* table);
    // The database the database pane has read for the open project; null before it has read
    // one.
    const DbSchema* GetDbSchema() const;

    // The framework's open (recent files, the command line).
    BOOL OnOpenDocument(const char* path) override;
    // Before another project takes its place (a recent file, closing): SaveChangesOrCancel.
    BOOL SaveModified() override { return SaveChangesOrCancel() ? TRUE : FALSE; }

    void OnFileNew();
    void OnFileOpen();
    void OnFileSave();
    void OnFileSaveAs();
    void OnWriteAll();
    // The Project Properties and Manage Roles dialogs; "No Tables created" for a project
    // without settings.
    void OnProjectProperties();
    void OnManageRoles();
    // The classic Write All and review report (ClassicWriteCommands.cpp).
    void OnClassicWriteAll();
    void OnReviewReport();
    // The module commands, forwarded to the project tree.
    void OnModuleAdd();
    void OnModuleDelete();
    void OnModuleRename();
    void OnDeleteTreeItem();
    void OnImportTables();
    void OnSwitchDatabase();
    // Sql Query: the SQL Server database script of the project.
    void OnSqlQuery();
    // Every SQL script of the project: the database script, the procedure file of each table with
    // procedures and the designation script "_system/scripts/desigInsert.sql".
    void OnProjectSqlScripts();
    // Merge Project: another project file merged into a copy of this one's file, which is saved
    // under a new name (MergeProjectCommand.cpp).
    void OnMergeProject();
    // Sync DB: the database pane, loading the database.
    void OnSyncDb();
    void OnHelp();

private:
    MainFrame* Frame() const;
    ForgeonView* TreeView() const;
    std::optional<CString> AskOpenFileName(const char* title) const;
    // A project without a file starts in its own folder (or its path) with its own name; a
    // proposed name (without extension) is proposed instead.
    std::optional<CString> AskSaveFileName(const char* title, const char* extension,
                                           const CString& proposedName = CString());
    // The status bar says where the project was written.
    void ShowSaved(const char* saying, const CString& path);
    // The open project when it has settings; otherwise says "No Tables created" and gives null.
    ForgeonProject* ProjectWithSettings();
    // The open project when its path is set; otherwise says so and gives null.
    ForgeonProject* ProjectWithScriptPath();
    // The folder of the project's file as the host writes it, ending in "/"; empty without one.
    CString ProjectFolder() const;
    // The path becomes the project's file, the title and the latest recent file.
    void AdoptPath(const CString& path);
    // Asks whether to replace the project's file, which is not as it was opened or last saved
    // here (now); names where a link at its name leads.
    bool MayReplaceChangedFile(const FileStamp& now) const;
    // The temporary files that saves of the project's file and its backup copies left, beside
    // it and in the backup folder, found by their locks (ProjectStore::FindUnfinishedSaves).
    std::vector<FileReplacement::LeftTemporary> UnfinishedSaves() const;
    // Names them; a Save keeps them (KeepUnfinishedSaves).
    void TellOfUnfinishedSaves() const;
    // Names a project file with more than one name (hard links): saves replace it under one of
    // them and instances that opened it under others are not ordered with them.
    void TellOfOtherNames() const;
    // Moves them into the backup folder, or beside the project when that folder cannot be made
    // or take one, under names no file has, and names each where it was kept or why it was not.
    void KeepUnfinishedSaves() const;
    // Moves the left file into the host folder under a kept name of the project's name that no
    // file has; the path it was kept at, or nothing with errno set.
    static std::optional<CString> KeepUnfinishedSaveIn(const CString& folder, const CString& name,
                                                       const FileReplacement::LeftTemporary& file);
    // The first saves of projects never saved that did not finish in the folder of the file at
    // the path: each temporary left, which may be the only copy of its project, is offered to be
    // kept under the name its save was to give it. That file and the document's own are never
    // taken for one, whatever their names.
    void OfferUnfinishedFirstSaves(const CString& path) const;
    // The project as a save would write it now becomes the one to compare with.
    void RememberSavedState();
    // The tree and the start page of the open project, with an empty status bar.
    void ShowOpenProject();
    // Puts the project the bytes hold in place of the open project, whose editor and tree go.
    void RestoreProject(const std::vector<BYTE>& bytes);
    // The title shows the project's file as the host writes it, or "Untitled" without one.
    void ShowFileInTitle();
    // Copies the tables of the current module of the loaded project that the open module does
    // not have, with their default pages; the names of those it has are appended to message.
    void ImportTables(ForgeonProject& loaded, CString& message);

    std::unique_ptr<ProjectStore> m_pStore;
    // The store a project file is read into; the open project while it is repaired.
    ProjectStore* m_pLoadingStore = nullptr;
    CString m_strPath;
    // The project's file as it was opened or last saved.
    std::optional<FileStamp> m_fileStamp;
    // The project as NewProject made it, or as it was opened or last saved, as a save would
    // write it.
    std::vector<BYTE> m_savedBytes;
};
