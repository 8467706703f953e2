#include "model/GenerationReport.h"

#include "model/TextFile.h"

#include <cerrno>
#include <cstring>

namespace
{
void AppendSection(CString& text, const char* heading,
                   const std::vector<GenerationReport::Entry>& entries)
{
    if (entries.empty())
        return;
    if (!text.IsEmpty())
        text += "\n";
    text += heading;
    for (const GenerationReport::Entry& entry : entries)
        text += "\n" + entry.name + " (" + entry.reason + ")";
}

// The path up to its last separator, or empty when it has none.
CString FolderOf(const CString& path)
{
    const int backslash = path.ReverseFind('\\');
    const int slash = path.ReverseFind('/');
    const int last = backslash > slash ? backslash : slash;
    return last < 0 ? CString() : path.Left(last);
}
} // namespace

void GenerationReport::AddUnwrittenFile(const CString& path, const CString& reason)
{
    m_unwrittenFiles.push_back({path, reason});
}

void GenerationReport::AddSkippedPage(const CString& page, const CString& reason)
{
    m_skippedPages.push_back({page, reason});
}

bool GenerationReport::RecordFile(const CString& path, const TextFile& file)
{
    const CString failure = file.GetFailure();
    if (failure.IsEmpty())
        return true;
    AddUnwrittenFile(path, failure);
    return false;
}

bool GenerationReport::MakeFileFolder(const CString& filePath)
{
    const CString folder = FolderOf(filePath);
    return folder.IsEmpty() || MakeFolderChain(folder);
}

bool GenerationReport::OpenFile(TextFile& file, const CString& path)
{
    if (!MakeFileFolder(path))
    {
        AddUnwrittenFile(path, std::strerror(errno));
        return false;
    }
    if (file.Open(path) != nullptr)
        return true;
    RecordFile(path, file);
    return false;
}

CString GenerationReport::GetText() const
{
    CString text;
    AppendSection(text, "These files could not be written:", m_unwrittenFiles);
    AppendSection(text, "These pages were skipped:", m_skippedPages);
    return text;
}

bool SaveTextFile(const CString& path, const CString& text, GenerationReport& report)
{
    if (!report.MakeFileFolder(path))
    {
        report.AddUnwrittenFile(path, std::strerror(errno));
        return false;
    }
    TextFile file(path, /*flush=*/false, '=', 60, /*disabled=*/false, /*append=*/false);
    file.Write(0, "%s", text);
    file.Close();
    return report.RecordFile(path, file);
}
