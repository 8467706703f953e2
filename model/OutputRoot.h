#pragma once

#include "platform/core/CString.h"

#include <string>
#include <unordered_set>

// The folder that one run of the generators writes in. A path is admitted when, with "." and
// ".." resolved, it lies below the root and no folder between the root and it is a symbolic
// link, so that nothing the model holds makes a run write elsewhere. Without a root every path
// is admitted as it is.
class OutputRoot
{
public:
    // The host path to write to, or an empty path and why the path was refused.
    struct Admission
    {
        std::string hostPath;
        CString refusal;
    };

    void Set(const CString& modelRoot);
    bool IsSet() const { return !m_hostRoot.empty(); }

    // A file: below the root, not the root itself, with no linked folder on its way.
    Admission AdmitFile(const CString& modelPath);
    // A folder: the root or below it, with no linked folder on its way.
    Admission AdmitFolder(const CString& modelPath);
    // Forgets the folders found not to be links, for a new run.
    void ForgetFolders() { m_checkedFolders.clear(); }

private:
    Admission Admit(const CString& modelPath, bool isFile);
    // The first folder of the path below the root, up to lastFolder components of it, that is a
    // symbolic link; empty when there is none. Folders that do not exist yet end the search.
    std::string FirstLinkedFolder(const std::string& relative, std::size_t lastFolder);

    std::string m_hostRoot;
    std::unordered_set<std::string> m_checkedFolders;
};

// The host form of the model path with "." and ".." resolved, without a trailing separator.
std::string NormalHostPath(const CString& modelPath);

// Takes a symbolic link, or a file that has other names, away from the path of a file about to
// be written, so that the file written there is a regular file of its own and the file the link
// led to stays as it was. removed says what was taken away ("it led to ..."), empty when
// nothing was. False with errno set when it could not be taken away.
bool RemoveLinkAt(const std::string& hostPath, CString& removed);
