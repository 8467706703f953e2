#pragma once

#include "database/SqlText.h"
#include "model/TextFile.h"

#include <optional>

class ForgeonProject;

// The designation script "_system/scripts/desigInsert.sql" of the project folder: the
// Designations rows of every module's roles. The database script is not touched.
class DesignationScriptWriter
{
public:
    explicit DesignationScriptWriter(const ForgeonProject& project);
    DesignationScriptWriter(const DesignationScriptWriter&) = delete;
    DesignationScriptWriter& operator=(const DesignationScriptWriter&) = delete;

    // Replaces the file; when it cannot be opened nothing is written and GetFailure tells why.
    void Write();

    const std::optional<ScriptFileFailure>& GetFailure() const { return m_failure; }

private:
    void WriteRows();

    const ForgeonProject& m_project;
    TextFile m_scriptFile{false, false, '=', 60};
    std::optional<ScriptFileFailure> m_failure;
};
