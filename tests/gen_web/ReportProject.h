#pragma once

#include "entities/ApplicationReport.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/RDLCInfo.h"
#include "entities/RDLCReport.h"
#include "entities/ReportField.h"
#include "entities/ReportGroup.h"
#include "entities/Variable.h"
#include "gen_web/ReportXmlCodeWriter.h"
#include "model/TextFile.h"

#include "tests/gen_web/FormProject.h"
#include "tests/gen_web/UtilLibrary.h"

#include <memory>
#include <string>
#include <vector>

struct ColumnSpec
{
    const char* field;
    const char* caption;
    int alignment = 0;
    bool image = false;
};

// The FormProject with helpers that add search reports, their groups, filters and link cells.
class ReportProject : public FormProject
{
public:
    ApplicationReport& AddReport(const char* name, int kind, bool withFiles = false)
    {
        auto* report = new ApplicationReport;
        report->SetName(name);
        report->SetReportKind(kind);
        report->SetModule(&Base());
        Base().AddReport(report);
        if (withFiles)
        {
            auto* file = new AspxFile;
            file->SetOwnerKind(AspFile::reportOwner);
            file->SetOwnerPage(report);
            report->AddAspFile(file);
        }
        return *report;
    }

    // An RDLC report with its ASP.NET page file and its definition, which names no dataset; with
    // written set, the definition's file lies in the application folder.
    RDLCReport& AddRDLCReport(const char* name, bool written)
    {
        auto* report = new RDLCReport;
        report->SetName(name);
        auto* definition = new RDLCInfo;
        definition->SetName(CString(name) + ".rdlc");
        Project().AddRDLCInfo(definition);
        report->SetRDLCInfo(definition);
        if (written)
            WriteHostFile(Root() / "Shop" / "Shop" / (std::string(name) + ".rdlc"), "<Report/>\n");
        report->SetModule(&Base());
        Base().AddRDLCReport(report, false);
        auto* file = new AspxFile;
        file->SetOwnerKind(AspFile::rdlcReportOwner);
        file->SetOwnerPage(report);
        report->AddAspFile(file);
        return *report;
    }

    // A filter of the group on the orders field.
    FieldRep& AddFilter(ReportGroup& group, const char* field, int kind)
    {
        auto* control = new FieldRep(OrdersField(field));
        auto* data = new FieldRepData;
        data->SetControlKind(kind);
        control->AttachFieldRepData(data);
        group.AddFilter(control);
        return *control;
    }

    // A group calling the table's class function, its parameters fed by the named fields.
    ReportGroup& AddGroup(ApplicationReport& report, Table& table, const char* function,
                          std::initializer_list<Field*> sources,
                          std::initializer_list<ColumnSpec> columns)
    {
        Class* dataClass = Project().GetClassForTable(&table, false);
        auto* call = new ClassInvokation;
        Function* called = dataClass->FindFunctionByName(function);
        call->SetFunction(dataClass, called);
        std::size_t index = 0;
        for (Field* source : sources)
            call->AddParameterMap(called->GetParameters()[index++], source);
        auto* group = new ReportGroup(&report, call);
        for (const ColumnSpec& spec : columns)
        {
            auto* column = new ReportField;
            column->AdoptFieldInfo(new ProcedureFieldInfo(table.FindFieldByName(spec.field),
                                                          ProcedureFieldInfo::noAggregate));
            column->SetName(spec.caption);
            column->SetAlignment(spec.alignment);
            column->SetImageFromFileContent(spec.image);
            group->AddReportField(column);
        }
        report.AddReportGroup(group);
        return *group;
    }

    Field* OrdersField(const char* name) { return OrdersForm().GetTable()->FindFieldByName(name); }

    // An int field of no table, owned by the fixture, to feed a parameter.
    Field& LooseField(const char* name)
    {
        m_looseFields.push_back(std::make_unique<Field>());
        m_looseFields.back()->Set(name, name, FieldTypeInt, 8, 0, nullptr, "", false, false, true,
                                  false, false);
        return *m_looseFields.back();
    }

    // The column links to the orders Update page with the customer of the row and a variable.
    void LinkToOrders(ReportField& column) { LinkToPage(column, *OrdersForm().GetAspFiles()[1]); }

    // The column links to the page with the customer of the row and a variable.
    void LinkToPage(ReportField& column, AspFile& page)
    {
        column.SetAspFile(&page);
        auto* fromRow = new ReportFieldBinding;
        fromRow->m_target = Own("customer");
        m_sourceInfos.push_back(std::make_unique<ProcedureFieldInfo>(
            OrdersField("customer_id"), ProcedureFieldInfo::noAggregate));
        fromRow->m_sourceColumn = m_sourceInfos.back().get();
        column.AddBinding(fromRow);
        auto* fromVariable = new ReportFieldBinding;
        fromVariable->m_target = Own("mode");
        fromVariable->m_sourceVariable = Own("view");
        column.AddBinding(fromVariable);
    }

private:
    Variable* Own(const char* name)
    {
        m_variables.push_back(std::make_unique<Variable>());
        m_variables.back()->SetName(name);
        return m_variables.back().get();
    }

    std::vector<std::unique_ptr<Variable>> m_variables;
    std::vector<std::unique_ptr<ProcedureFieldInfo>> m_sourceInfos;
    std::vector<std::unique_ptr<Field>> m_looseFields;
};

// A page class around both methods, as the report page code-behind holds them.
inline std::string ReportClass(ReportProject& fixture, ApplicationReport& report)
{
    TextFile out(false, false, '=', 60);
    out.Write(0, "using System;\nusing System.Data;\nusing System.IO;\nusing System.Xml;\n"
                 "using System.Xml.Xsl;\n");
    out.Write(0, "namespace Shop\n{\n");
    out.Write(1, "public partial class %s : System.Web.UI.Page\n", report.GetFormName());
    out.Write(1, "{\n");
    out.Write(2, "String m_recordId = \"\";\n");
    out.Write(2, "String m_messageString = \"\";\n");
    out.Write(2, "protected System.Web.UI.HtmlControls.HtmlGenericControl reportDiv;\n");
    ReportXmlCodeWriter writer(&report, &fixture.Project());
    writer.WriteDataMethod(&out, 2, "GetXMLDataForReport");
    writer.WriteServerMethod(&out, 2, "WriteReportServer");
    out.Write(1, "}\n");
    out.Write(0, "}\n");
    return std::string(out.GetBuffer().GetString());
}

// The sources compile with the Util library and the data classes of the base module into the
// library at output; the filter members m_<id> of report pages are declared also when nothing
// reads them.
inline ToolResult CompileWithUtilAndDataClasses(const std::filesystem::path& application,
                                                std::string sources,
                                                const std::filesystem::path& output)
{
    for (const std::filesystem::directory_entry& entry :
         std::filesystem::directory_iterator(application / "BaseModule" / "CS"))
        sources += " " + ShellQuoted(entry.path());
    const ToolResult library = CompileUtilLibrary(application);
    if (library.exitCode != 0)
        return library;
    return RunTool(
        "mcs -warnaserror -nowarn:169,219,414 -target:library -out:" + ShellQuoted(output) +
        references + " -r:" + ShellQuoted(application / "Util" / "Util.dll") + sources);
}
