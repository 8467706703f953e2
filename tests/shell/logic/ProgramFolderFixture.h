#pragma once

#include "model/ForgeonProject.h"
#include "model/ProjectSettings.h"
#include "platform/core/ScriptedMessageBoxes.h"
#include "tests/model/ModelBuilders.h"
#include "tests/support/HostFiles.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

// A new project beside a program folder "bin" of its own, both in a temp folder; message boxes
// answered by script.
class ProgramFolderFixture : public ::testing::Test
{
protected:
    ProgramFolderFixture() { project.InitNewProject(); }

    std::filesystem::path Bin(const char* relative = "") const
    {
        return folder.Path() / "bin" / relative;
    }
    CString BinFolder() const { return (folder.Path() / "bin").c_str(); }
    static void Write(const std::filesystem::path& path, const std::string& text)
    {
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << text;
    }
    static std::string Read(const std::filesystem::path& path) { return ReadHostFile(path); }
    std::vector<std::string> Messages() const { return boxes.ShownTexts(); }
    ProjectSettings& Settings() { return *project.GetProjectSettings(); }

    TempFolder folder;
    ForgeonProject project;
    ScopedOpenProject open{&project};
    ScriptedMessageBoxes boxes;
};
