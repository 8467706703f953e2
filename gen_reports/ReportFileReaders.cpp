#include "gen_reports/ReportFileReaders.h"

#include "entities/RDLCInfo.h"
#include "entities/TableAdapter.h"
#include "entities/XSDInfo.h"
#include "model/ForgeonProject.h"
#include "model/ReportNameIndex.h"

#include <cstring>
#include <initializer_list>
#include <memory>
#include <vector>

namespace
{
// The attribute's value; "" when it is missing.
CString AttributeOf(const XmlNode& node, const char* name)
{
    const char* value = node.GetAttributeValue(name);
    return value == nullptr ? CString() : CString(value);
}

// The named attribute of every element child of the node's child of that name, in order;
// nothing when that child is missing.
std::vector<CString> ChildAttributes(const XmlNode& node, const char* childName,
                                     const char* attributeName)
{
    std::vector<CString> values;
    const XmlNode* list = node.FindChild(childName);
    if (list == nullptr)
        return values;
    for (const auto& item : list->GetChildren())
    {
        if (item->GetType() == XmlNode::elementNode)
            values.push_back(AttributeOf(*item, attributeName));
    }
    return values;
}

// The element reached from the node through the children of these names; null when one is
// missing.
const XmlNode* FindPath(const XmlNode& node, std::initializer_list<const char*> names)
{
    const XmlNode* current = &node;
    for (const char* name : names)
    {
        current = current->FindChild(name);
        if (current == nullptr)
            return nullptr;
    }
    return current;
}

TableAdapter* ReadTableAdapter(const XmlNode& element)
{
    auto* adapter = new TableAdapter;
    adapter->SetName(AttributeOf(element, "DataAccessorName"));
    adapter->SetStatus(1);
    if (const XmlNode* command =
            FindPath(element, {"MainSource", "DbSource", "SelectCommand", "DbCommand"}))
    {
        adapter->SetCommandType(AttributeOf(*command, "CommandType"));
        adapter->SetCommandText(command->GetChildText("CommandText"));
        for (const CString& name : ChildAttributes(*command, "Parameters", "ParameterName"))
            adapter->AddParameterName(name);
    }
    for (const CString& name : ChildAttributes(element, "Mappings", "DataSetColumn"))
        adapter->AddColumnName(name);
    return adapter;
}
} // namespace

ProjectItemReader::ProjectItemReader(CString fullPath, CString relativeName,
                                     ForgeonProject* project, ReportNameIndex& names)
    : XmlFile(fullPath), m_fullPath(std::move(fullPath)), m_relativeName(std::move(relativeName)),
      m_project(project), m_names(names)
{
}

bool ProjectItemReader::LoadItem()
{
    if (LoadDocument())
        return true;
    if (GetOpenError() != 0)
        Refuse(std::strerror(GetOpenError()));
    return false;
}

void RdlcFileReader::Read()
{
    if (!LoadItem())
        return;
    auto info = std::make_unique<RDLCInfo>();
    info->SetName(m_relativeName);
    info->SetStatus(1);
    std::vector<XmlNode*> dataSets;
    FindElements("DataSet", dataSets);
    for (const XmlNode* dataSet : dataSets)
    {
        const XmlNode* dataSetInfo = dataSet->FindChild("rd:DataSetInfo");
        if (dataSetInfo == nullptr)
            continue;
        info->AddDataSet(dataSetInfo->GetChildText("rd:DataSetName"),
                         dataSetInfo->GetChildText("rd:TableAdapterName"),
                         dataSetInfo->GetChildText("rd:TableName"));
    }
    if (m_names.IsRDLCNameUsed(info->GetName()))
        return;
    m_names.AddRDLCName(info->GetName());
    m_project->AddRDLCInfo(info.release());
}

void XsdFileReader::Read()
{
    if (!LoadItem())
        return;
    auto dataSet = std::make_unique<XSDInfo>();
    dataSet->SetFilePath(m_relativeName);
    dataSet->SetStatus(1);
    std::vector<XmlNode*> adapters;
    FindElements("TableAdapter", adapters);
    for (const XmlNode* adapter : adapters)
        dataSet->AddTableAdapter(ReadTableAdapter(*adapter));
    if (m_names.IsXSDNameUsed(dataSet->GetName()))
        return;
    m_names.AddXSDName(dataSet->GetName());
    m_project->AddXSDInfo(dataSet.release());
}
