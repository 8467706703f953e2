#pragma once

#include "entities/AspFile.h"
#include "entities/FormInterface.h"
#include "model/EntityUsageSet.h"
#include "model/ForgeonProject.h"
#include "model/MainFrameAccess.h"
#include "model/Module.h"
#include "model/ProjectDiagnostics.h"
#include "model/ProjectSettings.h"
#include "platform/core/ScriptedMessageBoxes.h"
#include "tests/model/ModelBuilders.h"
#include "tests/model/ProjectRecordBytes.h"
#include "tests/support/HostFiles.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

// A project with one module, open as the main frame's project and kept in a temporary project
// folder, so that usage reports reach "ObjectRefDump.txt"; message boxes are scripted and the
// diagnostics lists are put back afterwards.
class DeletionFixture : public ::testing::Test
{
protected:
    DeletionFixture()
    {
        auto* settings = new ProjectSettings;
        settings->SetProjectName("Shop");
        m_project.SetProjectSettings(settings);
        m_project.SetProjectPath(m_folder.ModelPath());
        m_module = NewModule("BaseModule", 1);
        m_project.AddModule(m_module);
        m_project.SetCurrentModule(m_module);
        m_previousSource = MainFrameAccess::SetProjectSource([this] { return &m_project; });
    }
    ~DeletionFixture() override
    {
        TheProjectDiagnostics().GetCurrentUsageSet().Clear();
        MainFrameAccess::SetProjectSource(m_previousSource);
    }

    std::filesystem::path DumpPath() const { return m_folder.Path() / "ObjectRefDump.txt"; }
    bool DumpWritten() const { return std::filesystem::exists(DumpPath()); }
    // The dump file's bytes; empty when there is none.
    std::string DumpText() const { return ReadHostFileIfAny(DumpPath()); }
    // A page file of the page, owned by it.
    static AspFile* AddPageFile(FormInterface* page)
    {
        auto* file = new AspFile;
        file->SetFileKind(1);
        file->SetOwnerPage(page);
        page->AddAspFile(file);
        return file;
    }

    TempFolder m_folder;
    ScriptedMessageBoxes m_boxes;
    DiagnosticsSnapshot m_diagnostics;
    ForgeonProject m_project;
    Module* m_module = nullptr;
    MainFrameAccess::ProjectSource m_previousSource;
};
