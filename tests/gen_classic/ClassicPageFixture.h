#pragma once

#include "entities/AspFile.h"
#include "entities/AspxFile.h"
#include "entities/Form.h"
#include "entities/LinkControl.h"
#include "entities/Menu.h"
#include "entities/Procedure.h"
#include "entities/ProcedureInvokation.h"
#include "entities/Variable.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/Module.h"
#include "model/Table.h"
#include "model/TextFile.h"

#include <memory>
#include <string>
#include <vector>

// A master form "orders" over the table "orders" (key orders_id, Is_Deleted) of the module
// "BaseModule", with its four classic page files (add, add action, update, update action);
// fields, controls, page variables and procedures are added by the tests.
class ClassicPageFixture
{
public:
    ClassicPageFixture()
    {
        m_table->SetTableName("orders");
        m_table->EnsureDefaultFields();
        m_form->SetName("orders");
        m_form->SetTable(m_table.get());
        m_form->SetModule(&m_module);
        for (int kind = 1; kind <= 4; ++kind)
            m_files.push_back(AddFile(kind));
    }

    Form& Page() { return *m_form; }
    Table& OrdersTable() { return *m_table; }
    // The page file of kind 1 (add), 2, 3 (update) or 4.
    AspFile* File(int kind) { return m_files[kind - 1]; }
    Field* Key() { return m_table->GetPrimaryKeyField(); }

    AspFile* AddFile(int fileKind, int ownerKind = AspFile::formOwner)
    {
        auto* file = new AspFile;
        file->SetOwnerKind(ownerKind);
        file->SetFileKind(fileKind);
        file->SetOwnerPage(m_form.get());
        m_form->AddAspFile(file);
        return file;
    }

    Field* AddField(const char* name, int type, bool allowNull = false, bool foreignKey = false,
                    const char* defaultValue = "")
    {
        auto* field = new Field;
        field->Set(name, CString(name) + " caption", type, 50, 0, nullptr, defaultValue, false,
                   foreignKey, allowNull, false, false);
        field->SetTable(m_table.get());
        m_table->AddField(field);
        return field;
    }

    // A page variable of the kind mapped to the field (none for null), named after the field
    // unless a name is given; the fixture keeps a shared one.
    Variable* MapVariable(Field* field, const char* name = nullptr, int kind = Variable::pageKind,
                          const char* value = "")
    {
        auto* variable = new Variable;
        variable->SetName(name != nullptr ? CString(name) : field->GetFieldName());
        variable->SetKind(kind);
        variable->SetValue(value);
        auto* map = new FieldVariableMap{field, variable};
        if (kind == Variable::sharedKind)
        {
            m_shared.emplace_back(variable);
            m_sharedMaps.emplace_back(map);
        }
        m_form->AddFieldVariableMap(map);
        return variable;
    }

    // A control of the kind showing the field, captioned after it.
    FieldRep* AddControl(Field* field, int kind)
    {
        FieldRep* control = NewControl(field, kind);
        m_form->AddFieldRep(control);
        return control;
    }

    // The same control owned by whoever it is given to.
    static FieldRep* NewControl(Field* field, int kind)
    {
        auto* control = new FieldRep(field);
        auto* data = new FieldRepData;
        data->SetControlKind(kind);
        data->SetCaption(field != nullptr ? field->GetDisplayName() : CString("Go"));
        data->SetMaxLength(20);
        control->AttachFieldRepData(data);
        return control;
    }

    // A procedure named so over the orders table, owned by the fixture; each argument is a
    // procedure variable bound to the field's parameter and the caller variable.
    Procedure* AddProcedure(const char* name)
    {
        auto procedure = std::make_unique<Procedure>();
        procedure->SetName(name);
        procedure->SetMainTable(m_table.get());
        m_procedures.push_back(std::move(procedure));
        return m_procedures.back().get();
    }

    static void AddArgument(Procedure& procedure, ProcedureInvokation& call, Field* parameter,
                            Variable* caller)
    {
        auto* own = new Variable;
        own->SetName("@" + parameter->GetFieldName());
        own->SetKind(Variable::parameterKind);
        procedure.AddFieldParameterPair(parameter, own);
        call.AddVariablePair(new VariablePair{own, caller});
    }

    // A menu item opening the page file, owned by the fixture.
    Menu* AddMenu(const char* name, AspFile* opens)
    {
        auto menu = std::make_unique<Menu>();
        menu->SetName(name);
        if (opens != nullptr)
            menu->SetAspFile(opens);
        m_menus.push_back(std::move(menu));
        return m_menus.back().get();
    }

    static LinkControl* NewLink(const char* caption, Menu* target, int alignment)
    {
        auto* link = new LinkControl;
        link->SetCaption(caption);
        link->SetTarget(target);
        link->SetAlignment(alignment);
        return link;
    }

private:
    Module m_module{"BaseModule"};
    // Shared variables and their maps; the page does not delete them.
    std::vector<std::unique_ptr<Variable>> m_shared;
    std::vector<std::unique_ptr<FieldVariableMap>> m_sharedMaps;
    std::unique_ptr<Table> m_table = std::make_unique<Table>();
    std::unique_ptr<Form> m_form = std::make_unique<Form>();
    std::vector<AspFile*> m_files;
    std::vector<std::unique_ptr<Procedure>> m_procedures;
    std::vector<std::unique_ptr<Menu>> m_menus;
};

// A field of the table that allows null, captioned after its name.
inline Field* AddNullableField(Table& table, const char* name, int type)
{
    auto* field = new Field;
    field->Set(name, CString(name) + " caption", type, 50, 0, nullptr, "", false, false, true,
               false, false);
    field->SetTable(&table);
    table.AddField(field);
    return field;
}

// A text collector as the classic writers get it.
inline TextFile Collector()
{
    return TextFile(/*disabled=*/false, /*flush=*/false, '=', 60);
}
