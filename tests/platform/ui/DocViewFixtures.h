#pragma once

#include "platform/ui/Document.h"
#include "platform/ui/FrameWnd.h"
#include "platform/ui/WinApp.h"
#include "tests/support/TempFolder.h"

#include <memory>
#include <string>
#include <vector>

// A document that stores one text and records the commands that reach it.
class TextDocument : public CDocument
{
    DECLARE_DYNCREATE(TextDocument)

public:
    TextDocument();
    void Serialize(CArchive& ar) override;
    void DeleteContents() override { m_text.Empty(); }

    CString m_text;
    std::vector<UINT> m_commands;
};

// The command that documents and the application map in these tests, and one that only the
// application maps.
constexpr UINT ID_TEST_COMMAND = 32771;
constexpr UINT ID_APP_COMMAND = 32772;

// An application whose profile lives in a temp folder and which records the commands it gets.
class TestApp : public CWinApp
{
public:
    explicit TestApp(const TempFolder& folder);

    // Adds a single-document template of TextDocument, the frame class and the view class.
    void AddTemplate(CRuntimeClass* frameClass, CRuntimeClass* viewClass);

    std::vector<UINT> m_commands;
};

// The file at path holds the text as TextDocument writes it.
void WriteTextDocument(const std::string& path, const char* text);
