#pragma once

#include <string>
#include <vector>

// The rules a writer of files keeps, each against a fault its files can meet.
enum FileWriterRule : unsigned
{
    // A symbolic link, a dangling link or a hard link at its name is replaced by a file of its own;
    // the file a link led to keeps its bytes.
    replacesLinks = 1u << 0,
    // A link at its name stays as it is and nothing is written through it: the file goes under
    // another name, or none is made and the reason is given.
    leavesLinks = 1u << 1,
    // A full disk leaves the file it replaces as it was, and is named.
    wholeOnFullDisk = 1u << 2,
    // A kill part way leaves the file before or the new one whole, never a cut one at its name.
    wholeAfterKill = 1u << 3,
    // What stands at its name (or what it takes away) is taken only when it is the user's own;
    // another user's is refused or named.
    usersOwnOnly = 1u << 4,
    // A second instance writing the same file waits, or the user is asked.
    oneInstanceAtATime = 1u << 5,
    // What stands at its name stays: the file goes under a free name.
    keepsWhatStands = 1u << 6,
    // The folder it writes in is taken only when it is the user's own: nothing goes into another
    // user's folder at that name.
    usersOwnFolderOnly = 1u << 7,
    // It makes folders: a file at a folder's name stays as it was and the failure is given.
    makesFolders = 1u << 8,
    // A symbolic link at its name, a path the user set, is followed to the folder it leads to; a
    // link that leads nowhere stays and nothing is made where it points.
    followsLinks = 1u << 9,
};

// A kind of file the program writes (or takes away), and the rules its writer keeps.
struct FileWriterKind
{
    std::string name;
    unsigned rules = 0;
};

// Registers a kind of file at start-up: a static object beside the code that writes it.
class FileWriterRegistration
{
public:
    FileWriterRegistration(const char* name, unsigned rules);
};

// Every kind registered, in the order registered.
const std::vector<FileWriterKind>& RegisteredFileWriters();
