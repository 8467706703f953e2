#pragma once

#include "platform/ui/WinApp.h"

class ForgeonDoc;

// The application: splash, profile with four recent files, the .wvt file association, the one
// document template, and a new project unless the command line names a file.
class ForgeonApp : public CWinApp
{
public:
    ForgeonApp();

    BOOL InitInstance() override;
    // Opens the file in the one document, making document and frame first when needed, after
    // asking whether to save the open project's changes; null when the file could not be read
    // (the open project stays), the document when the user cancelled.
    CDocument* OpenDocumentFile(const char* path) override;

    // The document of the project tree view, or null before the frame exists.
    ForgeonDoc* GetForgeonDoc() const;

    // Registers .wvt with the desktop: a desktop entry that opens the program with the file and a
    // MIME type for the extension, under the user's data folder. Failures are ignored.
    void RegisterFileAssociation();
    void OnAppAbout();

    // The pause with the splash shown at start-up, in milliseconds (2500 unless set).
    static void SetStartupPause(int milliseconds);
};

// The user's data folder of the desktop (XDG_DATA_HOME, or ~/.local/share).
CString UserDataFolder();
