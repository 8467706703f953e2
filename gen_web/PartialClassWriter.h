#pragma once

#include "gen_web/AspxWriter.h"
#include "platform/core/CString.h"

// "<table>_partial.cs": the developer's half of a data class, six hooks that return true. It is
// written only when no file of that name exists, so the developer's code in it is never
// overwritten.
class PartialClassWriter : public AspxWriter
{
public:
    PartialClassWriter(ForgeonProject* project, const CString& tableName, const CString& className,
                       GenerationReport& report);
    virtual ~PartialClassWriter() = default;

    void Write();

protected:
    // One hook: "public bool <name>()" returning true, then an empty line.
    virtual void WriteHook(const char* name);

    CString m_tableName;
    CString m_className;

private:
    // True when something is at the path or the host cannot tell; such a file is left alone.
    bool Exists(const CString& path);
};
