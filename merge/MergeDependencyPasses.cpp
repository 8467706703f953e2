// The dependency passes and the full-module selection of the merge dependency collector.
#include "merge/MergeDependencyCollector.h"

#include "entities/ApplicationReport.h"
#include "entities/AspFile.h"
#include "entities/Class.h"
#include "entities/ClassInvokation.h"
#include "entities/DashBoardPage.h"
#include "entities/DashBoardPageData.h"
#include "entities/DetailTableReport.h"
#include "entities/Form.h"
#include "entities/Function.h"
#include "entities/MapForm.h"
#include "entities/Menu.h"
#include "entities/Procedure.h"
#include "entities/RDLCInfo.h"
#include "entities/RDLCReport.h"
#include "entities/ReportGroup.h"
#include "entities/TableAdapter.h"
#include "entities/Transaction.h"
#include "entities/XSDInfo.h"
#include "merge/PointerLists.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/Table.h"

#include <algorithm>
#include <set>

namespace
{
// The table of the class a control's data call invokes, or null.
Table* ClassCallTable(const FieldRep* control)
{
    const FieldRepData* data = control->GetFieldRepData();
    const ClassInvokation* call = data != nullptr ? data->GetDataCall() : nullptr;
    const Class* invoked = call != nullptr ? call->GetClass() : nullptr;
    return invoked != nullptr ? invoked->GetTable() : nullptr;
}

// Each descendant of the menu, depth first.
void AppendDescendants(const Menu* menu, PointerList<Menu>& out)
{
    for (Menu* child : menu->GetSubMenus())
    {
        out.push_back(child);
        AppendDescendants(child, out);
    }
}
} // namespace

bool MergeDependencyCollector::IsMissing(Table* table) const
{
    return table != nullptr && !IsTableSelected(table) &&
           !FirstProjectHasTable(table->GetTableName()) && !IsTableMapped(table);
}

bool MergeDependencyCollector::IsMissing(ApplicationReport* report) const
{
    return report != nullptr && !IsReportSelected(report) &&
           !FirstProjectHasReport(report->GetFormName()) && !IsReportMapped(report);
}

bool MergeDependencyCollector::IsMissing(Function* function) const
{
    return function != nullptr && !IsFunctionSelected(function) &&
           !FirstProjectHasFunction(function->GetFieldName()) && !IsFunctionMapped(function);
}

bool MergeDependencyCollector::IsMissing(RDLCInfo* info) const
{
    return info != nullptr && !IsRDLCInfoSelected(info) &&
           !FirstProjectHasRDLCInfo(info->GetName()) && !IsRDLCInfoMapped(info);
}

bool MergeDependencyCollector::IsMissing(XSDInfo* info) const
{
    return info != nullptr && !IsXSDInfoSelected(info) &&
           !FirstProjectHasXSDInfo(info->GetName()) && !IsXSDInfoMapped(info);
}

bool MergeDependencyCollector::IsMissing(TableAdapter* adapter) const
{
    return adapter != nullptr && !IsTableAdapterSelected(adapter) &&
           !FirstProjectHasTableAdapter(adapter->GetName()) && !IsTableAdapterMapped(adapter);
}

template <class T>
void MergeDependencyCollector::AddFinding(std::vector<CString>& lines, const CString& name,
                                          const char* literal, const CString& owner,
                                          PointerList<T>& needed, T* entity)
{
    lines.push_back(name + literal + owner);
    AppendOnce(needed, entity);
}

void MergeDependencyCollector::CollectTableDependencies(std::vector<CString>& lines)
{
    for (Table* table : m_selectedTables)
    {
        for (const Field* field : table->GetFields())
        {
            const Field* foreign = field->GetForeignField();
            Table* foreignTable = foreign != nullptr ? foreign->GetTable() : nullptr;
            if (IsMissing(foreignTable))
                AddFinding(lines, foreignTable->GetTableName(), " foreign table in ",
                           table->GetTableName(), m_neededTables, foreignTable);
        }
    }
}

void MergeDependencyCollector::CollectProcedureDependencies(std::vector<CString>& lines)
{
    for (const Procedure* procedure : m_selectedProcedures)
    {
        Table* mainTable = procedure->GetMainTable();
        if (IsMissing(mainTable))
            AddFinding(lines, mainTable->GetTableName(), " main Table in procedure ",
                       procedure->GetName(), m_neededTables, mainTable);
        for (Table* table : procedure->GetTables())
        {
            if (IsMissing(table))
                AddFinding(lines, table->GetTableName(), " detail Table in procedure ",
                           procedure->GetName(), m_neededTables, table);
        }
    }
}

void MergeDependencyCollector::CollectReportDependencies(std::vector<CString>& lines)
{
    for (const ApplicationReport* report : m_selectedReports)
    {
        for (const ReportGroup* group : report->GetReportGroups())
        {
            const ClassInvokation* call = group->GetClassCall();
            Function* function = call != nullptr ? call->GetFunction() : nullptr;
            if (IsMissing(function))
                AddFinding(lines, function->GetFieldName(), " function in report ",
                           report->GetFormName(), m_neededFunctions, function);
        }
    }
}

void MergeDependencyCollector::CollectMasterFormDependencies(std::vector<CString>& lines)
{
    for (const Form* form : m_selectedMasterForms)
    {
        Table* table = form->GetTable();
        if (IsMissing(table))
            AddFinding(lines, table->GetTableName(), " Table in form ", form->GetFormName(),
                       m_neededTables, table);
        ApplicationReport* report = form->GetReport();
        if (IsMissing(report))
            AddFinding(lines, report->GetFormName(), " report in form ", form->GetFormName(),
                       m_neededReports, report);
    }
}

void MergeDependencyCollector::CollectMapFormDependencies(std::vector<CString>& lines)
{
    for (const MapForm* mapForm : m_selectedMapForms)
    {
        Table* table = mapForm->GetMappingTable();
        if (IsMissing(table))
            AddFinding(lines, table->GetTableName(), " Table in form ", mapForm->GetFormName(),
                       m_neededTables, table);
        ApplicationReport* report = mapForm->GetReport();
        if (IsMissing(report))
            AddFinding(lines, report->GetFormName(), " report in form ", mapForm->GetFormName(),
                       m_neededReports, report);
    }
}

void MergeDependencyCollector::CollectTransactionDependencies(std::vector<CString>& lines)
{
    for (const Transaction* transaction : m_selectedTransactions)
    {
        const CString& owner = transaction->GetFormName();
        Table* basicTable = transaction->GetBasicTable();
        if (IsMissing(basicTable))
            AddFinding(lines, basicTable->GetTableName(), " Table in form ", owner, m_neededTables,
                       basicTable);
        for (Table* detail : transaction->GetDetailTables())
        {
            if (IsMissing(detail))
                AddFinding(lines, detail->GetTableName(), " detial table in form ", owner,
                           m_neededTables, detail);
        }
        for (const DetailTableReport* entry : transaction->GetDetailTableReports())
        {
            ApplicationReport* report = entry->GetReport();
            if (IsMissing(report))
                AddFinding(lines, report->GetFormName(), " report in form ", owner, m_neededReports,
                           report);
        }
    }
}

void MergeDependencyCollector::CollectMenuDependencies(std::vector<CString>& lines)
{
    for (const Menu* menu : m_selectedMenus)
    {
        for (const AspFile* file : menu->GetPageFiles())
        {
            FormInterface* page = file != nullptr ? file->GetOwnerPage() : nullptr;
            if (page != nullptr && !IsPageAvailable(page))
                lines.push_back(page->GetFormName() + " in menu " + menu->GetName());
        }
    }
}

void MergeDependencyCollector::CollectRDLCReportDependencies(std::vector<CString>& lines)
{
    for (RDLCReport* report : m_selectedRDLCReports)
    {
        const CString& owner = report->GetFormName();
        RDLCInfo* info = report->GetRDLCInfo();
        if (IsMissing(info))
            AddFinding(lines, info->GetName(), " RDLCInfo in report ", owner, m_neededRDLCInfos,
                       info);
        else if (info != nullptr)
        {
            for (const RDLCDataSetEntry& entry : info->GetEntries())
            {
                XSDInfo* xsdInfo = m_second->FindXSDInfoMatchingName(entry.m_dataSetName + ".xsd");
                if (IsMissing(xsdInfo))
                    AddFinding(lines, xsdInfo->GetName(), " XSDInfo in report ", owner,
                               m_neededXSDInfos, xsdInfo);
            }
        }
        for (const TableAdapterMap& map : report->GetTableAdapterMaps())
        {
            if (IsMissing(map.m_tableAdapter))
                AddFinding(lines, map.m_tableAdapter->GetName(), " TableAdapter in report ", owner,
                           m_neededTableAdapters, map.m_tableAdapter);
        }
        for (const FieldRep* control : report->GetFieldReps())
        {
            Table* table = ClassCallTable(control);
            if (IsMissing(table))
                AddFinding(lines, table->GetTableName(),
                           " Table(Class in ClassInvikation) in report ", owner, m_neededTables,
                           table);
        }
    }
}

void MergeDependencyCollector::CollectDependencies(int pass, std::vector<CString>& lines)
{
    switch (pass)
    {
    case 0:
        return CollectTableDependencies(lines);
    case 1:
        return CollectProcedureDependencies(lines);
    case 2:
        return CollectReportDependencies(lines);
    case 3:
        return CollectMasterFormDependencies(lines);
    case 4:
        return CollectMapFormDependencies(lines);
    case 5:
        return CollectTransactionDependencies(lines);
    case 6:
        return CollectMenuDependencies(lines);
    case 7:
        return CollectRDLCReportDependencies(lines);
    default:
        return;
    }
}

void MergeDependencyCollector::SelectRDLCReport(RDLCReport* report)
{
    if (!AppendOnce(m_selectedRDLCReports, report))
        return;
    RDLCInfo* info = report->GetRDLCInfo();
    if (info != nullptr && !IsRDLCInfoSelected(info))
    {
        info->SetMergeMark(0);
        m_selectedRDLCInfos.push_back(info);
    }
    XSDInfo* xsdInfo = report->GetXSDInfo();
    if (xsdInfo != nullptr && !IsXSDInfoSelected(xsdInfo))
    {
        xsdInfo->SetMergeMark(0);
        m_selectedXSDInfos.push_back(xsdInfo);
        for (TableAdapter* adapter : xsdInfo->GetTableAdapters())
            AppendOnce(m_selectedTableAdapters, adapter);
    }
}

void MergeDependencyCollector::SelectClassWithFunctions(Class* dataClass)
{
    if (!AppendOnce(m_selectedClasses, dataClass))
        return;
    for (Function* function : dataClass->GetFunctions())
        AppendOnce(m_selectedFunctions, function);
}

void MergeDependencyCollector::SelectTableWithDependants(Table* table)
{
    if (m_selectedModule == nullptr || !AppendOnce(m_selectedTables, table))
        return;
    for (Class* dataClass : m_selectedModule->GetClasses())
    {
        if (dataClass->GetTable() == table)
            SelectClassWithFunctions(dataClass);
    }
    for (Form* form : m_selectedModule->GetMasterForms())
    {
        if (form->GetTable() == table)
            AppendOnce(m_selectedMasterForms, form);
    }
    for (MapForm* mapForm : m_selectedModule->GetMapForms())
    {
        if (mapForm->GetMappingTable() == table)
            AppendOnce(m_selectedMapForms, mapForm);
    }
    for (Transaction* transaction : m_selectedModule->GetTransactions())
    {
        if (transaction->GetBasicTable() != table)
            continue;
        AppendOnce(m_selectedTransactions, transaction);
        for (Table* detail : transaction->GetDetailTables())
            SelectTableWithDependants(detail);
    }
}

void MergeDependencyCollector::SelectMenuWithDescendants(Menu* menu)
{
    if (IsMenuSelected(menu))
        return;
    m_selectedMenus.push_back(menu);
    AppendDescendants(menu, m_selectedMenus);
}

void MergeDependencyCollector::SelectReportDescriptions()
{
    for (XSDInfo* info : m_second->GetXSDInfos())
    {
        if (!AppendOnce(m_selectedXSDInfos, info))
            continue;
        for (TableAdapter* adapter : info->GetTableAdapters())
            AppendOnce(m_selectedTableAdapters, adapter);
    }
    for (RDLCInfo* info : m_second->GetRDLCInfos())
        AppendOnce(m_selectedRDLCInfos, info);
}

void MergeDependencyCollector::SelectUnusedReportDescriptions()
{
    std::set<const CObject*> used;
    for (const Module* module : m_second->GetModules())
        for (const RDLCReport* report : module->GetRDLCReports())
        {
            used.insert(report->GetRDLCInfo());
            used.insert(report->GetXSDInfo());
        }
    const auto tableComes = [this](const CString& name)
    {
        return FirstProjectHasTable(name) ||
               std::ranges::any_of(m_selectedTables, [&name](const Table* table)
                                   { return table->GetTableName().CompareNoCase(name) == 0; });
    };
    // The data sets of the descriptions, which lie in the XSD files.
    const auto tablesCome = [this, &tableComes](const auto& lies)
    {
        for (const RDLCInfo* info : m_second->GetRDLCInfos())
            for (const RDLCDataSetEntry& entry : info->GetEntries())
                if (lies(*info, entry) && !tableComes(entry.m_tableName))
                    return false;
        return true;
    };
    for (XSDInfo* info : m_second->GetXSDInfos())
    {
        const auto inFile = [info](const RDLCInfo&, const RDLCDataSetEntry& entry)
        { return entry.IsInDataSetFile(info->GetName()); };
        if (used.contains(info) || !tablesCome(inFile) || !AppendOnce(m_selectedXSDInfos, info))
            continue;
        for (TableAdapter* adapter : info->GetTableAdapters())
            AppendOnce(m_selectedTableAdapters, adapter);
    }
    for (RDLCInfo* info : m_second->GetRDLCInfos())
    {
        const auto ofInfo = [info](const RDLCInfo& other, const RDLCDataSetEntry&)
        { return &other == info; };
        if (!used.contains(info) && tablesCome(ofInfo))
            AppendOnce(m_selectedRDLCInfos, info);
    }
}

void MergeDependencyCollector::SelectFullModule()
{
    if (m_selectedModule == nullptr)
        return;
    std::vector<Table*> tables;
    m_selectedModule->GetAllTables(tables);
    for (Table* table : tables)
        SelectTableWithDependants(table);
    for (Class* dataClass : m_selectedModule->GetClasses())
        SelectClassWithFunctions(dataClass);
    // The procedures too, lest the pages and reports that call them lose their data.
    for (Procedure* procedure : m_selectedModule->GetProcedures())
        AppendOnce(m_selectedProcedures, procedure);
    for (Form* form : m_selectedModule->GetMasterForms())
        AppendOnce(m_selectedMasterForms, form);
    for (Transaction* transaction : m_selectedModule->GetTransactions())
        AppendOnce(m_selectedTransactions, transaction);
    for (ApplicationReport* report : m_selectedModule->GetReports())
        AppendOnce(m_selectedReports, report);
    for (RDLCReport* report : m_selectedModule->GetRDLCReports())
        SelectRDLCReport(report);
    std::vector<Menu*> menus;
    m_selectedModule->CollectMenus(menus, nullptr);
    for (Menu* menu : menus)
        SelectMenuWithDescendants(menu);
    for (DashBoardPage* page : m_selectedModule->GetDashBoardPages())
        SelectDashBoardPageWithDashBoards(page);
    SelectUnusedReportDescriptions();
}

void MergeDependencyCollector::SelectDashBoardPageWithDashBoards(DashBoardPage* page)
{
    if (!AppendOnce(m_selectedDashBoardPages, page))
        return;
    for (const DashBoardPageData* placement : page->GetPlacements())
    {
        if (placement->GetDashBoard() != nullptr)
            AppendOnce(m_selectedDashBoards, placement->GetDashBoard());
    }
}
