#include "model/ReportNameIndex.h"

#include "entities/RDLCInfo.h"
#include "entities/RDLCReport.h"
#include "entities/XSDInfo.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"

namespace
{
std::string Folded(CString name)
{
    return name.MakeLower().str();
}
} // namespace

ReportNameIndex::ReportNameIndex(const ForgeonProject& project)
{
    for (const RDLCInfo* info : project.GetRDLCInfos())
        AddRDLCName(info->GetName());
    for (const XSDInfo* info : project.GetXSDInfos())
        AddXSDName(info->GetName());
    for (const Module* module : project.GetModules())
    {
        for (const RDLCReport* report : module->GetRDLCReports())
        {
            if (report->GetRDLCInfo() != nullptr)
                AddRDLCName(report->GetRDLCInfo()->GetName());
            if (report->GetXSDInfo() != nullptr)
                AddXSDName(report->GetXSDInfo()->GetName());
        }
    }
}

bool ReportNameIndex::IsRDLCNameUsed(const CString& name) const
{
    return m_rdlcNames.contains(Folded(name));
}

bool ReportNameIndex::IsXSDNameUsed(const CString& name) const
{
    return m_xsdNames.contains(Folded(name));
}

void ReportNameIndex::AddRDLCName(const CString& name)
{
    m_rdlcNames.insert(Folded(name));
}

void ReportNameIndex::AddXSDName(const CString& name)
{
    m_xsdNames.insert(Folded(name));
}
