#pragma once

#include "platform/core/CString.h"
#include "platform/core/Descriptor.h"

#include <string>
#include <vector>

// The folder that one run of the generators writes in, and the one way into it. The root, as
// the user set it, may be a symbolic link, and so may the folders named to FollowLinkAt: each
// is opened once, at the run's first use of it, following links. Every folder below them is
// opened from its parent's descriptor without following a link, and files are made through
// those descriptors, so that nothing the model holds and no link planted below the root, also
// while the run goes on, makes a run write elsewhere. A path is admitted when, with "." and
// ".." resolved, it lies below the root. Without a root every path is opened as it is.
class OutputRoot
{
public:
    // An open folder on the way of a path, or why there is none.
    struct Folder
    {
        Descriptor descriptor;
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
    // The root or a followed folder: its path below the root, opened at the first use.
    struct Anchor
    {
        std::vector<std::string> components;
        Descriptor descriptor;
        CString refusal;
        bool opened = false;
    };

    Folder Open(const CString& modelPath, bool isFile, std::string& name);
    // The anchor's descriptor; empty refusal when it is open.
    const Anchor& OpenAnchor(Anchor& anchor);
    // Opens the folders of the components from the anchor on, without following links.
    Folder OpenBelow(const Anchor& anchor, const std::vector<std::string>& components,
                     std::size_t first);

    std::string m_hostRoot;
    std::vector<Anchor> m_anchors;
};

// The host form of the model path with "." and ".." resolved, without a trailing separator.
std::string NormalHostPath(const CString& modelPath);
