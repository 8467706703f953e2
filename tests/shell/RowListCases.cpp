#include "tests/shell/RowListCases.h"

#include "designers/DashBoardDlg.h"
#include "designers/DashBoardPageDlg.h"
#include "designers/GridDlgs.h"
#include "designers/RDLCParamMapDlg.h"
#include "designers/ReportColumnDlg.h"
#include "designers/ReportFieldCtrlPropDlg.h"
#include "designers/ReportFieldPropDlg.h"
#include "designers/ReportFilterDlg.h"
#include "designers/logic/DashBoardCellEditor.h"
#include "designers/logic/DashBoardDesigner.h"
#include "designers/logic/DashBoardPageDesigner.h"
#include "editors/AdjustFieldRepsDlg.h"
#include "editors/AssignFunctionDlg.h"
#include "editors/AssignProcedureDlg.h"
#include "editors/FieldRepDlg.h"
#include "editors/FieldVisibilityDlg.h"
#include "editors/LinkDialogs.h"
#include "editors/MapFormDlg.h"
#include "editors/MenuDlg.h"
#include "editors/ProcedureDlg.h"
#include "editors/ProcedureFieldInfoDlg.h"
#include "editors/RefFieldDialog.h"
#include "editors/RelationDlg.h"
#include "editors/TableDialog.h"
#include "editors/ViewEditorHost.h"
#include "editors/logic/TableDesigner.h"
#include "entities/ApplicationReport.h"
#include "entities/AspFile.h"
#include "entities/Class.h"
#include "entities/ClassInvokation.h"
#include "entities/DashBoard.h"
#include "entities/DashBoardCellInfo.h"
#include "entities/DashBoardPage.h"
#include "entities/DashBoardPageData.h"
#include "entities/Designation.h"
#include "entities/Form.h"
#include "entities/FormInterface.h"
#include "entities/Function.h"
#include "entities/Grid.h"
#include "entities/GridCell.h"
#include "entities/LinkControl.h"
#include "entities/MapForm.h"
#include "entities/Menu.h"
#include "entities/MultiPageData.h"
#include "entities/MultiPageReport.h"
#include "entities/Parameter.h"
#include "entities/Procedure.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/ProcedureInvokation.h"
#include "entities/RDLCReport.h"
#include "entities/ReportCollector.h"
#include "entities/ReportField.h"
#include "entities/ReportFieldControlProperty.h"
#include "entities/ReportGroup.h"
#include "entities/TableAdapter.h"
#include "entities/Transaction.h"
#include "entities/Variable.h"
#include "merge/MergeDependencyCollector.h"
#include "model/EventRecmpFields.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/FieldVisibility.h"
#include "model/Module.h"
#include "model/RefField.h"
#include "model/Relation.h"
#include "model/Table.h"
#include "platform/core/CObject.h"
#include "shell/DesignationDlg.h"
#include "shell/ForgeonView.h"
#include "shell/MergeDependencyDlg.h"
#include "tests/editors/logic/DesignedProject.h"
#include "tests/editors/logic/LinkedPages.h"
#include "tests/model/ModelBuilders.h"

#include <utility>
#include <vector>

namespace
{
// The view of the right pane, of its class.
template <class View> View& PaneViewOf(RunningProgram& program, RightPane pane)
{
    return dynamic_cast<View&>(*program.Frame().GetRightPaneView(pane));
}

// The entity opened in the editor of the pane, as the tree opens it (null: a new one).
template <class View = CWnd>
View& OpenInPane(RunningProgram& program, RightPane pane, CObject* entity)
{
    program.Frame().GetTreeView()->EditEntity(pane, entity);
    return PaneViewOf<View>(program, pane);
}

// A page variable of the name added to the page.
Variable* AddPageVariable(FormInterface& page, const CString& name)
{
    auto* variable = new Variable;
    variable->SetName(name);
    variable->SetKind(Variable::pageKind);
    page.AddFieldVariableMap(new FieldVariableMap{nullptr, variable});
    return variable;
}

// A pair of the variables.
VariablePair* NewPair(Variable* first, Variable* second)
{
    auto* pair = new VariablePair;
    pair->first = first;
    pair->second = second;
    return pair;
}

// The program's project with the tables publisher, author and book (master-detail) made in the
// table designer with their pages, reports, procedures and menus.
Module& DesignedModule(RunningProgram& program)
{
    RecordingHost host;
    DesignedProject::DesignTables(program.Project(), host);
    program.Frame().RefreshTree();
    return *program.Project().GetCurrentModule();
}

// A master table "customer" with the fields name, city and phone after its key and flag, shown
// in the table designer.
void OpenTableDesigner(RunningProgram& program, const RowListWalk& walk)
{
    program.Frame().EditTable(nullptr, Table::masterKind);
    auto& view = PaneViewOf<TableDialog>(program, RightPane::TableView);
    DialogDriver user(view);
    ASSERT_TRUE(user.SetText(TableDesigner::IDC_TABLE_NAME, "Customer"));
    for (const char* name : {"name\n", "city\n", "phone\n"})
        ASSERT_TRUE(user.TypeKeys(TableDesigner::IDC_FIELD_NAME, name));
    ASSERT_TRUE(user.Click(TableDesigner::IDC_OK));
    program.Frame().EditTable(program.Project().FindTableByName("customer"), Table::masterKind);
    walk(view, 0);
}

// A page's variables "title", "city" and "zip" in Manage Variables.
void OpenVariables(RunningProgram& program, const RowListWalk& walk)
{
    Form page;
    for (const char* name : {"title", "city", "zip"})
        AddPageVariable(page, name);
    program.dialogs.Answer(
        [&walk](CDialog& dialog, DialogDriver& user)
        {
            walk(dialog, 0);
            user.PressOk();
        });
    ViewEditorHost::Get().EditVariables(page.EditFieldVariableMaps(), &page);
}

// A 1 x 2 grid whose cells hold the captions "Masters" and "Hello" in the dashboard designer.
void OpenDashBoardDesigner(RunningProgram& program, const RowListWalk& walk)
{
    auto& view = OpenInPane<DashBoardDlg>(program, RightPane::DashBoardView, nullptr);
    DialogDriver user(view);
    CTreeCtrl& tree = view.GetTree();
    program.dialogs.Answer(
        [](CDialog&, DialogDriver& size)
        {
            ASSERT_TRUE(size.SetText(GridSizeInput::IDC_NUM_ROWS, "1"));
            ASSERT_TRUE(size.SetText(GridSizeInput::IDC_NUM_COLUMNS, "2"));
            ASSERT_TRUE(size.PressOk());
        });
    ASSERT_TRUE(user.Click(DashBoardDesigner::IDC_ADD));
    // The tree is filled again after each change.
    const auto cell = [&tree](int index)
    {
        HTREEITEM item = tree.GetChildItem(tree.GetChildItem(tree.GetRootItem()));
        for (int skipped = 0; skipped < index && item != nullptr; ++skipped)
            item = tree.GetNextSiblingItem(item);
        return item;
    };
    for (int index : {0, 1})
    {
        const char* caption = index == 0 ? "Masters" : "Hello";
        program.dialogs.Answer(
            [caption](CDialog&, DialogDriver& editor)
            {
                ASSERT_TRUE(editor.SetText(DashBoardCellEditor::IDC_CAPTION, caption));
                ASSERT_TRUE(editor.PressOk());
            });
        ASSERT_TRUE(user.RightClickTreeItem(DashBoardDesigner::IDC_TREE, cell(index),
                                            DashBoardDesigner::kAddMenu));
    }
    walk(view, 0);
}

// The module's two dashboards placed on a new dashboard page.
void OpenDashBoardPage(RunningProgram& program, const RowListWalk& walk)
{
    auto& view = OpenInPane<DashBoardPageDlg>(program, RightPane::DashBoardPageView, nullptr);
    DialogDriver user(view);
    for (int index : {0, 1})
    {
        ASSERT_TRUE(user.Select(DashBoardPageDesigner::IDC_DASHBOARDS, index));
        ASSERT_TRUE(user.Click(DashBoardPageDesigner::IDC_ADD));
    }
    walk(view, DashBoardPageDesigner::IDC_PLACEMENTS);
}

// The master-detail form of book_basic and book_detail.
void OpenTransaction(RunningProgram& program, const RowListWalk& walk)
{
    Module& module = DesignedModule(program);
    program.Frame().EditTransaction(module.GetTransactions().front());
    walk(*program.Frame().GetRightPaneView(RightPane::TransactionView), 0);
}

// The menu editor of the base module's top menu: its "Menus" page, and its roles page on a role
// with the top menu and "Masters".
void OpenMenuEditor(RunningProgram& program, const RowListWalk& walk)
{
    Module& base = *program.Project().GetBaseModule();
    Menu* top = base.GetMenuAt(0);
    auto* clerk = new Designation(TRUE);
    clerk->SetName("Clerk");
    base.Append(clerk);
    clerk->AddMenu(top);
    clerk->AddMenu(top->FindSubMenuByName("Masters"));
    program.Frame().EditMenu(top);
    auto& view = PaneViewOf<MenuDlg>(program, RightPane::MenuView);
    walk(*view.Tabs().GetPage(0), 0);
    ASSERT_TRUE(DialogDriver(view).SelectTab(MenuDlg::IDC_TABS, 2));
    CWnd& roles = *view.Tabs().GetPage(2);
    ASSERT_TRUE(DialogDriver(roles).Select(MenuDesignation::IDC_ROLE,
                                           static_cast<int>(base.GetDesignations().size()) - 1));
    walk(roles, 0);
}

// The page "orders" of the base module over the table orders (Name, City, Kind), with its page
// file of kind 5 and a control and a variable for each field.
struct OrdersPage
{
    explicit OrdersPage(RunningProgram& program)
        : module(*program.Project().GetBaseModule()),
          table(NewTable("orders", Table::masterKind, {"Name", "City", "Kind"})),
          form(NewForm("orders", table))
    {
        module.AppendMasterTable(table);
        module.Append(form);
        form->CreateAspFile(5, AspFile::formOwner);
        for (const char* name : {"Name", "City", "Kind"})
        {
            form->AddFieldRepForField(table->FindFieldByName(name));
            form->AddVariableForField(table->FindFieldByName(name));
        }
    }
    FieldRep& Control(int index) const
    {
        return *form->GetFieldReps()[static_cast<std::size_t>(index)];
    }

    Module& module;
    Table* table;
    Form* form;
};

// The dialog shown modal; the script walks it and cancels it.
void WalkModal(RunningProgram& program, CDialog& dialog, const RowListWalk& walk, int advanced = 0)
{
    program.dialogs.Answer(
        [&walk, advanced](CDialog& shown, DialogDriver& user)
        {
            if (advanced != 0)
            {
                ASSERT_TRUE(user.Click(advanced));
            }
            walk(shown, 0);
            user.PressCancel();
        });
    dialog.DoModal();
}

// The reference fields Total and Price of orders on its page.
void OpenRefFields(RunningProgram& program, const RowListWalk& walk)
{
    OrdersPage orders(program);
    for (const char* name : {"Total", "Price"})
    {
        auto* field = new Field;
        field->SetFieldName(name);
        field->SetType(2);
        orders.form->AddRefField(new RefField(field, orders.table));
    }
    RefFieldDialog dialog(*orders.form, orders.table);
    WalkModal(program, dialog, walk);
}

// The controls of orders in Manage Form Controls.
void OpenFormControls(RunningProgram& program, const RowListWalk& walk)
{
    OrdersPage orders(program);
    AdjustFieldRepsDlg dialog(program.Project(),
                              {orders.table->GetFields().begin(), orders.table->GetFields().end()},
                              *orders.form, &orders.module);
    WalkModal(program, dialog, walk);
}

// The control Name with the links "Details" and "History", whose leaving recomputes City and Kind.
void OpenControlProperties(RunningProgram& program, const RowListWalk& walk)
{
    OrdersPage orders(program);
    FieldRep& name = orders.Control(0);
    for (const char* caption : {"Details", "History"})
        name.GetFieldRepData()->AddLinkControl(NewLink(caption));
    auto* changes = new EventRecmpFields;
    changes->SetEventKind(EventRecmpFields::OnBlur);
    changes->AddClassRecompute(&orders.Control(1));
    changes->AddClassRecompute(&orders.Control(2));
    name.GetFieldRepData()->AddEventRecmpFields(changes);
    FieldRepDlg dialog(program.Project(), *orders.form, name);
    WalkModal(program, dialog, walk, ControlPropertiesEditor::AdvancedButton);
}

// The page file of orders, whose Name is editable and City read only.
void OpenFieldVisibility(RunningProgram& program, const RowListWalk& walk)
{
    OrdersPage orders(program);
    AspFile* file = orders.form->GetAspFileAt(0);
    for (const auto& [name, kind] : {std::pair{"Name", FieldVisibility::Editable},
                                     std::pair{"City", FieldVisibility::ReadOnly}})
    {
        auto* visibility = new FieldVisibility(orders.table->FindFieldByName(name));
        visibility->SetVisibilityKind(kind);
        file->AddFieldVisibility(visibility);
    }
    FieldVisibilityDlg dialog(*orders.form, file);
    WalkModal(program, dialog, walk);
}

// The links "First" and "Second" of the orders page, and of its control Name, each to the menu
// "Invoices" whose page has the variables CustId and Region.
void AddLinks(RunningProgram& program, std::vector<LinkControl*>& links)
{
    Module& base = *program.Project().GetBaseModule();
    Menu* invoices = NewMenu("Invoices");
    base.GetMenuAt(0)->AddSubMenu(invoices);
    AddLinkedPage(base, "invoices", invoices, {"CustId", "Region"});
    for (const char* caption : {"First", "Second"})
    {
        LinkControl* link = NewLink(caption);
        link->SetTarget(invoices);
        links.push_back(link);
    }
}

void OpenPageLinks(RunningProgram& program, const RowListWalk& walk)
{
    OrdersPage orders(program);
    std::vector<LinkControl*> links;
    AddLinks(program, links);
    for (LinkControl* link : links)
        orders.form->AddPreLink(link);
    LinkControlDlg dialog(program.Project(), *orders.form);
    WalkModal(program, dialog, walk, LinkEditor::IDC_ADVANCED);
}

void OpenFieldLinks(RunningProgram& program, const RowListWalk& walk)
{
    OrdersPage orders(program);
    std::vector<LinkControl*> links;
    AddLinks(program, links);
    for (LinkControl* link : links)
        orders.Control(0).GetFieldRepData()->AddLinkControl(link);
    FieldLinkControlDlg dialog(program.Project(), orders.Control(0), *orders.form);
    WalkModal(program, dialog, walk, LinkEditor::IDC_ADVANCED);
}

// A function whose output fields are the alias fields Amount and Count.
void OpenOutputFields(RunningProgram& program, const RowListWalk& walk)
{
    Function function;
    for (const char* name : {"Amount", "Count"})
    {
        Field* alias = NewLooseField(name);
        function.AddAliasField(alias);
        function.AddOutputField(new ProcedureFieldInfo(alias, 0));
    }
    ProcedureFieldInfoDlg dialog(program.Project(), function);
    WalkModal(program, dialog, walk);
}

// A new procedure on author with the detail tables publisher and book_basic, the parameters name,
// born and publisher_id, the first two taken for variations.
void OpenProcedureEditor(RunningProgram& program, const RowListWalk& walk)
{
    DesignedModule(program);
    program.Frame().ShowRightPane(RightPane::ProcedureView);
    auto& view = PaneViewOf<ProcedureDlg>(program, RightPane::ProcedureView);
    view.LoadProcedure(nullptr);
    DialogDriver user(view);
    ASSERT_TRUE(user.Select(ProcedureEditor::IDC_MAIN_TABLE,
                            ComboIndexOf(view, ProcedureEditor::IDC_MAIN_TABLE, "author")));
    ASSERT_TRUE(user.Click(ProcedureEditor::IDC_ADD_MAIN_TABLE));
    for (const char* detail : {"publisher", "book_basic"})
    {
        ASSERT_TRUE(user.Select(ProcedureEditor::IDC_DETAIL_TABLE,
                                ComboIndexOf(view, ProcedureEditor::IDC_DETAIL_TABLE, detail)));
        ASSERT_TRUE(user.Click(ProcedureEditor::IDC_ADD_DETAIL_TABLE));
    }
    for (const char* field : {"name", "born", "publisher_id"})
    {
        ASSERT_TRUE(user.Select(ProcedureEditor::IDC_PARAMETER_TABLE, 0));
        ASSERT_TRUE(user.Select(ProcedureEditor::IDC_PARAMETER_FIELD,
                                ComboIndexOf(view, ProcedureEditor::IDC_PARAMETER_FIELD, field)));
        ASSERT_TRUE(user.SetText(ProcedureEditor::IDC_PARAMETER_NAME, field));
        ASSERT_TRUE(user.Click(ProcedureEditor::IDC_ADD_PARAMETER));
    }
    ASSERT_TRUE(user.SetCheck(ProcedureEditor::IDC_ALLOW_VARIATION, true));
    for (int row : {0, 1})
    {
        ASSERT_TRUE(user.ClickListRow(ProcedureEditor::IDC_PARAMETER_LIST, row));
        ASSERT_TRUE(user.Click(ProcedureEditor::IDC_SELECT_VARIATION));
    }
    walk(view, 0);
}

// The relations of a procedure on author that join publisher and book_basic to it.
void OpenRelations(RunningProgram& program, const RowListWalk& walk)
{
    DesignedModule(program);
    const ForgeonProject& project = program.Project();
    Procedure procedure;
    Table* author = project.FindTableByName("author");
    procedure.SetMainTable(author);
    for (const auto& [table, field] :
         {std::pair{"publisher", "publisher_id"}, std::pair{"book_basic", "author_id"}})
    {
        Table* other = project.FindTableByName(table);
        procedure.AddTable(other);
        auto* relation = new Relation;
        relation->SetFirstTable(other);
        relation->SetSecondTable(author);
        relation->AddJoinField(other->FindFieldByName(field));
        relation->AddJoinField(author->FindFieldByName(field));
        procedure.AddRelation(relation);
    }
    RelationDlg dialog(procedure);
    WalkModal(program, dialog, walk);
}

// The report "Sales" of the base module over the table orders (customer, total, region): its
// first group calls the class function List, its sub-groups Totals and Regions; each group
// filters on customer, total and region and shows the columns total and region.
struct SalesReport
{
    explicit SalesReport(RunningProgram& program)
        : module(*program.Project().GetBaseModule()),
          orders(NewTable("orders", Table::masterKind, {"customer", "total", "region"})),
          report(NewPage<ApplicationReport>("Sales"))
    {
        module.AppendMasterTable(orders);
        module.Append(report);
        Class* ordersClass = module.GetClassForTable(orders, true);
        for (const char* name : {"List", "Totals", "Regions"})
        {
            auto* function = new Function;
            function->SetName(name);
            for (const char* field : {"orders_id", "customer", "total", "region"})
                function->AddOutputField(new ProcedureFieldInfo(orders->FindFieldByName(field),
                                                                ProcedureFieldInfo::noAggregate));
            ordersClass->AddFunction(function);
            auto* call = new ClassInvokation;
            call->SetFunction(ordersClass, function);
            auto* group = new ReportGroup(report, call);
            report->AddReportGroup(group);
            for (const char* field : {"customer", "total", "region"})
            {
                auto* filter = new FieldRep(orders->FindFieldByName(field));
                filter->SetFieldRepData(new FieldRepData);
                group->AddFilter(filter);
            }
            for (int output : {2, 3})
                group->AddReportField(new ReportField(function->GetOutputFields()[output]));
            groups.push_back(group);
        }
    }
    ReportField& Column(int index) const { return *groups[0]->GetReportFields()[index]; }
    // The report Returns beside Sales, of no groups.
    ApplicationReport* AddReturns() const
    {
        auto* returns = NewPage<ApplicationReport>("Returns");
        module.Append(returns);
        return returns;
    }

    Module& module;
    Table* orders;
    ApplicationReport* report;
    std::vector<ReportGroup*> groups;
};

void OpenReportDesigner(RunningProgram& program, const RowListWalk& walk)
{
    SalesReport sales(program);
    walk(OpenInPane(program, RightPane::ReportView, sales.report), 0);
}

void OpenReportFilters(RunningProgram& program, const RowListWalk& walk)
{
    SalesReport sales(program);
    ReportFilterDlg dialog(*sales.groups[0], program.Project());
    WalkModal(program, dialog, walk);
}

void OpenReportColumns(RunningProgram& program, const RowListWalk& walk)
{
    SalesReport sales(program);
    ReportColumnDlg dialog(*sales.groups[0], program.Project());
    WalkModal(program, dialog, walk);
}

// The column total's button calls PRC_orders with the parameters customer and total, both fed.
void OpenColumnControl(RunningProgram& program, const RowListWalk& walk)
{
    SalesReport sales(program);
    Procedure* procedure = NewProcedure("PRC_orders", sales.orders);
    sales.module.AddProcedure(procedure);
    auto* property = new ReportFieldControlProperty;
    auto* button = new FieldRep;
    button->SetFieldRepData(new FieldRepData);
    button->GetFieldRepData()->SetControlKind(FieldRepData::Button);
    property->SetControl(button);
    property->SetProcedure(procedure);
    for (const char* name : {"customer", "total"})
    {
        auto* parameter = new Variable;
        parameter->SetName(name);
        procedure->AddFieldParameterPair(sales.orders->FindFieldByName(name), parameter);
        auto* binding = new ReportFieldBinding;
        binding->m_target = parameter;
        binding->m_sourceColumn = sales.Column(0).GetFieldInfo();
        property->AddBinding(binding);
    }
    sales.Column(0).SetControlProperty(property);
    ReportFieldCtrlPropDlg dialog(program.Project(), *sales.groups[0], sales.Column(0));
    WalkModal(program, dialog, walk);
}

// The column total links to the orders page, whose variables are Name, City and Kind.
void OpenColumnSettings(RunningProgram& program, const RowListWalk& walk)
{
    SalesReport sales(program);
    Form* page = NewForm("order_list", sales.orders);
    sales.module.Append(page);
    page->CreateAspFile(5, AspFile::formOwner);
    for (const char* name : {"customer", "total"})
        page->AddVariableForField(sales.orders->FindFieldByName(name));
    sales.Column(0).SetAspFile(page->GetAspFileAt(0));
    ReportFieldPropDlg dialog(program.Project(), *sales.groups[0], sales.Column(0), &sales.module);
    WalkModal(program, dialog, walk);
}

// The adapter OrdersTableAdapter maps its parameters @from and @to.
void OpenAdapterParameters(RunningProgram& program, const RowListWalk& walk)
{
    SalesReport sales(program);
    auto* report = NewPage<RDLCReport>("Sales_rdlc");
    sales.module.Append(report);
    auto* adapter = new TableAdapter;
    adapter->SetName("OrdersTableAdapter");
    TableAdapterMap map;
    map.m_tableAdapter = adapter;
    map.m_pairs = {{"@from", sales.orders->FindFieldByName("customer")},
                   {"@to", sales.orders->FindFieldByName("total")}};
    report->AddTableAdapterMap(map);
    RDLCParamMapDlg dialog(*report, *adapter);
    WalkModal(program, dialog, walk);
}

// The collector "Board" of the reports Sales and its copy Returns, filtered on customer and
// total.
void OpenReportCollector(RunningProgram& program, const RowListWalk& walk)
{
    SalesReport sales(program);
    ApplicationReport* returns = sales.AddReturns();
    auto* collector = NewPage<ReportCollector>("Board");
    sales.module.Append(collector);
    for (ApplicationReport* report : {sales.report, returns})
    {
        ReportCollectorEntry entry;
        entry.m_report = report;
        collector->AddReport(entry);
    }
    for (const char* name : {"customer", "total"})
        collector->AddFieldRepForField(sales.orders->FindFieldByName(name));
    walk(OpenInPane(program, RightPane::ReportCollectorView, collector), 0);
}

// The map form of the map table publication with the top fields publisher_id and author_id and,
// over reference fields named as output fields of its select-record procedure, two top input
// fields.
void OpenMapForm(RunningProgram& program, const RowListWalk& walk)
{
    RecordingHost host;
    DesignedProject::DesignTables(program.Project(), host);
    DesignedProject::DesignMapTable(program.Project(), host, /*withPages=*/false);
    program.Frame().RefreshTree();
    Table* publication = program.Project().FindTableByName("publication");
    Procedure* selectRecord = NewProcedure("PRC_publication_SelectRecord", publication);
    for (const char* name : {"publisher_id", "author_id"})
        selectRecord->AddOutputField(publication->FindFieldByName(name));
    program.Project().GetCurrentModule()->AddProcedure(selectRecord);
    program.Frame().EditMapForm(publication);
    auto& view = PaneViewOf<MapFormDlg>(program, RightPane::MapFormView);
    DialogDriver user(view);
    for (const char* field : {"publisher_id", "author_id"})
    {
        ASSERT_TRUE(user.Select(MapFormEditor::IDC_FIELDS,
                                ComboIndexOf(view, MapFormEditor::IDC_FIELDS, field)));
        ASSERT_TRUE(user.Click(MapFormEditor::IDC_ADD_FIELD));
    }
    for (const char* name : {"Publisher_ID", "Author_ID"})
    {
        program.dialogs.Answer(
            [name](CDialog&, DialogDriver& refFields)
            {
                ASSERT_TRUE(refFields.SetText(RefFieldEditor::NameBox, name));
                ASSERT_TRUE(refFields.Select(RefFieldEditor::TypeCombo, 4));
                ASSERT_TRUE(refFields.Click(RefFieldEditor::AddButton));
                refFields.PressOk();
            });
        ASSERT_TRUE(user.Click(MapFormEditor::IDC_ADD_REF_FIELD));
    }
    for (const char* name : {"Publisher_ID", "Author_ID"})
    {
        ASSERT_TRUE(user.Select(MapFormEditor::IDC_REF_FIELDS,
                                ComboIndexOf(view, MapFormEditor::IDC_REF_FIELDS, name)));
        program.dialogs.Answer([](CDialog&, DialogDriver& properties) { properties.PressOk(); });
        ASSERT_TRUE(user.Click(MapFormEditor::IDC_ADD_INPUT));
    }
    walk(view, 0);
}

// The roles Clerk and Manager of the base module, with the dashboard pages Front and Back.
void OpenRoles(RunningProgram& program, const RowListWalk& walk)
{
    Module& base = *program.Project().GetBaseModule();
    for (const auto& [name, pageName] : {std::pair{"Clerk", "Front"}, std::pair{"Manager", "Back"}})
    {
        auto* page = NewPage<DashBoardPage>(pageName);
        base.Append(page);
        auto* role = new Designation(TRUE);
        role->SetName(name);
        role->SetDashBoardPage(page);
        base.Append(role);
    }
    DesignationDlg dialog(program.Project());
    WalkModal(program, dialog, walk);
}

// A call of PRC_orders whose parameters customer and total take the page's variables.
void OpenProcedureCall(RunningProgram& program, const RowListWalk& walk)
{
    OrdersPage orders(program);
    Procedure* procedure = NewProcedure("PRC_orders", orders.table);
    orders.module.AddProcedure(procedure);
    ProcedureInvokation call;
    call.SetProcedure(procedure);
    for (const char* name : {"Name", "City"})
    {
        auto* parameter = new Variable;
        parameter->SetName(CString("@") + name);
        procedure->AddFieldParameterPair(orders.table->FindFieldByName(name), parameter);
        call.AddVariablePair(NewPair(
            parameter, orders.form->FindFieldVariableMapByField(orders.table->FindFieldByName(name))
                           ->variable));
    }
    ProcedureAssigner assigner(program.Project(), orders.form, &call, true);
    AssignProcedureDlg dialog(assigner);
    WalkModal(program, dialog, walk);
}

// A call of the orders function Totals whose parameters are From and Till.
void OpenFunctionCall(RunningProgram& program, const RowListWalk& walk)
{
    OrdersPage orders(program);
    Class* ordersClass = orders.module.GetClassForTable(orders.table, true);
    // The record functions come first; the user functions follow.
    for (const char* name : {"Insert", "Update", "Delete"})
    {
        auto* record = new Function;
        record->SetName(name);
        ordersClass->AddFunction(record);
    }
    auto* function = new Function;
    function->SetName("Totals");
    for (const char* name : {"From", "Till"})
    {
        auto* parameter = new Parameter;
        parameter->SetName(name);
        function->AddParameter(parameter);
    }
    ordersClass->AddFunction(function);
    ClassInvokation call;
    call.SetFunction(ordersClass, function);
    AssignFunctionDlg dialog(program.Project(), *orders.form, &call, true);
    WalkModal(program, dialog, walk);
}

// A user function of author that depends on the tables publisher and book_basic.
void OpenUserFunction(RunningProgram& program, const RowListWalk& walk)
{
    DesignedModule(program);
    ForgeonProject& project = program.Project();
    Table* author = project.FindTableByName("author");
    auto* function = new Function;
    function->SetName("Count");
    for (const char* name : {"publisher", "book_basic"})
        function->AddUsedTable(project.FindTableByName(name));
    project.GetCurrentModule()->GetClassForTable(author, true)->AddFunction(function);
    program.Frame().EditUserFunction(function);
    walk(*program.Frame().GetRightPaneView(RightPane::UserFunctionView), 0);
}

// The top menu of the orders page file lists Invoices, whose page variables CustId and Region
// feed the orders page's variables.
void OpenMenuParameters(RunningProgram& program, const RowListWalk& walk)
{
    OrdersPage orders(program);
    Menu* top = orders.module.GetMenuAt(0);
    Menu* invoices = NewMenu("Invoices");
    top->AddSubMenu(invoices);
    Form* page = AddLinkedPage(orders.module, "invoices", invoices, {"CustId", "Region"});
    AspFile& file = *orders.form->GetAspFileAt(0);
    file.SetTopMenu(top);
    file.DeleteTopMenuVariableMaps();
    MenuVariableMap map(invoices);
    std::vector<Variable*> menuVariables;
    page->GetVariables(menuVariables, true);
    for (std::size_t index = 0; index < menuVariables.size(); ++index)
    {
        menuVariables[index]->SetKind(Variable::pageKind);
        map.AddVariablePair(menuVariables[index],
                            orders.form->GetFieldVariableMaps()[index]->variable);
    }
    file.AddTopMenuVariableMap(map);
    program.dialogs.Answer(
        [&walk](CDialog& dialog, DialogDriver& user)
        {
            ASSERT_TRUE(user.Select(MenuParameterMapping::IDC_MENUS, 0));
            ASSERT_TRUE(user.Click(AssignMenuParamDlg::IDC_SELECT_MENU));
            walk(dialog, 0);
            user.PressCancel();
        });
    AssignMenuParamDlg dialog(file, true, nullptr);
    dialog.DoModal();
}

// Two tables of another project mapped on publisher and author in the merge's mapping.
void OpenEntityMapping(RunningProgram& program, const RowListWalk& walk)
{
    DesignedModule(program);
    ForgeonProject second;
    second.InitNewProject();
    MergeDependencyCollector collector(&program.Project(), &second);
    for (const char* name : {"publisher", "author"})
    {
        Table* table = NewTable(name);
        second.GetBaseModule()->AppendMasterTable(table);
        collector.MapTable(table, program.Project().FindTableByName(name));
    }
    MapEntityDlg dialog(collector);
    WalkModal(program, dialog, walk);
}

// The multi-page report Overview of the reports Sales (called through PRC_sales) and Returns
// (through PRC_returns), whose variables From and Till take the page's; the page's controls
// show customer and total.
void OpenMultiPageReport(RunningProgram& program, const RowListWalk& walk)
{
    SalesReport sales(program);
    ApplicationReport* returns = sales.AddReturns();
    auto* overview = NewPage<MultiPageReport>("Overview");
    sales.module.Append(overview);
    for (const auto& [report, procedureName] :
         {std::pair{sales.report, "PRC_sales"}, std::pair{returns, "PRC_returns"}})
    {
        auto* data = new MultiPageData(report);
        Procedure* procedure = NewProcedure(procedureName, sales.orders);
        sales.module.AddProcedure(procedure);
        auto* call = new ProcedureInvokation;
        call->SetProcedure(procedure);
        data->SetProcedureCall(call);
        for (const char* name : {"From", "Till"})
        {
            data->AddParameterPair(NewPair(AddPageVariable(*report, name),
                                           AddPageVariable(*overview, CString("Page") + name)));
        }
        overview->AddPage(data);
    }
    for (const char* name : {"customer", "total"})
        overview->AddFieldRepForField(sales.orders->FindFieldByName(name));
    walk(OpenInPane(program, RightPane::MultiPageReportView, overview), 0);
}

// A dashboard page placing the dashboard Board, whose page variables Region and Year are paired
// with the page's and mapped on fields of orders.
void OpenPlacementDetails(RunningProgram& program, const RowListWalk& walk)
{
    OrdersPage orders(program);
    auto* board = NewPage<DashBoard>("Board");
    orders.module.Append(board);
    auto* page = NewPage<DashBoardPage>("Front");
    orders.module.Append(page);
    page->AddPlacement(new DashBoardPageData(board));
    for (const char* name : {"Region", "Year"})
    {
        Variable* variable = AddPageVariable(*board, name);
        page->AddDashBoardVariablePair(
            board, NewPair(variable, AddPageVariable(*page, CString("Page") + name)));
        auto* map = new DashBoardVariableMap;
        map->target = variable;
        map->sourceField = orders.table->FindFieldByName(name[0] == 'R' ? "Name" : "City");
        page->AddDashBoardVariableMap(board, map);
    }
    CWnd& view = OpenInPane(program, RightPane::DashBoardPageView, page);
    ASSERT_TRUE(DialogDriver(view).ClickListRow(DashBoardPageDesigner::IDC_PLACEMENTS, 0));
    walk(view, DashBoardPageDesigner::IDC_PAIRS);
    walk(view, DashBoardPageDesigner::IDC_MAP_VARIABLES);
}

// The cell dialog of a dashboard's cell: one cell links to the menu Invoices, whose page
// variables CustId and Region are fed by fields of orders; another shows the output columns
// customer, total and region of a function under the captions Buyer, Sum and Area.
void OpenCellContent(RunningProgram& program, const RowListWalk& walk)
{
    SalesReport sales(program);
    Menu* invoices = NewMenu("Invoices");
    sales.module.GetMenuAt(0)->AddSubMenu(invoices);
    Form* invoicePage = AddLinkedPage(sales.module, "invoices", invoices, {"CustId", "Region"});
    auto* board = NewPage<DashBoard>("Board");
    sales.module.Append(board);
    board->SetGrid(new Grid(1, 2));
    auto* menuCell = new DashBoardCellInfo(false);
    menuCell->SetMenu(invoices);
    std::vector<Variable*> targets;
    invoicePage->GetVariables(targets, true);
    for (Variable* target : targets)
    {
        auto* map = new DashBoardVariableMap;
        map->target = target;
        map->sourceField = sales.orders->FindFieldByName("region");
        menuCell->AddVariableMap(map);
    }
    board->GetGrid()->GetCellAt(0, 0)->SetCellData(menuCell, GridCell::kDashBoardCellInfo);
    auto* fieldCell = new DashBoardCellInfo(false);
    const std::vector<ProcedureFieldInfo*>& outputs =
        sales.groups[0]->GetClassCall()->GetFunction()->GetOutputFields();
    fieldCell->AddDisplayField(outputs[1], "Buyer");
    fieldCell->AddDisplayField(outputs[2], "Sum");
    fieldCell->AddDisplayField(outputs[3], "Area");
    board->GetGrid()->GetCellAt(0, 1)->SetCellData(fieldCell, GridCell::kDashBoardCellInfo);
    auto* boardCall = new ClassInvokation;
    boardCall->SetFunction(sales.module.GetClassForTable(sales.orders, false),
                           sales.groups[0]->GetClassCall()->GetFunction());
    board->SetClassInvokation(boardCall);
    auto& view = OpenInPane<DashBoardDlg>(program, RightPane::DashBoardView, board);
    CTreeCtrl& tree = view.GetTree();
    for (const auto& [column, list] : {std::pair{0, DashBoardCellEditor::IDC_TARGETS},
                                       std::pair{1, DashBoardCellEditor::IDC_DISPLAY_LIST}})
    {
        HTREEITEM cell = tree.GetChildItem(tree.GetChildItem(tree.GetRootItem()));
        if (column == 1)
            cell = tree.GetNextSiblingItem(cell);
        program.dialogs.Answer(
            [&walk, list = list](CDialog& dialog, DialogDriver& user)
            {
                walk(dialog, list);
                user.PressOk();
            });
        ASSERT_TRUE(DialogDriver(view).RightClickTreeItem(DashBoardDesigner::IDC_TREE, cell,
                                                          DashBoardDesigner::kAddMenu));
    }
}
} // namespace

const std::vector<RowListCase>& RowListCases()
{
    static const std::vector<RowListCase> cases = {
        {"table designer", OpenTableDesigner},
        {"Manage Variables", OpenVariables},
        {"dashboard designer", OpenDashBoardDesigner},
        {"dashboard page designer", OpenDashBoardPage},
        {"master-detail designer", OpenTransaction},
        {"menu editor", OpenMenuEditor},
        {"Manage Reference Fields", OpenRefFields},
        {"Manage Form Controls", OpenFormControls},
        {"Control Properties", OpenControlProperties},
        {"File Properties", OpenFieldVisibility},
        {"page link dialog", OpenPageLinks},
        {"field link dialog", OpenFieldLinks},
        {"function output fields", OpenOutputFields},
        {"procedure editor", OpenProcedureEditor},
        {"relations", OpenRelations},
        {"report designer", OpenReportDesigner},
        {"report filters", OpenReportFilters},
        {"report columns", OpenReportColumns},
        {"report column control", OpenColumnControl},
        {"report column settings", OpenColumnSettings},
        {"RDLC adapter parameters", OpenAdapterParameters},
        {"report collector", OpenReportCollector},
        {"map form editor", OpenMapForm},
        {"Manage Roles", OpenRoles},
        {"procedure call", OpenProcedureCall},
        {"function call", OpenFunctionCall},
        {"user function editor", OpenUserFunction},
        {"menu parameters", OpenMenuParameters},
        {"merge mapping", OpenEntityMapping},
        {"multi-page report", OpenMultiPageReport},
        {"placement details", OpenPlacementDetails},
        {"cell content", OpenCellContent},
    };
    return cases;
}
