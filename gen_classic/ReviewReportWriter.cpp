#include "gen_classic/ReviewReportWriter.h"

#include "entities/AspFile.h"
#include "entities/FormInterface.h"
#include "entities/Menu.h"
#include "entities/Procedure.h"
#include "model/ForgeonProject.h"
#include "model/GenerationReport.h"
#include "model/Module.h"

ReviewReportWriter::ReviewReportWriter(const ForgeonProject& project, GenerationReport& report)
    : m_project(project), m_report(report)
{
}

void ReviewReportWriter::Write()
{
    WriteProcedures();
    WritePageFiles();
    WriteMenus();
    SaveTextFile(m_project.GetProjectPath() + "_system/scripts/ReviewReport.txt",
                 m_text.GetBuffer(), m_report);
}

void ReviewReportWriter::WriteProcedures()
{
    m_text.Write(0, "*************Procedures to be Reviewed*************\n");
    const Module* module = m_project.GetCurrentModule();
    if (module == nullptr)
        return;
    for (const Procedure* procedure : module->GetProcedures())
        if (!procedure->GetWriteFlag())
            m_text.Write(0, "%s\n", procedure->GetName());
    m_text.WriteSeparator(0);
}

void ReviewReportWriter::WritePageFiles()
{
    m_text.Write(0, "\n*************ASPs to be Reviewed*************\n");
    m_text.Write(0, "Following ASPs are called from other menus andthese ASPs do not have Top and "
                    "Left menu\n\n");
    const Module* module = m_project.GetCurrentModule();
    if (module == nullptr)
        return;
    std::vector<FormInterface*> pages;
    module->GetAllPages(pages);
    for (const FormInterface* page : pages)
    {
        bool listed = false;
        for (const AspFile* file : page->GetAspFiles())
        {
            if (file->GetTopMenu() != nullptr || file->GetLeftMenu() != nullptr ||
                file->GetLinkingItems().empty())
                continue;
            if (!listed)
                m_text.Write(0, "%s\n", file->GetKindName());
            listed = true;
            m_text.Write(0, "%s\n", file->GetClassicRelativeUrl(FALSE, FALSE));
        }
        if (listed)
            m_text.Write(0, "\n");
    }
}

void ReviewReportWriter::WriteMenus()
{
    m_text.Write(0, "\n*************Menus to be Reviewed*************\n");
    m_text.Write(0, "ASPs are not assigned for follwing Child  menus\n\n");
    const Module* module = m_project.GetCurrentModule();
    if (module == nullptr)
        return;
    std::vector<Menu*> menus;
    module->CollectMenus(menus, nullptr);
    for (const Menu* menu : menus)
        if (menu->GetSubMenus().empty() && menu->GetAspFile() == nullptr)
            m_text.Write(0, "%s\n", menu->GetFullName());
}
