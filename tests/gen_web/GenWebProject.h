#pragma once

#include "model/ForgeonProject.h"
#include "model/GenerationReport.h"
#include "model/Module.h"
#include "model/ProjectSettings.h"

#include "tests/support/HostFiles.h"
#include "tests/support/TempFolder.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

// A project named "Shop" whose path is a fresh temp folder, with the module "BaseModule"
// current, and the report its writers fill.
class GenWebProject
{
public:
    GenWebProject()
    {
        m_project.SetProjectSettings(new ProjectSettings);
        m_project.SetProjectName("Shop");
        m_project.SetProjectPath(m_temp.ModelPath());
        m_project.AddModule(m_base);
        m_project.SetCurrentModule(m_base);
    }

    ForgeonProject& Project() { return m_project; }
    Module& Base() { return *m_base; }
    GenerationReport& Report() { return m_report; }
    const std::filesystem::path& Root() const { return m_temp.Path(); }
    const TempFolder& Temp() const { return m_temp; }

private:
    TempFolder m_temp{"WeavoGenWeb"};
    ForgeonProject m_project;
    Module* m_base = new Module("BaseModule");
    GenerationReport m_report;
};

// Writes the text as the whole file, making its folders.
inline void WriteHostFile(const std::filesystem::path& path, const std::string& text)
{
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}
