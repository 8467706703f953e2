#pragma once

#include <string>
#include <vector>

// One project-file version number with the note of what it changed in the file layout.
struct VersionEntry
{
    VersionEntry(int number, const char* note);

    int number;
    std::string note;
};

// The table of project-file versions and the version of the file being read or written now,
// on which every Serialize gates its fields.
class VersionHistory
{
public:
    // The full table of this program's file versions.
    VersionHistory();
    // A table of the given entries, ascending by number.
    explicit VersionHistory(std::vector<VersionEntry> entries);

    // The number of the last entry; -1 when the table is empty.
    int GetCurrentVersion() const;
    // -1 until the first project is loaded or stored.
    int GetArchiveVersion() const { return m_archiveVersion; }
    void SetArchiveVersion(int version) { m_archiveVersion = version; }

    const std::vector<VersionEntry>& GetEntries() const { return m_entries; }

private:
    std::vector<VersionEntry> m_entries;
    int m_archiveVersion = -1;
};

// The one process-wide table.
VersionHistory& TheVersionHistory();
