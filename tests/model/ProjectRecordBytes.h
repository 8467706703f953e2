#pragma once

#include "model/ProjectDiagnostics.h"
#include "tests/support/ArchiveBytes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The fields of a module without entities, as a file of the version holds them.
inline void AppendEmptyModuleFields(ArchiveBytes& bytes, const std::string& name, int number,
                                    int version)
{
    bytes.Str(name).Int(number);
    for (int list = 0; list < 12; ++list)
        bytes.Int(0);
    bytes.Null();
    bytes.Int(0).Int(0);
    if (version > 65)
        bytes.Int(0);
    if (version > 73)
        bytes.Int(0);
}

// Keeps the diagnostics lists of the process as they were before the test.
class DiagnosticsSnapshot
{
public:
    DiagnosticsSnapshot() : m_lists(TheProjectDiagnostics().GetTextLists()) {}
    ~DiagnosticsSnapshot() { TheProjectDiagnostics().SetTextLists(m_lists); }
    DiagnosticsSnapshot(const DiagnosticsSnapshot&) = delete;
    DiagnosticsSnapshot& operator=(const DiagnosticsSnapshot&) = delete;

    // Fills the three lists with one text each.
    static void FillLists(const char* error, const char* warning, const char* ignored)
    {
        TheProjectDiagnostics().SetTextLists({{error}, {warning}, {ignored}});
    }

    // Makes the text the only ignored warning.
    static void IgnoreOnly(const char* ignored)
    {
        TheProjectDiagnostics().SetTextLists({{}, {}, {ignored}});
    }

private:
    ProjectDiagnostics::TextLists m_lists;
};
