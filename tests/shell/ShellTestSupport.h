#pragma once

#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/ProjectStore.h"
#include "platform/core/ScriptedMessageBoxes.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/TreeCtrl.h"
#include "shell/ForgeonApp.h"
#include "shell/ForgeonDoc.h"
#include "shell/MainFrame.h"
#include "tests/support/HostFiles.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <QApplication>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

// The program as main() starts it, on the offscreen platform: its profile and the user's data
// folder in a temp folder, no pause at start-up, message boxes and file choosers answered by
// scripts.
class RunningProgram
{
public:
    // The profile goes into profileFolder when one is given, so that it outlives the program.
    explicit RunningProgram(std::vector<const char*> arguments = {},
                            const std::filesystem::path& profileFolder = {})
    {
        ::setenv("XDG_DATA_HOME", (folder.Path() / "data").c_str(), 1);
        ForgeonApp::SetStartupPause(0);
        app.SetProfileFolder(
            (profileFolder.empty() ? folder.Path() / "profile" : profileFolder).c_str());
        arguments.insert(arguments.begin(), "kestrane-weavo");
        app.SetCommandLine(static_cast<int>(arguments.size()), arguments.data());
        started = app.InitInstance() != FALSE;
        QApplication::processEvents();
    }

    MainFrame& Frame() const { return *MainFrame::Get(); }
    ForgeonDoc& Doc() const { return *Frame().GetDoc(); }
    ForgeonProject& Project() const { return *Doc().GetProject(); }
    // Runs a menu or tool-bar command as the frame receives it.
    void Command(UINT id) const { Frame().OnCmdMsg(id, 0); }
    std::string PathOf(const char* name) const { return (folder.Path() / name).string(); }
    CString Caption() const
    {
        CString caption;
        Frame().GetWindowText(caption);
        return caption;
    }

    TempFolder folder;
    ScriptedMessageBoxes boxes;
    ScriptedFileChooser files;
    ScriptedDialogs dialogs;
    ForgeonApp app;
    bool started = false;
};

// A project file written beside the program: a new project whose base module is followed by
// one more module.
inline void WriteTwoModuleProject(const std::string& path)
{
    ProjectStore store;
    ForgeonProject* project = store.GetProject();
    project->InitNewProject();
    project->AddNewModule();
    ASSERT_TRUE(store.ArchiveProject(project, path.c_str(), FALSE));
}

// The project file read as opening it would, saved beside it, and that file's bytes.
inline std::string SavedAfterLoad(const std::string& path)
{
    ProjectStore store;
    EXPECT_TRUE(store.ArchiveProject(nullptr, path.c_str(), TRUE));
    const std::string again = path + ".again";
    EXPECT_TRUE(store.ArchiveProject(store.GetProject(), again.c_str(), FALSE));
    return ReadHostFile(again);
}

// The item of the tree, at any depth from the first item on, that reads the text; null when none
// does.
inline HTREEITEM FindTreeItem(const CTreeCtrl& tree, HTREEITEM first, const CString& text)
{
    for (HTREEITEM item = first; item != nullptr; item = tree.GetNextSiblingItem(item))
    {
        if (tree.GetItemText(item) == text)
            return item;
        if (HTREEITEM found = FindTreeItem(tree, tree.GetChildItem(item), text))
            return found;
    }
    return nullptr;
}

// The texts of a combo box of the window, in their order.
inline std::vector<CString> ComboItems(CWnd& window, int combo)
{
    std::vector<CString> items;
    const auto* box = dynamic_cast<CComboBox*>(window.GetDlgItem(combo));
    for (int i = 0; box != nullptr && i < box->GetCount(); ++i)
    {
        CString item;
        box->GetLBText(i, item);
        items.push_back(item);
    }
    return items;
}

// The index of the text in a combo box of the window; -1, and a failure, when it is not there.
inline int ComboIndexOf(CWnd& window, int combo, const char* text)
{
    const std::vector<CString> items = ComboItems(window, combo);
    for (size_t i = 0; i < items.size(); ++i)
        if (items[i] == text)
            return static_cast<int>(i);
    ADD_FAILURE() << text << " not in combo " << combo;
    return -1;
}
