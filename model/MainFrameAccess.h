#pragma once

#include <functional>

class ForgeonProject;

// What the model asks of the main window, reachable from below the shell. The shell installs
// the hooks at start-up and its MainFrame derives from this class; model code calls
// MainFrameAccess::GetProject(), MainFrameAccess::RefreshTree() and
// MainFrameAccess::SetStatusText(). Tests install a project source of their own (a lambda
// returning the test's project) and record the status texts.
class MainFrameAccess
{
public:
    using ProjectSource = std::function<ForgeonProject*()>;
    using TreeRefresher = std::function<void()>;
    using StatusTextSink = std::function<void(const char* text)>;

    // The open project; null while no source is installed.
    static ForgeonProject* GetProject();

    // Rebuilds the project tree; does nothing while no refresher is installed.
    static void RefreshTree();

    // Shows the text in the status bar; does nothing while no sink is installed.
    static void SetStatusText(const char* text);

    // Each installs a hook (an empty one removes it) and returns the previous one.
    static ProjectSource SetProjectSource(ProjectSource source);
    static TreeRefresher SetTreeRefresher(TreeRefresher refresher);
    static StatusTextSink SetStatusTextSink(StatusTextSink sink);
};
