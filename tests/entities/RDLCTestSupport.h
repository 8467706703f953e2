#pragma once

#include "entities/Class.h"
#include "entities/Function.h"
#include "entities/Parameter.h"
#include "model/Field.h"
#include "model/ForgeonProject.h"
#include "model/MainFrameAccess.h"
#include "model/Module.h"
#include "model/ProjectSettings.h"
#include "model/Table.h"

#include <gtest/gtest.h>

// A field of the table of the type, referring to the foreign field when one is given.
inline Field* AddTypedField(Table& table, const char* name, int typeCode, Field* foreign = nullptr,
                            bool allowNull = false)
{
    auto* field = new Field;
    field->Set(name, name, typeCode, 0, 0, foreign, "", false, foreign != nullptr, allowNull, false,
               false);
    field->SetTable(&table);
    table.AddField(field);
    return field;
}

// An open project named "Shop" with a module "Sales", installed as the project the model asks
// for; the tables belong to the test.
class RDLCProjectTest : public ::testing::Test
{
protected:
    RDLCProjectTest()
    {
        m_project.SetProjectSettings(new ProjectSettings);
        m_project.SetProjectName("Shop");
        m_module = new Module("Sales");
        m_project.AddModule(m_module);
        m_previousSource = MainFrameAccess::SetProjectSource([this] { return &m_project; });
    }
    ~RDLCProjectTest() override { MainFrameAccess::SetProjectSource(m_previousSource); }

    // A class of the module bound to the table, with a "SelectAllRecords" function taking the
    // named parameters.
    Function* AddSelectAllRecordsFunction(Table& table,
                                          std::initializer_list<const char*> parameters = {})
    {
        auto* dataClass = new Class;
        dataClass->SetName("_" + table.GetTableName());
        dataClass->SetTable(&table);
        m_module->Append(dataClass);
        auto* function = new Function;
        function->SetName("SelectAllRecords");
        function->SetClass(dataClass);
        for (const char* name : parameters)
        {
            auto* parameter = new Parameter;
            parameter->SetName(name);
            function->AddParameter(parameter);
        }
        dataClass->AddFunction(function);
        return function;
    }

    ForgeonProject m_project;
    Module* m_module;

private:
    MainFrameAccess::ProjectSource m_previousSource;
};
