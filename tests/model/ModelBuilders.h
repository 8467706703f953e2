#pragma once

#include "entities/Class.h"
#include "entities/Form.h"
#include "entities/Function.h"
#include "entities/LinkControl.h"
#include "entities/Menu.h"
#include "entities/Procedure.h"
#include "entities/Transaction.h"
#include "model/Field.h"
#include "model/ForgeonProject.h"
#include "model/MainFrameAccess.h"
#include "model/Module.h"
#include "model/ProjectStore.h"
#include "model/Table.h"
#include "model/VisibilityData.h"

#include <initializer_list>

// Small model objects for tests.

inline Module* NewModule(const char* name, int number)
{
    auto* module = new Module(name);
    module->SetNumber(number);
    return module;
}

// A varchar field of the table, referring to the foreign field when one is given.
inline Field* AddVarcharField(Table* table, const char* name, Field* foreign = nullptr)
{
    auto* field = new Field;
    field->Set(name, name, FieldTypeVarchar, 50, 0, foreign, "", false, foreign != nullptr, true,
               false, false);
    field->SetTable(table);
    table->AddField(field);
    return field;
}

// The module's table of that name, or null.
inline Table* TableNamed(const Module& module, const char* name)
{
    CString text(name);
    return module.FindTableByName(text);
}

// An int field of no table, as a page's reference or derived field holds.
inline Field* NewLooseField(const char* name)
{
    auto* field = new Field;
    field->Set(name, name, FieldTypeInt, 4, 0, nullptr, "", false, false, true, false, false);
    return field;
}

// A table of the kind with its default columns and the named varchar fields.
inline Table* NewTable(const char* name, int kind = Table::masterKind,
                       std::initializer_list<const char*> fieldNames = {})
{
    auto* table = new Table;
    table->SetTableName(name);
    table->SetKind(kind);
    table->EnsureDefaultFields();
    for (const char* fieldName : fieldNames)
        AddVarcharField(table, fieldName);
    return table;
}

template <class Page> Page* NewPage(const char* name)
{
    auto* page = new Page;
    page->SetName(name);
    return page;
}

// A master form over the table.
inline Form* NewForm(const char* name, Table* table)
{
    Form* form = NewPage<Form>(name);
    form->SetTable(table);
    return form;
}

// The module's form of the table with its variables and controls, made without the table's
// defaults, so that the table has no data class.
inline Form* AddFormWithoutDefaults(Module& module, Table* table, const char* name)
{
    Form* form = module.GetMasterFormForTable(table, true);
    form->SetName(name);
    form->AddVariablesForTable(table);
    form->CreateFieldRepsForTable(table);
    module.AddMasterForm(form, true);
    return form;
}

// A transaction page over the basic table and, when given, the detail table.
inline Transaction* NewTransaction(const char* name, Table* basic, Table* detail = nullptr)
{
    auto* transaction = NewPage<Transaction>(name);
    transaction->SetBasicTable(basic);
    if (detail != nullptr)
        transaction->AddDetailTable(detail);
    return transaction;
}

inline LinkControl* NewLink(const char* caption)
{
    auto* link = new LinkControl;
    link->SetCaption(caption);
    return link;
}

inline VisibilityValue* NewValue(const char* text, int status, int relation = 0)
{
    return new VisibilityValue{text, status, relation};
}

inline Procedure* NewProcedure(const char* name, Table* mainTable = nullptr, int kind = 0)
{
    auto* procedure = new Procedure;
    procedure->SetName(name);
    procedure->SetMainTable(mainTable);
    procedure->SetKind(kind);
    return procedure;
}

inline Menu* NewMenu(const char* name)
{
    auto* menu = new Menu;
    menu->SetName(name);
    return menu;
}

// The project is the open one while the object lives; the previous source comes back after.
class ScopedOpenProject
{
public:
    explicit ScopedOpenProject(ForgeonProject* project)
        : m_previous(MainFrameAccess::SetProjectSource([project] { return project; }))
    {
    }
    // Whichever project the store holds, as the document's.
    explicit ScopedOpenProject(ProjectStore& store)
        : m_previous(MainFrameAccess::SetProjectSource([&store] { return store.GetProject(); }))
    {
    }
    ~ScopedOpenProject() { MainFrameAccess::SetProjectSource(m_previous); }
    ScopedOpenProject(const ScopedOpenProject&) = delete;
    ScopedOpenProject& operator=(const ScopedOpenProject&) = delete;

private:
    MainFrameAccess::ProjectSource m_previous;
};

// A project whose only module, "BaseModule", is current; the project is open while the object
// lives.
class OpenBaseModuleProject
{
public:
    OpenBaseModuleProject()
    {
        m_project.AddModule(m_base);
        m_project.SetCurrentModule(m_base);
    }

    ForgeonProject& Project() { return m_project; }
    Module& Base() { return *m_base; }

private:
    ForgeonProject m_project;
    Module* m_base = new Module("BaseModule");
    ScopedOpenProject m_open{&m_project};
};

// A class of the module bound to the table, with one function of the name.
inline Function* AddClassFunction(Module* module, Table* table, const char* className,
                                  const char* functionName)
{
    auto* dataClass = new Class;
    dataClass->SetName(className);
    dataClass->SetTable(table);
    module->Append(dataClass);
    auto* function = new Function;
    function->SetName(functionName);
    function->SetClass(dataClass);
    function->SetTable(table);
    dataClass->AddFunction(function);
    return function;
}
