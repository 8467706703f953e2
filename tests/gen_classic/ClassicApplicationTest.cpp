#include "tests/gen_classic/ClassicApplication.h"
#include "entities/ApplicationReport.h"
#include "entities/AspFile.h"
#include "entities/DashBoardPage.h"
#include "entities/Designation.h"
#include "entities/Form.h"
#include "entities/GraphData.h"
#include "entities/LoginPage.h"
#include "entities/MapForm.h"
#include "entities/Menu.h"
#include "entities/Procedure.h"
#include "entities/ProcedureInvokation.h"
#include "entities/ReportCollector.h"
#include "entities/ReportGroup.h"
#include "entities/Transaction.h"
#include "gen_classic/AspWriteAll.h"
#include "model/Field.h"
#include "model/ForgeonProject.h"
#include "model/LoginPageCreator.h"
#include "model/Module.h"
#include "model/ProjectDiagnostics.h"
#include "model/ProjectSettings.h"
#include "model/Table.h"
#include "model/TableFormCreator.h"
#include "model/TransactionDataCreator.h"
#include "platform/core/ScriptedMessageBoxes.h"
#include "tests/gen_classic/ClassicGolden.h"
#include "tests/model/ModelBuilders.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace
{
std::string Errors()
{
    std::string text;
    for (const CString& error : TheProjectDiagnostics().GetErrors())
        text += error.str() + "\n";
    return text;
}

// Runs Write All and, with the shared files beside the pages, gives the pages written; when
// checked, every script file and every page passes node and the page check.
std::vector<std::string> WriteAndCheck(ClassicApplication& application, bool checked)
{
    TheProjectDiagnostics().ClearErrorsAndWarnings();
    ClassicAnswers answers;
    AspWriteAll writeAll(&application.m_project, nullptr, answers);
    writeAll.SetWriteErrorsLogPath(application.m_temp.ModelPath("ForgeonWriteErrors.txt"));
    EXPECT_TRUE(writeAll.Run(nullptr)) << answers.shown << "\n"
                                       << writeAll.GetReport().GetText().str() << "\n"
                                       << Joined(application.m_boxes.ShownTexts()) << Errors();
    const std::filesystem::path root = application.m_temp.Path();
    std::filesystem::copy(ClassicData("_system"), root / "_system",
                          std::filesystem::copy_options::recursive |
                              std::filesystem::copy_options::skip_existing);
    std::vector<std::string> pages;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root))
    {
        const std::filesystem::path relative = entry.path().lexically_relative(root);
        if (entry.path().extension() == ".js" && checked)
            ExpectNodeAccepts({ReadHostFile(entry.path())}, root);
        if (entry.path().extension() != ".asp" || *relative.begin() == "_system")
            continue;
        pages.push_back(relative.generic_string());
        if (!checked)
            continue;
        EXPECT_EQ("", Joined(CheckPageFile(entry.path()))) << relative;
        ExpectNodeAccepts(PageScripts(ReadHostFile(entry.path())), root);
    }
    std::sort(pages.begin(), pages.end());
    return pages;
}

TEST(ClassicApplicationTest, WriteAllWritesEveryPageThatPassesTheChecks)
{
    for (const bool prefix : {false, true})
    {
        ClassicApplication application;
        application.m_project.SetModulePrefix(prefix);
        ExpectGolden(prefix ? "application/pages_prefixed.txt" : "application/pages.txt",
                     Joined(WriteAndCheck(application, !prefix)));
    }
}

// A role and a top menu whose names are no script identifiers, as the dialogs accept them: the
// menu scripts and every page still pass node and the page check.
TEST(ClassicApplicationTest, OddRoleAndMenuNamesGiveScriptsThatPassTheChecks)
{
    ClassicApplication application;
    Module* base = application.m_project.GetBaseModule();
    Menu* top = base->FindMenuByName(base->GetName() + "Menu");
    ASSERT_NE(top, nullptr);
    top->SetName("2nd Main");
    auto* manager = new Designation;
    manager->SetName("Sales-Manager");
    manager->AddMenusOf(*base->GetDesignations().front());
    base->Append(manager);
    WriteAndCheck(application, true);
    const std::string menus = ReadHostFile(application.m_temp.Path() / "_system/js/TopMenus.js");
    EXPECT_NE(menus.find("var _2ND_MAIN_SALES_MANAGER = [\r\n"), std::string::npos) << menus;
    EXPECT_NE(menus.find(", _2ND_MAIN_SALES_MANAGER]"), std::string::npos) << menus;
}
} // namespace

namespace
{
// Every field name slot of the classic application set to names the doors take, in turn: a C#
// keyword, reserved words of SQL, VBScript and JavaScript, a name the pages declare themselves,
// "-" and mixed case; the pages still pass node and the page check.
TEST(ClassicApplicationTest, NamesTheDoorsTakeGivePagesThatPassTheChecks)
{
    ClassicApplication application;
    const char* const names[] = {"event",  "user",    "order", "a-b", "x--y",     "MixedCase",
                                 "select", "checked", "end",   "Dim", "function", "values"};
    std::size_t next = 0;
    std::vector<Table*> tables;
    application.m_project.GetBaseModule()->GetAllTables(tables);
    for (Table* table : tables)
    {
        if (table->IsSystemTable())
            continue;
        for (Field* field : table->GetFields())
        {
            if (!field->IsKeyOrDeletedFlag() && !field->IsForeignKey())
                field->SetFieldName(names[next++ % std::size(names)]);
        }
    }
    WriteAndCheck(application, true);
}
} // namespace
