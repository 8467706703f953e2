#pragma once

#include "platform/core/CString.h"

#include <sys/types.h>
#include <utility>
#include <vector>

class ForgeonProject;
class GenerationReport;

// Walks a folder tree: every sub-folder (before its own entries) and every regular file, in name
// order. Folder paths end with "\". Symbolic links below the walked folder are not followed and,
// like named pipes and devices, are handed to OnSkipped. A folder the walk is in, and a folder set
// aside with SkipFolder, are not entered again.
class EnumerateFolders
{
public:
    virtual ~EnumerateFolders() = default;

    // Walks the folder recursively; 1 when the walk finished, 0 when a callback stopped it.
    int Walk(const CString& folder);

    // Each returns 0 to stop the walk.
    virtual int OnFolder(const CString& folderPath);
    virtual int OnFile(const CString& filePath);
    // An entry the walk does not enter nor hand over as a file, with the reason.
    virtual void OnSkipped(const CString& path, const CString& reason);

protected:
    // The part of a path below the walked folder.
    CString RelativePath(const CString& path) const;
    // The walk does not enter the folder (the destination of a copy), under whatever name it is
    // found.
    void SkipFolder(const CString& folder);
    // A walked folder that is itself a symbolic link is not followed but handed to OnSkipped.
    void DoNotFollowRootLink() { m_followRootLink = false; }

private:
    using FolderId = std::pair<dev_t, ino_t>;

    int WalkFolder(const CString& folder);
    // False for a folder the walk is in or skips; otherwise it is entered.
    bool Enter(const CString& folder);

    CString m_root;
    bool m_followRootLink = true;
    std::vector<FolderId> m_skipped;
    // The folders the walk is in, from the walked folder on.
    std::vector<FolderId> m_walking;
};

// A walker that copies every regular file of the walked folder into the mirror of its own folder
// below a destination root, through the report (GenerationReport::CopyFile): each file is copied
// through a temporary name, so a failed copy leaves no part of a file, and every file not
// copied is recorded in the report with the reason (a file kept because it exists is not a
// failure); the report's output root bounds where files go.
class MirroringEnumerateFolders : public EnumerateFolders
{
public:
    // Makes the destination root and walks the source root; 1 when the walk finished.
    int Run();

    int OnFolder(const CString& folderPath) override;
    int OnFile(const CString& filePath) override;
    // Noted in the report.
    void OnSkipped(const CString& path, const CString& reason) override;

protected:
    MirroringEnumerateFolders(ForgeonProject* project, CString sourceRoot, CString destinationRoot,
                              bool overwrite, GenerationReport& report);

    // The destination folder of a folder path below the source root, below the destination
    // root; the path as it is by default.
    virtual CString MapRelativeFolder(const CString& relative) const { return relative; }
    // Makes the current destination folder; a folder that cannot be made is told of by its
    // files. Always 1.
    int MakeDestinationFolder();

    ForgeonProject* m_project;
    CString m_destination;

private:
    // The destination becomes the mirror of the source folder, made when it changed.
    void SetDestinationFor(const CString& sourceFolder);

    CString m_sourceRoot;
    CString m_destinationRoot;
    bool m_overwrite;
    GenerationReport& m_report;
};
