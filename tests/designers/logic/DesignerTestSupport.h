#pragma once

#include "designers/logic/ReportDesignerHost.h"
#include "editors/logic/ControlStates.h"
#include "editors/logic/EditorHost.h"
#include "entities/ApplicationReport.h"
#include "entities/Class.h"
#include "entities/ClassInvokation.h"
#include "entities/Function.h"
#include "entities/Menu.h"
#include "entities/Procedure.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/ReportCollector.h"
#include "entities/ReportGroup.h"
#include "entities/Variable.h"
#include "model/Field.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/Table.h"
#include "platform/core/ScriptedMessageBoxes.h"
#include "tests/editors/logic/EditorTestSupport.h"

#include <functional>
#include <string>
#include <vector>

// A variable of the kind on the page, without a field.
inline Variable* AddPageVariable(FormInterface& page, const char* name,
                                 int kind = Variable::pageKind)
{
    auto* variable = new Variable;
    variable->SetName(name);
    variable->SetKind(kind);
    page.AddFieldVariableMap(new FieldVariableMap{nullptr, variable});
    return variable;
}

// Selects the combo item that reads the text; the selection stays when none does.
inline void SelectItem(ControlStates& states, int id, const char* text)
{
    const std::vector<CString>& items = states.GetItems(id);
    for (std::size_t i = 0; i < items.size(); ++i)
    {
        if (items[i] == text)
            states.Select(id, static_cast<int>(i));
    }
}

// Records what a designer asks of the window around it, one line per request of either host in
// the order asked, and plays the sub-dialogs with the test's answers (a dialog without an answer
// is cancelled). A designer takes it as its editors' host and as its report designers' host.
class RecordingDesignerHost : public EditorHost, public ReportDesignerHost
{
public:
    void UpdateFieldItemText(const Table&, const Field&) override { calls.push_back("field"); }
    void UpdateTableItemNames(const Table&) override { calls.push_back("table"); }
    void UpdateFormItemText(const FormInterface& page) override
    {
        calls.push_back("page item " + page.GetFormName());
    }
    void RefreshTree() override { calls.push_back("refresh tree"); }
    void ShowStartPage() override { calls.push_back("start page"); }
    void AddProcedureItem(Module&, Procedure&) override { calls.push_back("procedure item"); }
    void AddUserFunctionItem(Module&, Function&) override { calls.push_back("function item"); }
    void AddTransactionItem(Module&, Transaction&) override { calls.push_back("transaction item"); }
    void UpdateProcedureItemText(const Procedure& procedure) override
    {
        calls.push_back("rename " + procedure.GetName());
    }
    void UpdateMenuItemText(const Menu& menu) override
    {
        calls.push_back("menu item " + menu.GetName());
    }
    bool ConfirmWarning(const CString& message) override
    {
        calls.push_back("warning " + message);
        return warningAnswer;
    }
    void EditVariables(std::vector<FieldVariableMap*>&, FormInterface*) override
    {
        calls.push_back("variables");
    }
    bool AssignProcedure(ProcedureAssigner& assigner) override
    {
        calls.push_back("assign procedure");
        return assignProcedure && assignProcedure(assigner);
    }
    void EditRelations(Procedure&) override { calls.push_back("relations"); }
    void EditOutputFields(Function&) override { calls.push_back("output fields"); }
    void AddApplicationReportItem(Module& module, ApplicationReport& report) override
    {
        calls.push_back("report item " + module.GetName() + " " + report.GetFormName());
    }
    void AddReportCollectorItem(Module& module, ReportCollector& collector) override
    {
        calls.push_back("collector item " + module.GetName() + " " + collector.GetFormName());
    }
    bool AssignFunction(FormInterface&, ClassInvokation& invokation, bool allowChange) override
    {
        calls.push_back(allowChange ? "assign function" : "map parameters");
        return assignFunction && assignFunction(invokation);
    }
    void EditLinkControls(FormInterface&) override { calls.push_back("link controls"); }
    void EditControlSettings(FormInterface&, FieldRep&) override
    {
        calls.push_back("control settings");
    }
    void EditReportFilters(ReportGroup&) override { calls.push_back("filters"); }
    void EditReportColumns(ReportGroup&) override { calls.push_back("columns"); }
    void EditReportFieldSettings(ReportGroup&, ReportField&, Module*) override
    {
        calls.push_back("column settings");
    }
    bool EditGroupHeader(ReportGroup&, GroupHeader& header) override
    {
        calls.push_back("group header");
        return editGroupHeader && editGroupHeader(header);
    }
    bool EditChartData(ApplicationReport&, int groupIndex, GraphData& chart) override
    {
        calls.push_back("chart data " + CString(std::to_string(groupIndex)));
        return editChart && editChart(chart);
    }

    bool warningAnswer = true;
    std::function<bool(ClassInvokation&)> assignFunction;
    std::function<bool(ProcedureAssigner&)> assignProcedure;
    std::function<bool(GroupHeader&)> editGroupHeader;
    std::function<bool(GraphData&)> editChart;
    std::vector<CString> calls;
};

// A new project with, in its current module, the tables publisher (key id, name) and book (key
// id, title, publisher_id a foreign key to publisher.id), and the data class "Books" with the
// functions "ListBooks" (book's fields) and "ListPublishers" (publisher's fields), each field an
// output column; the class "Extra" has "Other" over the publisher's name.
class ReportProject
{
public:
    ReportProject()
    {
        project.InitNewProject();
        Module& module = Current();
        publisher = AddTable(module, "publisher", {"id", "name"});
        book = AddTable(module, "book", {"id", "title", "publisher_id"});
        FieldOf(book, "publisher_id")->SetForeignField(FieldOf(publisher, "id"));
        FieldOf(book, "publisher_id")->SetForeignKey(true);
        books = AddClass(module, "Books");
        listBooks = AddFunction(*books, "ListBooks", book->GetFields());
        listPublishers = AddFunction(*books, "ListPublishers", publisher->GetFields());
        extra = AddClass(module, "Extra");
        other = AddFunction(*extra, "Other", {FieldOf(publisher, "name")});
    }
    ReportProject(const ReportProject&) = delete;
    ReportProject& operator=(const ReportProject&) = delete;

    Module& Current() { return *project.GetCurrentModule(); }

    static Field* FieldOf(const Table* table, const char* name)
    {
        for (Field* field : table->GetFields())
        {
            if (field->GetFieldName() == name)
                return field;
        }
        return nullptr;
    }

    // A host answer that chooses the function.
    static std::function<bool(ClassInvokation&)> Choose(Function* function)
    {
        return [function](ClassInvokation& call)
        {
            call.SetFunction(function->GetClass(), function);
            return true;
        };
    }

    // A stored report of the current module named so, populated by the function.
    ApplicationReport* AddReport(const char* name, Function* function)
    {
        auto* report = new ApplicationReport;
        report->SetName(name);
        report->SetTitle(name);
        auto* call = new ClassInvokation;
        call->SetFunction(function->GetClass(), function);
        report->AddReportGroup(new ReportGroup(report, call));
        Current().AddReport(report, true);
        return report;
    }

    ForgeonProject project;
    Table* publisher = nullptr;
    Table* book = nullptr;
    Class* books = nullptr;
    Class* extra = nullptr;
    Function* listBooks = nullptr;
    Function* listPublishers = nullptr;
    Function* other = nullptr;

private:
    static Table* AddTable(Module& module, const char* name, std::vector<const char*> fields)
    {
        auto* table = new Table;
        table->SetTableName(name);
        for (const char* fieldName : fields)
        {
            auto* field = new Field;
            field->SetFieldName(fieldName);
            field->SetType(CString(fieldName) == "id" ? 0 : 4);
            field->SetKey(CString(fieldName) == "id");
            field->SetTable(table);
            field->EnsureDisplayName();
            table->AddField(field);
        }
        module.AppendMasterTable(table);
        return table;
    }
    static Class* AddClass(Module& module, const char* name)
    {
        auto* dataClass = new Class;
        dataClass->SetName(name);
        module.Append(dataClass);
        return dataClass;
    }
    static Function* AddFunction(Class& owner, const char* name, const std::vector<Field*>& fields)
    {
        auto* function = new Function;
        function->SetName(name);
        function->SetClass(&owner);
        for (Field* field : fields)
            function->AddOutputField(new ProcedureFieldInfo(field, 6));
        owner.AddFunction(function);
        return function;
    }
};
