#pragma once

#include "entities/ApplicationReport.h"
#include "entities/AspFile.h"
#include "entities/AspxFile.h"
#include "entities/ChangeEventHandle.h"
#include "entities/Class.h"
#include "entities/ClassInvokation.h"
#include "entities/ColumnGraphData.h"
#include "entities/DashBoard.h"
#include "entities/DashBoardCellInfo.h"
#include "entities/DashBoardPage.h"
#include "entities/DashBoardPageData.h"
#include "entities/DateValidation.h"
#include "entities/DependentData.h"
#include "entities/DerivedField.h"
#include "entities/Designation.h"
#include "entities/DetailTableReport.h"
#include "entities/Form.h"
#include "entities/FormulaTreeNode.h"
#include "entities/Function.h"
#include "entities/GraphData.h"
#include "entities/Grid.h"
#include "entities/GridCell.h"
#include "entities/LinkControl.h"
#include "entities/LoginPage.h"
#include "entities/MapForm.h"
#include "entities/Menu.h"
#include "entities/MultiPageData.h"
#include "entities/MultiPageReport.h"
#include "entities/Parameter.h"
#include "entities/PieChartData.h"
#include "entities/Procedure.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/ProcedureInvokation.h"
#include "entities/ProcedureTable.h"
#include "entities/RDLCInfo.h"
#include "entities/RDLCReport.h"
#include "entities/ReportCollector.h"
#include "entities/ReportField.h"
#include "entities/ReportFieldControlProperty.h"
#include "entities/ReportGroup.h"
#include "entities/TableAdapter.h"
#include "entities/Transaction.h"
#include "entities/UniquenessProcedureTable.h"
#include "entities/Variable.h"
#include "entities/XSDInfo.h"
#include "model/EventRecmpFields.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/FieldVisibility.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/ProjectSettings.h"
#include "model/RefField.h"
#include "model/Relation.h"
#include "model/Table.h"
#include "model/ValidationData.h"
#include "model/VisibilityData.h"
#include "tests/model/ModelBuilders.h"

#include <memory>
#include <vector>

// A project that holds objects of every class the current file layout stores, with objects
// shared between entities: a base module with one of each entity and a second module that is
// the current one.
class EveryClassProject
{
public:
    EveryClassProject() : m_project(new ForgeonProject)
    {
        auto* settings = new ProjectSettings;
        settings->SetProjectName("Shop");
        m_project->SetProjectSettings(settings);
        Module* base = NewModule("BaseModule", 1);
        Module* second = NewModule("Module2", 2);
        second->AppendMasterTable(NewTable("supplier", Table::masterKind));
        m_project->AddModule(base);
        m_project->AddModule(second);
        m_project->SetCurrentModule(second);
        FillBaseModule(*base);
        // A table of the other module keys the base module's customers.
        AddVarcharField(second->GetMasterTables().front(), "customer_ref",
                        m_customer->GetPrimaryKeyField());
    }
    ~EveryClassProject() { delete m_project; }
    EveryClassProject(const EveryClassProject&) = delete;
    EveryClassProject& operator=(const EveryClassProject&) = delete;

    ForgeonProject* GetProject() const { return m_project; }
    ForgeonProject* ReleaseProject() { return std::exchange(m_project, nullptr); }

private:
    static Variable* NewVariable(const char* name)
    {
        auto* variable = new Variable;
        variable->SetName(name);
        variable->SetKind(Variable::pageKind);
        return variable;
    }

    static ProcedureInvokation* NewCall(Procedure* procedure)
    {
        auto* call = new ProcedureInvokation;
        call->SetProcedure(procedure);
        return call;
    }

    // A control of the field, carried by the variable, with captioned settings and every kind
    // of settings object.
    FieldRep* NewControl(Field* field, Variable* variable)
    {
        auto* control = new FieldRep(field);
        auto* data = new FieldRepData;
        data->SetCaption(field->GetDisplayName());
        data->SetVariable(variable);
        data->AddChangeEventHandle(new ChangeEventHandle);
        data->AddLinkControl(new LinkControl(m_topMenu, 0, 0, LinkControl::Left));
        auto* events = new EventRecmpFields;
        events->AddProcedureRecompute(control, NewCall(m_procedure));
        events->AddClassRecompute(control); // lists without one are dropped after a load
        data->AddEventRecmpFields(events);
        control->AttachFieldRepData(data);
        auto* validation = new ValidationData;
        validation->AddDateValidation(
            new DateValidation(variable, 1, NewCall(m_procedure), m_outputColumn));
        auto* dependent = new DependentData;
        dependent->SetName("dependents");
        validation->AddDependentData(dependent);
        control->SetValidationData(validation);
        return control;
    }

    // A master form on the customer table with a control, maps, page files and a grid.
    Form* NewCustomerForm(const char* name)
    {
        auto* form = NewPage<Form>(name);
        form->SetTable(m_customer);
        form->SetHeader("Customers");
        auto* variable = NewVariable("name");
        form->AddFieldVariableMap(new FieldVariableMap{m_customerName, variable});
        Field* key = m_customer->GetPrimaryKeyField();
        form->AddFieldVariableMap(new FieldVariableMap{key, NewVariable("customer_id")});
        FieldRep* control = NewControl(m_customerName, variable);
        form->AddFieldRep(control);
        auto* refField = new RefField(NewLooseField("region"), m_product);
        form->AddRefField(refField);
        auto* derived = new DerivedField(NewLooseField("total"), m_customer);
        derived->SetFormula(new FormulaTreeNode);
        form->AddDerivedField(derived);
        form->AddUniquenessProcedureTable(
            new UniquenessProcedureTable(m_customer, NewCall(m_procedure)));
        form->AddProcedureTable(
            new ProcedureTable(m_customer, NewCall(m_procedure), ProcedureTable::recordUpdateKind));
        form->AddPreLink(new LinkControl(m_topMenu, 0, 0, LinkControl::Center));
        auto* grid = new Grid(1, 1);
        grid->GetRows().front().front()->SetCellData(control, GridCell::kFieldRep);
        form->SetGrid(grid);
        auto* file = new AspFile;
        file->SetFileKind(1);
        file->SetOwnerPage(form);
        auto* visibility = new FieldVisibility(m_customerName);
        auto* visibilityData = new VisibilityData;
        visibilityData->SetDataProcedure(NewCall(m_procedure));
        visibilityData->SetResultField(m_outputColumn);
        visibility->SetVisibilityData(visibilityData);
        file->AddFieldVisibility(visibility);
        form->AddAspFile(file);
        form->CreateAspFile(2, 0);
        return form;
    }

    void FillBaseModule(Module& module)
    {
        m_customer = NewTable("customer", Table::masterKind);
        m_customerName = AddVarcharField(m_customer, "name");
        m_product = NewTable("product", Table::masterKind);
        m_productCategory = AddVarcharField(m_product, "category");
        AddVarcharField(m_product, "maker_ref", m_customer->GetPrimaryKeyField());
        Table* basic = NewTable("orders_basic", Table::masterDetailKind);
        Table* detail = NewTable("orders_detail", Table::masterDetailKind);
        AddVarcharField(detail, "order_ref", basic->GetPrimaryKeyField());
        Table* mapTable = NewTable("customer_product", Table::mapKind);
        AddVarcharField(mapTable, "customer_ref", m_customer->GetPrimaryKeyField());
        module.AppendMasterTable(m_customer);
        module.AppendMasterTable(m_product);
        module.AppendTransactionTable(basic);
        module.AppendTransactionTable(detail);
        module.AppendMapTable(mapTable);

        m_procedure = new Procedure;
        m_procedure->SetName("PRC_customer_SelectAll");
        m_procedure->SetKind(Procedure::standardKind);
        m_procedure->SetMainTable(m_customer);
        m_procedure->AddTable(m_customer);
        m_procedure->AddTable(m_product);
        m_outputColumn = new ProcedureFieldInfo(m_customerName, ProcedureFieldInfo::noAggregate);
        m_procedure->AddOutputColumn(m_outputColumn);
        auto* relation = new Relation;
        relation->SetFirstTable(m_customer);
        relation->SetSecondTable(m_product);
        relation->AddJoinField(m_customer->GetPrimaryKeyField());
        relation->AddJoinField(m_product->GetPrimaryKeyField());
        m_procedure->AddRelation(relation);
        auto* parameterVariable = NewVariable("name_Param");
        m_procedure->AddFieldParameterPair(m_customerName, parameterVariable);
        m_procedure->AddVariationVariable(parameterVariable);
        auto* derivedProcedure = new Procedure;
        derivedProcedure->SetName("PRC_customer_SelectAll_Derived");
        derivedProcedure->SetKind(Procedure::derivedKind);
        m_procedure->AddDerivedProcedure(derivedProcedure);
        module.Append(m_procedure);

        m_topMenu = new Menu;
        m_topMenu->SetName("Main");
        auto* subMenu = new Menu;
        subMenu->SetName("Customers");
        m_topMenu->AddSubMenu(subMenu);
        module.Append(m_topMenu);

        auto* dataClass = new Class;
        dataClass->SetName("_customer");
        dataClass->SetTable(m_customer);
        auto* function = new Function;
        function->SetName("SelectAllRecords");
        function->SetClass(dataClass);
        function->SetTable(m_customer);
        auto* parameter = new Parameter;
        parameter->SetName("customer_id");
        function->AddParameter(parameter);
        function->AddOutputField(
            new ProcedureFieldInfo(m_customerName, ProcedureFieldInfo::noAggregate));
        function->AddUsedTable(m_customer);
        dataClass->AddFunction(function);
        auto* recordFunction = new Function;
        recordFunction->SetName("SelectRecord");
        recordFunction->SetClass(dataClass);
        recordFunction->SetTable(m_customer);
        recordFunction->AddOutputField(
            new ProcedureFieldInfo(m_customerName, ProcedureFieldInfo::noAggregate));
        recordFunction->AddUsedTable(m_product);
        recordFunction->AddOutputField(
            new ProcedureFieldInfo(m_productCategory, ProcedureFieldInfo::noAggregate));
        dataClass->AddFunction(recordFunction);
        module.Append(dataClass);

        Form* form = NewCustomerForm("CustomerForm");
        Form* secondForm = NewCustomerForm("CustomerForm2");
        module.Append(form);
        module.Append(secondForm);
        subMenu->SetAspFile(form->GetAspFiles().front());

        auto* report = NewPage<ApplicationReport>("CustomerReport");
        report->SetTable(m_customer);
        report->SetTitle("Customers");
        report->SetChartData(6, new PieChartData);
        auto* classCall = new ClassInvokation;
        classCall->SetFunction(dataClass, function);
        auto* group = new ReportGroup(report, classCall);
        auto* column = new ReportField;
        column->SetName("name");
        auto* property = new ReportFieldControlProperty;
        property->SetControl(new FieldRep(m_customerName));
        property->SetProcedure(m_procedure);
        column->SetControlProperty(property);
        group->AddReportField(column);
        auto* categoryColumn = new ReportField;
        categoryColumn->SetName("category");
        auto* categoryControl = new ReportFieldControlProperty;
        categoryControl->SetControl(new FieldRep(m_productCategory));
        categoryColumn->SetControlProperty(categoryControl);
        group->AddReportField(categoryColumn);
        report->AddReportGroup(group);
        module.Append(report);
        form->SetReport(report);
        // Bindings and maps that feed the form's variables from other pages.
        Variable* formName = form->FindVariableByName("name");
        column->AddBinding(new ReportFieldBinding{formName, nullptr, nullptr, m_outputColumn});
        property->AddBinding(new ReportFieldBinding{formName, nullptr, nullptr, nullptr});
        property->AddBinding(new ReportFieldBinding{nullptr, nullptr, nullptr, m_outputColumn});
        // A group fed by the procedure, showing its column, and the report's own call, which
        // gives the form's variable to the procedure's parameter.
        auto* procedureGroup = new ReportGroup(report, nullptr);
        procedureGroup->SetProcedureCall(NewCall(m_procedure));
        procedureGroup->AddReportField(new ReportField(m_outputColumn));
        report->AddReportGroup(procedureGroup);
        ProcedureInvokation* reportCall = NewCall(m_procedure);
        reportCall->AddVariablePair(new VariablePair{parameterVariable, formName});
        report->SetReportProcedureCall(reportCall);

        auto* columnChart = NewPage<ApplicationReport>("SalesChart");
        columnChart->SetChartData(3, new ColumnGraphData);
        module.Append(columnChart);
        auto* plainChart = NewPage<ApplicationReport>("TrendChart");
        plainChart->SetChartData(0, new GraphData);
        module.Append(plainChart);

        auto* transaction = NewPage<Transaction>("Orders");
        transaction->SetBasicTable(basic);
        transaction->AddDetailTable(detail);
        auto* detailReport = new DetailTableReport;
        detailReport->SetTable(detail);
        detailReport->SetReport(report);
        transaction->AddDetailTableReport(detailReport);
        // Fields the transaction takes from tables it is not built on.
        transaction->AddRefField(new RefField(NewLooseField("product_label"), m_product));
        auto* customerTotal = new DerivedField(NewLooseField("customer_total"), m_customer);
        customerTotal->SetFormula(new FormulaTreeNode);
        transaction->AddDerivedField(customerTotal);
        transaction->EnsureDefaultVariables();
        transaction->CreateDefaultAspFiles(1);
        // Links that feed the login page's variable and a variable the report detached.
        auto* loginPage = new LoginPage;
        loginPage->CreateDefaultControls();
        Variable* userName = loginPage->GetFieldVariableMaps().front()->variable;
        auto* loginLink = new LinkControl(subMenu, 0, 0, LinkControl::Left);
        loginLink->AddVariableMap(new LinkVariableMap{nullptr, userName});
        transaction->AddPreLink(loginLink);
        report->AddReportVariableForField(m_customerName);
        Variable* detached = report->FindFieldVariableMapByField(m_customerName)->variable;
        report->DetachReportVariableForField(m_customerName);
        detached->SetKind(Variable::pageKind); // as the load leaves a linked variable
        auto* reportLink = new LinkControl(subMenu, 0, 0, LinkControl::Left);
        reportLink->AddVariableMap(new LinkVariableMap{nullptr, detached});
        transaction->AddPreLink(reportLink);
        auto* formLink = new LinkControl(subMenu, 0, 0, LinkControl::Left);
        formLink->AddVariableMap(new LinkVariableMap{nullptr, formName});
        transaction->AddPreLink(formLink);
        transaction->GetAspFiles().front()->SetTopMenu(m_topMenu);
        transaction->GetAspFiles().front()->AddTopMenuVariableMap(
            MenuVariableMap{subMenu, {{formName, nullptr}}});
        module.Append(transaction);

        auto* dashBoard = NewPage<DashBoard>("Board");
        dashBoard->SetProcedureInvokation(NewCall(m_procedure));
        auto* boardCall = new ClassInvokation;
        boardCall->SetFunction(dataClass, function);
        dashBoard->SetClassInvokation(boardCall);
        auto* boardGrid = new Grid(1, 1);
        auto* cellInfo = new DashBoardCellInfo(false);
        cellInfo->SetCaption("Customers");
        cellInfo->SetMenu(subMenu);
        cellInfo->AddDisplayField(m_outputColumn, "Name");
        boardGrid->GetRows().front().front()->SetCellData(cellInfo, GridCell::kDashBoardCellInfo);
        dashBoard->SetGrid(boardGrid);
        module.Append(dashBoard);

        auto* home = NewPage<DashBoardPage>("Home");
        auto* placement = new DashBoardPageData(dashBoard);
        placement->SetProcedureInvokation(NewCall(m_procedure));
        home->AddPlacement(placement);
        module.Append(home);

        auto* role = new Designation(TRUE);
        role->SetName("admin");
        role->AddMenu(m_topMenu);
        role->SetDashBoardPage(home);
        module.Append(role);

        auto* rdlcInfo = new RDLCInfo;
        rdlcInfo->SetName("BaseModule\\Printout.rdlc");
        rdlcInfo->AddEntry(RDLCDataSetEntry{"Customers", "customerTableAdapter", "customer"});
        auto* xsdInfo = new XSDInfo;
        xsdInfo->SetFilePath("BaseModule\\Printout.xsd");
        auto* adapter = new TableAdapter;
        adapter->SetName("customerTableAdapter");
        adapter->AddColumnName("name");
        xsdInfo->AddTableAdapter(adapter);
        m_project->AddRDLCInfo(rdlcInfo);
        m_project->AddXSDInfo(xsdInfo);
        auto* printout = NewPage<RDLCReport>("Printout");
        printout->SetRDLCInfo(rdlcInfo);
        printout->SetXSDInfo(xsdInfo);
        printout->SetTable(m_customer);
        printout->AddTableAdapterMap(
            TableAdapterMap{adapter, {ColumnFieldPair{"name", m_customerName}}});
        module.Append(printout);

        auto* mapForm = NewPage<MapForm>("CustomerProduct");
        mapForm->SetMappingTable(mapTable);
        mapForm->AddTopField(mapTable->GetPrimaryKeyField());
        mapForm->EnsureReportFiles();
        module.Append(mapForm);

        auto* multiPage = NewPage<MultiPageReport>("Pages");
        auto* page = new MultiPageData(report);
        page->SetProcedureCall(NewCall(m_procedure));
        multiPage->AddPage(page);
        module.Append(multiPage);

        module.Append(NewPage<ReportCollector>("Collector"));

        loginPage->SetLoginCall(NewCall(m_procedure));
        loginPage->SetUserNameField(m_customerName);
        loginPage->SetDesignationField(m_productCategory);
        module.AdoptLoginPage(loginPage);

        // The table's search report shows the output columns of the class's first function.
        module.CreateSearchReport(m_customer);

        // Every kind of page has a call of its own.
        std::vector<FormInterface*> pages;
        module.GetAllPages(pages);
        pages.push_back(loginPage);
        for (FormInterface* each : pages)
            each->SetProcedureCall(NewCall(m_procedure));
    }

    ForgeonProject* m_project;
    Table* m_customer = nullptr;
    Field* m_customerName = nullptr;
    Table* m_product = nullptr;
    Field* m_productCategory = nullptr;
    Procedure* m_procedure = nullptr;
    ProcedureFieldInfo* m_outputColumn = nullptr;
    Menu* m_topMenu = nullptr;
};
