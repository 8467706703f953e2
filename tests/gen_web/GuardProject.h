#pragma once

#include "entities/AspFile.h"
#include "entities/DashBoardPage.h"
#include "entities/Designation.h"
#include "entities/Form.h"
#include "entities/Menu.h"
#include "entities/RDLCReport.h"
#include "entities/Transaction.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/FieldVisibility.h"
#include "model/ForgeonProject.h"
#include "model/LoginPageCreator.h"
#include "model/Module.h"
#include "model/TableFormCreator.h"
#include "model/TransactionDataCreator.h"
#include "tests/model/ModelBuilders.h"
#include "tests/support/TempFolder.h"

#include <algorithm>
#include <filesystem>
#include <string>
#include <utility>

// A new project "Guard" with the login pages and the table "document" (a title and an uploaded
// scan) with its form and search report, and the administrator's master-detail page "order" with
// its search report. Besides the administrator's role, "editor" has the document's menus, "clerk"
// none and "reader" the search reports of the document and the order; they have the project
// dashboard; "retired" is inactive, "viewer" has the order's search report and "printer" the
// document's RDLC report.
class GuardProject
{
public:
    GuardProject()
    {
        m_project.InitNewProject();
        m_project.SetProjectName("Guard");
        m_project.SetProjectPath(m_temp.ModelPath());
        LoginPageCreator().Create();
        Module& base = *m_project.GetBaseModule();
        Table* document = NewTable("document", Table::masterKind, {"title", "scan"});
        base.AddTable(document);
        TableFormCreator creator(document, &m_project);
        creator.CreateForm();
        creator.CreateReport();
        for (FieldRep* control : base.GetMasterFormForTable(document, false)->GetFieldReps())
            if (control->GetField()->GetFieldName() == "scan")
                control->GetFieldRepData()->SetControlKind(FieldRepData::FileUpload);
        DashBoardPage* dashBoard = base.GetDashBoardPages().back();
        if (base.GetDesignations().front()->GetDashBoardPage() == nullptr)
            base.GetDesignations().front()->SetDashBoardPage(dashBoard);
        Designation* editor = AddRole(base, "editor", dashBoard);
        for (const char* menu : {"Document", "Search document"})
            editor->AddMenu(base.FindMenuByName(menu));
        AddRole(base, "clerk", dashBoard);
        AddOrders(base, *document);
        creator.CreateRDLCReport();
        AddAccountRoles(base, dashBoard);
    }

    ForgeonProject& Project() { return m_project; }

    // "ship" over "ship_basic" (a note and an uploaded scan) and "ship_detail" (an item), made as
    // the master-detail creator makes them: a page that saves a file with its rows. Laden, the
    // note and the item are required and the ship has a "tonnage" (money), each row a
    // "quantity" (int), a "label" shown as an upload and a "code" shown as a password, kinds
    // that a grid row cannot carry.
    void AddShips(bool laden = false)
    {
        Module& base = *m_project.GetBaseModule();
        Table* ships = NewTable("ship_basic", Table::masterDetailKind);
        AddTypedField(ships, "note", FieldTypeVarchar, laden);
        AddVarcharField(ships, "scan");
        Table* rows = NewTable("ship_detail", Table::masterDetailKind);
        AddTypedField(rows, "item", FieldTypeVarchar, laden);
        if (laden)
        {
            AddTypedField(ships, "tonnage", FieldTypeMoney, /*required=*/false);
            AddTypedField(rows, "quantity", FieldTypeInt, /*required=*/false);
            AddTypedField(rows, "label", FieldTypeVarchar, /*required=*/false);
            AddTypedField(rows, "code", FieldTypeVarchar, /*required=*/false);
        }
        base.AddTable(ships);
        TransactionDataCreator creator(ships, rows, &m_project, nullptr);
        creator.CreateDetailTable();
        creator.CreateTransaction();
        creator.AddClassFunctions();
        for (FieldRep* control : base.GetTransactions().back()->GetFieldReps())
        {
            const CString name = control->GetField()->GetFieldName();
            if (name == "scan" || name == "label")
                control->GetFieldRepData()->SetControlKind(FieldRepData::FileUpload);
            else if (name == "code")
                control->GetFieldRepData()->SetControlKind(FieldRepData::Password);
        }
    }
    // An uploaded "avatar" on the account table, on the account form and the password page.
    void AddAccountAvatars()
    {
        Module& base = *m_project.GetBaseModule();
        CString accounts = "useraccount";
        Table* table = base.FindTableByName(accounts);
        Field* avatar = AddVarcharField(table, "avatar");
        for (const char* name : {"useraccount_form", "ChangePassword_form"})
        {
            FieldRepData* data =
                Module::AddFieldControlToPage(base.FindMasterFormByName(name), avatar)
                    ->GetFieldRepData();
            data->SetControlKind(FieldRepData::FileUpload);
            data->SetCaption("Avatar");
        }
    }
    // "category" (a required name) and "product" with a field of every type its form writes: a
    // required name and category (a combo), numbers of every numeric type (price money, stock
    // int, weight float, ratio decimal, serial bigint), a date with its calendar ("made") and one
    // typed in a text box ("sold_on"), a note, check boxes "active" and "sealed" (read-only on the
    // Update page), a radio list "grade" and a hidden "batch", for which the page draws no input;
    // "sale" over "sale_basic" (a required note and a
    // date) and "sale_detail" (a required item, a quantity, a price and a date). Each has its
    // menus for the administrator.
    void AddTypedRecords()
    {
        Module& base = *m_project.GetBaseModule();
        Table* category = NewTable("category");
        AddTypedField(category, "name", FieldTypeVarchar, /*required=*/true)->SetFrontField(true);
        base.AddTable(category);
        TableFormCreator(category, &m_project).CreateForm();

        Table* product = NewTable("product");
        AddTypedField(product, "name", FieldTypeVarchar, /*required=*/true);
        Field* chosen = AddTypedField(product, "category_id", FieldTypeInt, /*required=*/true);
        chosen->SetForeignField(category->GetPrimaryKeyField());
        chosen->SetForeignKey(true);
        // The stock and a detail row's quantity are required: the pages' scripts check their
        // numbers too.
        for (const auto& [name, type] : {std::pair{"price", FieldTypeMoney},
                                         {"stock", FieldTypeInt},
                                         {"weight", FieldTypeFloat},
                                         {"ratio", FieldTypeDecimal},
                                         {"serial", FieldTypeBigInt},
                                         {"made", FieldTypeDateTime},
                                         {"sold_on", FieldTypeDateTime},
                                         {"note", FieldTypeText},
                                         {"active", FieldTypeVarchar},
                                         {"grade", FieldTypeVarchar},
                                         {"sealed", FieldTypeVarchar},
                                         {"batch", FieldTypeVarchar}})
            AddTypedField(product, name, type, /*required=*/CString(name) == "stock");
        base.AddTable(product);
        Form* form = TableFormCreator(product, &m_project).CreateForm();
        for (FieldRep* control : form->GetFieldReps())
        {
            const CString name = control->GetField()->GetFieldName();
            FieldRepData* data = control->GetFieldRepData();
            if (name == "sold_on")
                data->SetControlKind(FieldRepData::TextBox);
            else if (name == "active" || name == "sealed")
                data->SetControlKind(FieldRepData::CheckBox);
            else if (name == "batch")
                data->SetControlKind(FieldRepData::Hidden);
            else if (name == "grade")
            {
                data->SetControlKind(FieldRepData::RadioButton);
                data->SetDisplayTexts("Good,Fair,Poor");
                data->SetStoredValues("G,F,P");
            }
        }
        auto* readOnly = new FieldVisibility(product->FindFieldByName(CString("sealed")));
        readOnly->SetVisibilityKind(FieldVisibility::ReadOnly);
        form->FindAspFileByType(7)->AddFieldVisibility(readOnly);

        Table* sales = NewTable("sale_basic", Table::masterDetailKind);
        AddTypedField(sales, "note", FieldTypeVarchar, /*required=*/true);
        AddTypedField(sales, "sold", FieldTypeDateTime, /*required=*/false);
        base.AddTable(sales);
        Table* lines = NewTable("sale_detail", Table::masterDetailKind);
        AddTypedField(lines, "item", FieldTypeVarchar, /*required=*/true);
        for (const auto& [name, type] : {std::pair{"quantity", FieldTypeInt},
                                         {"price", FieldTypeMoney},
                                         {"shipped", FieldTypeDateTime}})
            AddTypedField(lines, name, type, /*required=*/CString(name) == "quantity");
        TransactionDataCreator creator(sales, lines, &m_project, nullptr);
        creator.CreateDetailTable();
        creator.CreateTransaction();
        creator.AddClassFunctions();
        Designation* administrator = base.GetDesignations().front();
        for (const char* menu : {"Category", "Product", "Sale Basic"})
            if (Menu* found = base.FindMenuByName(menu); found != nullptr)
                administrator->AddMenu(found);
    }
    // "delivery" over "delivery_basic" (a required note, a date "due" and an uploaded "receipt")
    // and "delivery_detail" (a required item and a date "landed"): a page that saves a file with
    // its rows, showing a refused save with its dates, with its menu for the administrator.
    void AddDeliveries()
    {
        Module& base = *m_project.GetBaseModule();
        Table* deliveries = NewTable("delivery_basic", Table::masterDetailKind);
        AddTypedField(deliveries, "note", FieldTypeVarchar, /*required=*/true);
        AddTypedField(deliveries, "due", FieldTypeDateTime, /*required=*/false);
        AddVarcharField(deliveries, "receipt");
        base.AddTable(deliveries);
        Table* lines = NewTable("delivery_detail", Table::masterDetailKind);
        AddTypedField(lines, "item", FieldTypeVarchar, /*required=*/true);
        AddTypedField(lines, "landed", FieldTypeDateTime, /*required=*/false);
        TransactionDataCreator creator(deliveries, lines, &m_project, nullptr);
        creator.CreateDetailTable();
        Transaction* delivery = creator.CreateTransaction();
        creator.AddClassFunctions();
        for (FieldRep* control : delivery->GetFieldReps())
            if (control->GetField()->GetFieldName() == "receipt")
                control->GetFieldRepData()->SetControlKind(FieldRepData::FileUpload);
        if (Menu* menu = base.FindMenuByName("Delivery Basic"); menu != nullptr)
            base.GetDesignations().front()->AddMenu(menu);
    }
    const std::filesystem::path& Root() const { return m_temp.Path(); }

private:
    static Field* AddTypedField(Table* table, const char* name, int type, bool required)
    {
        auto* field = new Field;
        field->Set(name, name, type, 0, 0, nullptr, "", /*keyFlag=*/false,
                   /*foreignKeyFlag=*/false, /*allowNullFlag=*/!required, /*keyColumnMark=*/false,
                   /*frontFieldFlag=*/false);
        field->SetType(type);
        if (type == FieldTypeDecimal)
            field->SetPrecision(9);
        field->SetTable(table);
        table->AddField(field);
        return field;
    }

    // "order" over "order_basic" (a note) and "order_detail" (an item, the document chosen in a
    // combo and the link column "order_id"), made as the master-detail creator makes them.
    void AddOrders(Module& base, const Table& document)
    {
        Table* orders = NewTable("order_basic", Table::masterDetailKind, {"note"});
        base.AddTable(orders);
        Table* details = NewTable("order_detail", Table::masterDetailKind, {"item"});
        auto* chosen = new Field;
        chosen->Set("document_id", "document_id", FieldTypeInt, 4, 0, document.GetPrimaryKeyField(),
                    "", /*keyFlag=*/false,
                    /*foreignKeyFlag=*/true, /*allowNullFlag=*/true, /*keyColumnMark=*/false,
                    /*frontFieldFlag=*/false);
        chosen->SetTable(details);
        details->AddField(chosen);
        TransactionDataCreator creator(orders, details, &m_project, nullptr);
        creator.CreateDetailTable();
        creator.CreateTransaction();
        creator.AddClassFunctions();
        creator.CreateReport();
    }

    // "reader" holds the search reports only; "retired" is inactive; "viewer" holds the order's
    // search report only, "printer" the document's RDLC report only. The
    // change-password page shows the account's role editable.
    static void AddAccountRoles(Module& base, DashBoardPage* dashBoard)
    {
        Designation* reader = AddRole(base, "reader", dashBoard);
        for (const char* menu : {"Search document", "Search order Basic"})
            reader->AddMenu(base.FindMenuByName(menu));
        AddRole(base, "retired", dashBoard)->SetActive(FALSE);
        AddRole(base, "viewer", dashBoard)->AddMenu(base.FindMenuByName("Search order Basic"));
        std::vector<Menu*> menus;
        base.CollectMenus(menus, nullptr);
        const auto printed = std::ranges::find_if(menus,
                                                  [&base](const Menu* menu)
                                                  {
                                                      return menu->GetAspFile() != nullptr &&
                                                             menu->GetAspFile()->GetOwnerPage() ==
                                                                 base.GetRDLCReports().front();
                                                  });
        AddRole(base, "printer", dashBoard)->AddMenu(*printed);
        const Form* password = base.FindMasterFormByName("ChangePassword_form");
        CString accounts = "useraccount";
        const Field* role = base.FindTableByName(accounts)->FindFieldByName("personnel_role_id");
        password->FindAspFileByType(7)->FindFieldVisibility(role)->SetVisibilityKind(
            FieldVisibility::Editable);
    }

    static Designation* AddRole(Module& module, const char* name, DashBoardPage* dashBoard)
    {
        auto* role = new Designation(TRUE);
        role->SetName(name);
        role->SetDashBoardPage(dashBoard);
        module.Append(role);
        return role;
    }

    TempFolder m_temp{"WeavoGuard"};
    ForgeonProject m_project;
    ScopedOpenProject m_open{&m_project};
};
