// Another instance of the program, as far as its saves go, for the tests of two instances:
//
//   save_instance hold FILE          takes the save lock of FILE, says "held" and stops itself
//   save_instance save FILE          opens FILE, adds a module, says "ready", and saves it over
//                                    FILE when a byte arrives on its input
//   save_instance save-over FILE     opens FILE, adds a module and saves it as Save does; where
//                                    no lock can be had it says "asking" and stops itself at the
//                                    question, then answers Yes. Exits 0 when saved unasked, 1
//                                    when asked whether to replace a changed file (it declines).
//
// Other exits: 2 for a failure.

#include "model/ForgeonProject.h"
#include "model/ProjectStore.h"
#include "platform/core/MessageBox.h"
#include "platform/core/SaveLock.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <optional>
#include <string>
#include <unistd.h>

namespace
{
constexpr int failed = 2;

void Say(const char* line)
{
    std::printf("%s\n", line);
    std::fflush(stdout);
}

int Hold(const char* path)
{
    const SaveLock lock = SaveLock::Take(path, std::chrono::milliseconds(0));
    if (!lock.IsHeld())
        return failed;
    Say("held");
    ::raise(SIGSTOP);
    return 0;
}

int Save(const char* path)
{
    ProjectStore store;
    if (!store.ArchiveProject(nullptr, path, TRUE))
        return failed;
    store.GetProject()->AddNewModule();
    Say("ready");
    char go = 0;
    if (::read(STDIN_FILENO, &go, 1) != 1)
        return failed;
    return store.ArchiveProject(store.GetProject(), path, FALSE) ? 0 : failed;
}

int SaveOver(const char* path)
{
    SetMessageBoxHandler(
        [](const std::string& text, UINT, UINT)
        {
            if (text.find("could not be locked for saving") == std::string::npos)
                return IDNO;
            Say("asking");
            ::raise(SIGSTOP);
            return IDYES;
        });
    ProjectStore store;
    if (!store.ArchiveProject(nullptr, path, TRUE))
        return failed;
    std::optional<FileStamp> known = store.GetFileStamp();
    store.GetProject()->AddNewModule();
    bool asked = false;
    const BOOL saved = store.SaveOver(store.GetProject(), path, known,
                                      [&asked](const FileStamp&)
                                      {
                                          asked = true;
                                          return false;
                                      });
    return asked ? 1 : saved ? 0 : failed;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 3)
        return failed;
    const std::string command = argv[1];
    if (command == "hold")
        return Hold(argv[2]);
    if (command == "save")
        return Save(argv[2]);
    if (command == "save-over")
        return SaveOver(argv[2]);
    return failed;
}
