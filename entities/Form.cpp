#include "entities/Form.h"

#include "entities/ApplicationReport.h"
#include "entities/LinkControl.h"
#include "entities/Procedure.h"
#include "entities/Variable.h"
#include "model/ArchiveIO.h"
#include "model/DependenciesDlg.h"
#include "model/EntityUsageSet.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/ListAccess.h"
#include "model/MainFrameAccess.h"
#include "model/Module.h"
#include "model/Ownership.h"
#include "model/PairRecords.h"
#include "model/ProjectDiagnostics.h"
#include "model/ReferenceList.h"
#include "model/Table.h"
#include "platform/core/MessageBox.h"

#include <algorithm>

IMPLEMENT_SERIAL(Form, FormInterface, 0)

namespace
{
using ReportVariableMapRecords = PairRecords<ReportVariableMap, &ReportVariableMap::reportVariable,
                                             &ReportVariableMap::pageVariable>;
} // namespace

int Form::ms_lastId = 0;

Form::Form() : m_id(++ms_lastId) {}

Form::Form(const Form& source)
    : TableDataInterface(), FormInterface(), m_id(++ms_lastId), m_header(source.m_header),
      m_optionFlag(source.m_optionFlag), m_report(source.m_report),
      m_displayType(source.m_displayType)
{
    CopyFrom(&source);
    m_table = source.m_table;
}

Form::~Form()
{
    m_table = nullptr;
    m_report = nullptr;
    DeleteAll(m_reportVariableMaps);
}

void Form::Serialize(CArchive& ar)
{
    FormInterface::Serialize(ar);
    if (ar.IsStoring())
    {
        ar.WriteObject(m_table);
        ar.WriteObject(m_report);
        WriteBoolInt(ar, m_optionFlag);
        ar << m_header;
        WriteReportVariableMaps(ar, m_reportVariableMaps);
        ar << m_displayType;
        return;
    }

    const int version = ArchiveVersion();
    // Form-level links of old files; the page's own link lists replaced them.
    if (version < 26)
    {
        for (int list = 0; list < 2; ++list)
            DropOwnedList<LinkControl>(ar);
    }
    AdoptLoadedPageFields(ar);
    m_table = ReadRef<Table>(ar);
    m_report = ReadRef<ApplicationReport>(ar);
    m_optionFlag = ReadBoolInt(ar);
    ar >> m_header;
    ReadReportVariableMaps(ar, m_reportVariableMaps, false);
    if (version >= 70)
        ar >> m_displayType;
}

void WriteReportVariableMaps(CArchive& ar, const std::vector<ReportVariableMap*>& maps)
{
    ReportVariableMapRecords::Write(ar, maps);
}

void ReadReportVariableMaps(CArchive& ar, std::vector<ReportVariableMap*>& maps, bool dropNullPairs)
{
    using Empty = ReportVariableMapRecords::EmptyEntry;
    ReportVariableMapRecords::Read(ar, maps, dropNullPairs ? Empty::Dropped : Empty::AsNull);
}

ForgeonProject* Form::SetReportAndGetProject(ApplicationReport* report)
{
    m_report = report;
    return MainFrameAccess::GetProject();
}

void Form::RemoveReport()
{
    m_report = nullptr;
    DeleteAll(m_reportVariableMaps);
    RemoveTableFlags(m_table);
}

ReportVariableMap* Form::GetReportVariableMapAt(int index) const
{
    return ItemAt(m_reportVariableMaps, index);
}

bool Form::IsReportVariableMapped(const CString& name) const
{
    return std::any_of(m_reportVariableMaps.begin(), m_reportVariableMaps.end(),
                       [&name](const ReportVariableMap* map)
                       {
                           return map != nullptr && map->pageVariable != nullptr &&
                                  map->pageVariable->GetFieldName() == name;
                       });
}

void Form::RemoveReportVariableMapsOf(Variable* variable)
{
    ReferenceList list({variable});
    ListReportVariableMaps(list, m_reportVariableMaps);
    list.Release({variable});
}

FieldVariableMap* Form::GetKeyFieldVariableMap() const
{
    return FindKeyFieldMap(*this, nullptr);
}

void Form::CreateDefaultAspFiles(int mode)
{
    constexpr int ownerKind = 0;
    if (mode == 0)
    {
        EnsureAspFilesOfKinds(*this, {1, 2, 3, 4}, ownerKind);
        if (m_report != nullptr)
            EnsureAspFilesOfKinds(*this, {5, 6, 7, 8}, ownerKind);
    }
    else if (mode == 1)
        EnsureAspFilesOfKinds(*this, {5, 7}, ownerKind);
}

void Form::Validate()
{
    ValidateTableAndReport(m_table, m_report, m_reportVariableMaps.size());
}

bool Form::MoveToModule(Module* from, Module* to, bool ask)
{
    if (from == nullptr || to == nullptr)
        return false;
    std::vector<DependencyRecord> records;
    if (m_report != nullptr)
        records.push_back({m_report->GetFormName(), from->GetName(), m_report->GetId(),
                           DependencyRecord::kReport, false});
    if (m_table != nullptr)
        records.push_back({m_table->GetTableName(), from->GetName(), m_table->GetId(),
                           DependencyRecord::kTable, false});
    if (records.empty())
        return false;

    CString heading;
    heading.Format("Moving Master Form '%s' from %s to %s", m_name, from->GetName(), to->GetName());
    if (!ask)
        return true;
    if (!AskForDependencies(records, heading))
        return false;
    for (const DependencyRecord& record : records)
    {
        if (!record.selected)
            continue;
        if (record.kind == DependencyRecord::kTable && m_table != nullptr)
            MoveTableBetweenModules(m_table, from, to);
        else if (record.kind == DependencyRecord::kReport && m_report != nullptr)
        {
            to->AddReport(m_report, /*withFiles=*/true);
            from->RemoveReport(m_report);
        }
    }
    return true;
}

bool Form::IsFieldRepMappedToReportVariable(FieldRep* fieldRep)
{
    return fieldRep != nullptr &&
           PageVariableNameContains(m_reportVariableMaps, ControlName(fieldRep));
}

void Form::GetTables(std::vector<Table*>& out)
{
    out.push_back(m_table);
}

void Form::ListReferences(ReferenceList& list)
{
    list.AddSlot(m_table);
    list.Add(m_report, [this] { RemoveReport(); });
    ListReportVariableMaps(list, m_reportVariableMaps);
    FormInterface::ListReferences(list);
}

void Form::ReleaseFieldVariableMap(FieldVariableMap* map)
{
    ReleaseReportVariablesOf(map);
    FormInterface::ReleaseFieldVariableMap(map);
}

void Form::CollectReportVariableUsage(Variable* variable, CString& list)
{
    if (variable != nullptr && MapsReportVariable(m_reportVariableMaps, variable))
        ListReportVariableUsage(*this, list);
}

CString Form::GetCopyNamePrefix() const
{
    if (m_module == nullptr)
        return NumberedCopyPrefix(0);
    return NumberedCopyPrefix(
        static_cast<int>(std::ranges::count_if(m_module->GetMasterForms(), [this](const Form* other)
                                               { return other->GetTable() == m_table; })));
}

void Form::SyncTableFlags()
{
    if (m_report != nullptr)
        EnsureTableFlagsRecord(*this, m_table);
}

void EnsureAspFilesOfKinds(FormInterface& page, std::initializer_list<int> fileKinds, int ownerKind)
{
    for (int fileKind : fileKinds)
    {
        if (page.FindAspFileByType(fileKind) == nullptr)
            page.CreateAspFile(fileKind, ownerKind);
    }
}

void ListReportVariableMaps(ReferenceList& list, std::vector<ReportVariableMap*>& maps)
{
    for (ReportVariableMap* map : maps)
    {
        if (map == nullptr)
            continue;
        for (const Variable* variable : {map->reportVariable, map->pageVariable})
            list.Add(variable,
                     [&maps, map]
                     {
                         const auto slot = std::ranges::find(maps, map);
                         if (slot == maps.end())
                             return;
                         *slot = nullptr;
                         delete map;
                     });
    }
}

bool MapsReportVariable(std::vector<ReportVariableMap*>& maps, const Variable* variable)
{
    ReferenceList list({variable});
    ListReportVariableMaps(list, maps);
    return list.Refers({variable});
}

bool PageVariableNameContains(const std::vector<ReportVariableMap*>& maps, const CString& text)
{
    if (text.IsEmpty())
        return false;
    return std::any_of(maps.begin(), maps.end(),
                       [&text](const ReportVariableMap* map)
                       {
                           return map != nullptr && map->pageVariable != nullptr &&
                                  map->pageVariable->GetFieldName().Find(text) >= 0;
                       });
}

void ListReportVariableUsage(FormInterface& page, CString& list)
{
    list += page.GetFormName() + "_Report variable Mapped with variable";
    TheProjectDiagnostics().GetCurrentUsageSet().AddFormInterface(&page);
}

void EnsureTableFlagsRecord(FormInterface& page, Table* table)
{
    if (table != nullptr && page.GetTableFlags(table).table == nullptr)
        page.AddTableFlags(PageTableFlags{table, true, true});
}

FieldVariableMap* FindKeyFieldMap(const FormInterface& page, const Table* table)
{
    return FindFirst(page.GetFieldVariableMaps(),
                     [table](const FieldVariableMap* map)
                     {
                         return map->field != nullptr && map->field->IsKey() &&
                                (table == nullptr || map->field->GetTable() == table);
                     });
}

bool AskForDependencies(std::vector<DependencyRecord>& records, const CString& heading)
{
    std::vector<DependencyRecord*> shown;
    for (DependencyRecord& record : records)
        shown.push_back(&record);
    DependenciesDlg dialog(shown);
    dialog.SetTitle(heading);
    return dialog.DoModal() == IDOK;
}

void MoveTableBetweenModules(Table* table, Module* from, Module* to)
{
    // The removal takes the table's default procedures off the from-module; they go with it.
    std::vector<Procedure*> procedures;
    for (Procedure* procedure : from->GetProcedures())
    {
        if (procedure->GetMainTable() == table && procedure->GetKind() == 0)
            procedures.push_back(procedure);
    }
    if (!to->AddTable(table) || !from->RemoveTable(table))
        return;
    for (Procedure* procedure : procedures)
        to->AddProcedure(procedure);
}
