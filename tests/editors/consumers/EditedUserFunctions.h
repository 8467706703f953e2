#pragma once

#include "editors/logic/FunctionAssignment.h"
#include "editors/logic/FunctionOutputFields.h"
#include "editors/logic/UserFunctionEditor.h"
#include "entities/Class.h"
#include "entities/ClassInvokation.h"
#include "entities/Form.h"
#include "entities/Function.h"
#include "gen_web/AspxWriteAll.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "tests/editors/logic/DesignedProject.h"
#include "tests/gen_web/GenWebProject.h"
#include "tests/gen_web/PreparedProjectFolder.h"

#include <filesystem>
#include <string>
#include <vector>

inline int PositionIn(const std::vector<CString>& items, const char* text)
{
    for (size_t i = 0; i < items.size(); ++i)
        if (items[i] == text)
            return static_cast<int>(i);
    return -1;
}

// "Assign Function" on the page: "AuthorsOf" of the function's class, its parameter fed by the
// control of "publisher_id". The call made, or the one given, changed.
inline ClassInvokation* AssignAuthorsOf(ForgeonProject& project, FormInterface& page,
                                        Function& function, ClassInvokation* current)
{
    FunctionAssignment assignment(project, page, current, true);
    assignment.Open();
    assignment.ChooseClass(PositionIn(assignment.States().GetItems(FunctionAssignment::IDC_CLASS),
                                      function.GetClass()->GetFieldName()));
    assignment.ChooseFunction(PositionIn(
        assignment.States().GetItems(FunctionAssignment::IDC_FUNCTION), "AuthorsOf"));
    assignment.Assign();
    for (size_t i = 0; i < assignment.GetFieldRows().size(); ++i)
        if (assignment.GetFieldRows()[i].cells[1] == "publisher_id")
            assignment.SelectField(static_cast<int>(i));
    assignment.SelectParameter(0);
    assignment.Map();
    ClassInvokation* created = assignment.TakeCreatedInvokation();
    return created != nullptr ? created : current;
}

// The designed library project after a first Write All, with the author class's "_partial.cs"
// edited as a developer would: two methods "AuthorsOf", one of them returning the authors of a
// name. That method is registered through the user function editor with the author table's
// fields as output, and the author form's publisher combo is filled by it, its parameter taken
// from the combo's own field.
struct EditedUserFunctions
{
    explicit EditedUserFunctions(const CString& path, const std::filesystem::path& hostPath)
        : designed(path, /*databaseKind=*/1), application(hostPath / "Library" / "Library")
    {
        ForgeonProject& project = designed.project;
        Module& base = *project.GetBaseModule();
        PrepareProjectFolder(project);
        AspxWriteAll first(&project);
        written = first.Run(nullptr);
        const std::filesystem::path partial =
            application / "BaseModule" / "CS" / "author_partial.cs";
        std::string text = ReadHostFile(partial);
        const std::string methods = "\t\tpublic DataTable AuthorsOf(String name, int limit)\r\n"
                                    "\t\t{\r\n"
                                    "\t\t\treturn AuthorsOf(name);\r\n"
                                    "\t\t}\r\n"
                                    "\t\tpublic DataTable AuthorsOf(String name)\r\n"
                                    "\t\t{\r\n"
                                    "\t\t\tDataTable table = new DataTable();\r\n"
                                    "\t\t\ttable.Columns.Add(\"author_id\");\r\n"
                                    "\t\t\ttable.Columns.Add(\"name\");\r\n"
                                    "\t\t\ttable.Rows.Add(\"1\", name);\r\n"
                                    "\t\t\treturn table;\r\n"
                                    "\t\t}\r\n";
        text.insert(text.rfind("\t}"), methods);
        WriteHostFile(partial, text);

        RecordingHost host;
        host.editOutputFields = [&project](Function& function)
        {
            FunctionOutputFields fields(project, function);
            fields.Open();
            fields.ChooseTable(0);
            fields.AddAll();
        };
        UserFunctionEditor editor(project, host);
        editor.LoadFunction(nullptr);
        editor.ChooseClass(
            PositionIn(editor.States().GetItems(UserFunctionEditor::IDC_CLASS), "_author"));
        methods_offered = editor.States().GetItems(UserFunctionEditor::IDC_FUNCTION);
        editor.ChooseMethod(PositionIn(methods_offered, "AuthorsOf") + 1);
        shownParameters = editor.GetParameterRows().size();
        function = editor.GetFunction();
        editor.AddOutputFields();
        editor.Ok();

        page = base.FindMasterFormByName("author_form");
        for (FieldRep* each : page->GetFieldReps())
            if (each->GetField()->GetFieldName() == "publisher_id")
                combo = each;
        Field* nameField = nullptr;
        for (FieldRep* each : page->GetFieldReps())
            if (each->GetField()->GetFieldName() == "name")
                nameField = each->GetField();
        FieldRepData& data = *combo->GetFieldRepData();
        data.SetControlKind(FieldRepData::ComboBox);
        data.SetDataCall(AssignAuthorsOf(project, *page, *function, nullptr));
        data.SetFrontField(nameField);
        data.SetBackField(function->GetClass()->GetTable()->GetPrimaryKeyField());
    }

    DesignedProject designed;
    std::filesystem::path application;
    bool written = false;
    std::vector<CString> methods_offered;
    size_t shownParameters = 0;
    Function* function = nullptr;
    Form* page = nullptr;
    FieldRep* combo = nullptr;
};
