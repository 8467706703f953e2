#include "tests/merge/MergeRunFixture.h"

#include "merge/MergeDependencyCollector.h"
#include "model/FieldFilter.h"
#include "platform/core/HostPath.h"

#include <sstream>

namespace
{
std::string DescribedName(const Table* table)
{
    return table != nullptr ? StdString(table->GetTableName()) : "-";
}

std::string DescribedName(const Field* field)
{
    return field != nullptr ? StdString(field->GetFieldName()) : "-";
}

std::string DescribedName(const Variable* variable)
{
    return variable != nullptr
               ? StdString(variable->GetFieldName()) + "/" + StdString(variable->GetValue())
               : "-";
}

void DescribeTable(std::ostringstream& out, const Table& table)
{
    out << "table " << DescribedName(&table) << " kind " << table.GetKind() << ":";
    for (const Field* field : table.GetFields())
    {
        out << " " << DescribedName(field) << "(" << StdString(field->GetTypeName()) << " "
            << field->GetSize() << " '" << StdString(field->GetDisplayName()) << "'";
        if (field->GetTable() != &table)
            out << " table " << DescribedName(field->GetTable());
        if (field->IsKey())
            out << " key";
        if (field->GetForeignField() != nullptr)
            out << " -> " << StdString(field->GetForeignReference());
        out << ")";
    }
    out << "\n";
}

void DescribeProcedure(std::ostringstream& out, const Procedure& procedure)
{
    out << "procedure " << StdString(procedure.GetName()) << " on "
        << DescribedName(procedure.GetMainTable()) << " kind " << procedure.GetKind() << " text '"
        << StdString(procedure.GetProcedureText()) << "'\n  details:";
    for (const Table* table : procedure.GetTables())
        out << " " << DescribedName(table);
    out << "\n  parameters:";
    for (const FieldVariableMap& parameter : procedure.GetFieldParameters())
        out << " " << DescribedName(parameter.field) << "=" << DescribedName(parameter.variable);
    out << "\n  relations:";
    for (const Relation* relation : procedure.GetRelations())
    {
        out << " " << DescribedName(relation->GetFirstTable()) << "-"
            << DescribedName(relation->GetSecondTable()) << "[";
        for (const Field* field : relation->GetJoinFields())
            out << DescribedName(field) << ";";
        out << "]";
    }
    out << "\n  filters:";
    for (const FieldFilter* filter : procedure.GetFilters())
        out << " " << DescribedName(filter->GetField()) << StdString(filter->GetOperatorText())
            << DescribedName(filter->GetVariable());
    out << "\n  columns:";
    for (const ProcedureFieldInfo* column : procedure.GetOutputColumns())
    {
        CString name;
        column->GetDisplayName(name);
        out << " " << StdString(name);
        if (column->GetField() != nullptr && column->GetField()->GetTable() == nullptr &&
            !procedure.ContainsAliasField(column->GetField()))
            out << "(unowned)";
    }
    out << "\n  aliases:";
    for (const Field* field : procedure.GetAliasFields())
        out << " " << DescribedName(field);
    out << "\n  variables:";
    for (const Variable* variable : procedure.GetVariationVariables())
        out << " " << DescribedName(variable);
    out << "\n";
}
} // namespace

std::string DescribeModule(const Module& module)
{
    std::ostringstream out;
    std::vector<Table*> tables;
    module.GetAllTables(tables);
    for (const Table* table : tables)
        DescribeTable(out, *table);
    for (const Procedure* procedure : module.GetProcedures())
        DescribeProcedure(out, *procedure);
    return out.str();
}

MergeRun::MergeRun()
{
    // The project files' model paths lie under the host temp folder too.
    std::filesystem::create_directory(m_tempOverride.Own() / m_folder.Path().filename());
    m_previousSink = MainFrameAccess::SetStatusTextSink([this](const char* text)
                                                        { m_statusTexts.emplace_back(text); });
}

MergeRun::~MergeRun()
{
    MainFrameAccess::SetStatusTextSink(std::move(m_previousSink));
}

bool MergeRun::RunStoreMerge(MergeSelection& selection)
{
    ProjectMergerRegistration registration(selection);
    return m_store.MergeProjects();
}

std::string MergeRun::TempText(const char* relative) const
{
    return MergeFileText(m_tempOverride.Own() / relative);
}

bool MergeRun::TempFileExists(const char* relative) const
{
    return std::filesystem::exists(m_tempOverride.Own() / relative);
}

std::string MergeRun::SavedBytes(ForgeonProject* project, const char* file)
{
    EXPECT_TRUE(m_store.ArchiveProject(project, Path(file), FALSE)) << LastBox();
    return MergeFileText(ToHostPath(Path(file)));
}

std::optional<MergeChoice> ListSelection::Choose(ForgeonProject* first, ForgeonProject* second,
                                                 MergeDependencyCollector& dependencies)
{
    std::optional<MergeChoice> choice = m_scripted.Choose(first, second, dependencies);
    if (choice && dependencies.GetSelectedModule() != nullptr)
        m_extra(dependencies, *dependencies.GetSelectedModule());
    return choice;
}
