// Loads arbitrary bytes as a project file, as File > Open does. A file that loads must save,
// load again and save again to the same bytes; one that does not must be refused with
// "Error in archiving" and leave the open project in place.
#include "model/ForgeonProject.h"
#include "model/ProjectStore.h"
#include "platform/core/HostPath.h"
#include "platform/core/MessageBox.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

namespace
{
std::string MessageText;

// A temp folder for the files of one run, removed at exit; message boxes are recorded.
struct Workspace
{
    Workspace()
    {
        folder = HostTempFolder() + "/WeavoFuzzXXXXXX";
        if (::mkdtemp(folder.data()) == nullptr)
            std::abort();
        SetMessageBoxHandler(
            [](const std::string& text, UINT type, UINT)
            {
                // A file that loads may warn of names to rename.
                if (type != (MB_OK | MB_ICONWARNING))
                    MessageText += text;
                return DefaultMessageBoxButton(type);
            });
    }
    ~Workspace()
    {
        for (const char* name : {"/input.wvt", "/first.wvt", "/second.wvt"})
            std::remove((folder + name).c_str());
        ::rmdir(folder.c_str());
    }

    std::string folder;
};

const std::string& Folder()
{
    static const Workspace workspace;
    return workspace.folder;
}

std::string ReadBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

void Check(bool condition, const char* what)
{
    if (!condition)
    {
        std::fprintf(stderr, "%s\n%s\n", what, MessageText.c_str());
        std::abort();
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input = Folder() + "/input.wvt";
    const std::string first = Folder() + "/first.wvt";
    const std::string second = Folder() + "/second.wvt";
    {
        std::ofstream file(input, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    MessageText.clear();
    ProjectStore store;
    ForgeonProject* open = store.GetProject();
    if (!store.ArchiveProject(nullptr, input.c_str(), TRUE))
    {
        Check(MessageText.rfind("Error in archiving", 0) == 0, "a refused file is not reported");
        Check(store.GetProject() == open, "a refused file changed the open project");
        return 0;
    }
    Check(MessageText.empty(), "a loaded file showed a message");
    Check(store.ArchiveProject(store.GetProject(), first.c_str(), FALSE), "save failed");
    Check(store.ArchiveProject(nullptr, first.c_str(), TRUE), "a saved project does not load");
    Check(store.ArchiveProject(store.GetProject(), second.c_str(), FALSE), "second save failed");
    Check(ReadBytes(first) == ReadBytes(second), "the second save differs from the first");
    return 0;
}
