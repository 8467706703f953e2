#pragma once

#include "platform/core/CString.h"

#include <string>
#include <unordered_set>

class ForgeonProject;

// The names of the report definitions and data sets that a project uses, ignoring case: those
// of its lists and those its modules' RDLC reports refer to. Answers what
// ForgeonProject::IsRDLCInfoNameUsed and IsXSDInfoNameUsed answer, without walking the lists for
// each name, for a run that registers many; the run adds each name it registers.
class ReportNameIndex
{
public:
    ReportNameIndex() = default;
    explicit ReportNameIndex(const ForgeonProject& project);

    bool IsRDLCNameUsed(const CString& name) const;
    bool IsXSDNameUsed(const CString& name) const;
    void AddRDLCName(const CString& name);
    void AddXSDName(const CString& name);

private:
    std::unordered_set<std::string> m_rdlcNames;
    std::unordered_set<std::string> m_xsdNames;
};
