#pragma once

#include "platform/core/CString.h"
#include "platform/core/Descriptor.h"

#include <string>
#include <sys/types.h>
#include <vector>

// The folder that one run of the generators writes in, and the one way into it. The root, as
// the user set it, may be a symbolic link, and so may the folders named to FollowLinkAt: each
// is opened once, at the run's first use of it, following links. Every folder below them is
// opened from its parent's descriptor without following a link, and files are made through
// those descriptors, so that nothing the model holds and no link planted below the root, also
// while the run goes on, makes a run write elsewhere. The folders of the last path opened stay
// open; before one is used again, its name in its parent is looked at without following a link,
// and a folder that is no longer the one opened there is opened anew. A path is admitted when,
// with "." and ".." resolved, it lies below the root. Without a root every path is opened as it
// is, and one in the trace folder as the user's own folders there (OpenUserTempSubfolder).
class OutputRoot
{
public:
    // An open folder on the way of a path, or why there is none.
    struct Folder
    {
        // The root keeps the folder open until it opens the next one; -1 with a refusal.
        int descriptor = -1;
        CString refusal;
    };

    void Set(const CString& modelRoot);
    // A folder below the root that the user may keep as a link (the site folder served from
    // elsewhere): it is opened like the root. Set forgets these.
    void FollowLinkAt(const CString& modelFolder);
    bool IsSet() const { return !m_hostRoot.empty(); }

    // The folder, made with every missing folder on its way: the root or a folder below it.
    Folder OpenFolder(const CString& modelPath);
    // The folder of the file, made with every missing folder on its way; name gets the file's
    // name in it. A file lies below the root and is not the root itself.
    Folder OpenFolderOfFile(const CString& modelPath, std::string& name);

private:
    // A folder below an anchor, open, with the name it was opened by and what it was.
    struct OpenedFolder
    {
        std::string name;
        Descriptor descriptor;
        dev_t device = 0;
        ino_t inode = 0;

        // The name in the folder is still this folder, not a link nor another folder.
        bool IsAt(int folder, const std::string& atName) const;
    };

    // The root or a followed folder: its path below the root, opened at the first use, and the
    // folders below it on the way of the last path opened from it.
    struct Anchor
    {
        std::vector<std::string> components;
        Descriptor descriptor;
        CString refusal;
        bool opened = false;
        std::vector<OpenedFolder> below;
    };

    // The components of the path below the root; false when it does not lie below it.
    bool Below(const CString& modelPath, std::vector<std::string>& components) const;
    Folder Open(const CString& modelPath, bool isFile, std::string& name);
    // The anchor's descriptor; empty refusal when it is open.
    Anchor& OpenAnchor(Anchor& anchor);
    // Opens the folders of the components from the anchor on, without following links.
    Folder OpenBelow(Anchor& anchor, const std::vector<std::string>& components, std::size_t first);
    // Why the folder of the component at the index did not open inside the folder, by errno.
    Folder Refusal(int folder, const std::vector<std::string>& components, std::size_t index) const;
    // The root's host path with the components up to the index.
    std::string HostPathOf(const std::vector<std::string>& components, std::size_t index) const;

    std::string m_hostRoot;
    bool m_rootAbsolute = false;
    std::vector<std::string> m_rootComponents;
    std::vector<Anchor> m_anchors;
    // The folder opened last without a root.
    Descriptor m_unrooted;
};

// The host form of the model path with "." and ".." resolved, without a trailing separator.
std::string NormalHostPath(const CString& modelPath);
