#include "tests/platform/ui/DocViewFixtures.h"

#include "platform/core/CArchive.h"
#include "platform/core/CFile.h"
#include "platform/ui/DocTemplate.h"
#include "platform/ui/RecentFileList.h"

IMPLEMENT_DYNCREATE(TextDocument, CDocument)

TextDocument::TextDocument()
{
    MapCommandRange(ID_TEST_COMMAND, ID_TEST_COMMAND,
                    [this](UINT id) { m_commands.push_back(id); });
}

void TextDocument::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        ar << m_text;
    else
        ar >> m_text;
}

TestApp::TestApp(const TempFolder& folder) : CWinApp("KestraneWeavo")
{
    SetProfileFolder(folder.Path().c_str());
    LoadStdProfileSettings(4);
    MapCommandRange(ID_TEST_COMMAND, ID_APP_COMMAND, [this](UINT id) { m_commands.push_back(id); });
}

void TestApp::AddTemplate(CRuntimeClass* frameClass, CRuntimeClass* viewClass)
{
    AddDocTemplate(new CSingleDocTemplate(128, RUNTIME_CLASS(TextDocument), frameClass, viewClass));
}

void WriteTextDocument(const std::string& path, const char* text)
{
    TextDocument document;
    document.m_text = text;
    CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
    CArchive ar(&file, CArchive::store);
    document.Serialize(ar);
    ar.Close();
}
