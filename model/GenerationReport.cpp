#include "model/GenerationReport.h"

#include "model/TextFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>

namespace
{
// The section's heading and entries, the first of them while the budget of lines lasts, then
// the count of the rest.
void AppendSection(CString& text, const CString& heading,
                   const std::vector<GenerationReport::Entry>& entries, bool hostPaths,
                   std::size_t& budget)
{
    if (entries.empty())
        return;
    if (!text.IsEmpty())
        text += "\n";
    text += heading;
    // Each section shows its first line at least.
    const std::size_t shown = std::min(entries.size(), std::max<std::size_t>(budget, 1));
    for (std::size_t index = 0; index < shown; ++index)
    {
        const GenerationReport::Entry& entry = entries[index];
        const CString name = hostPaths ? CString(ToHostPath(entry.name).c_str()) : entry.name;
        text += "\n" + name + " (" + entry.reason + ")";
    }
    budget -= std::min(budget, shown);
    if (shown < entries.size())
    {
        CString rest;
        rest.Format("\nand %d more", static_cast<int>(entries.size() - shown));
        text += rest;
    }
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

void GenerationReport::AddNote(const CString& heading, const CString& name, const CString& reason)
{
    auto note = std::ranges::find(m_notes, heading, &Note::heading);
    if (note == m_notes.end())
        note = m_notes.insert(m_notes.end(), Note{heading, {}});
    note->entries.push_back({name, reason});
}

bool GenerationReport::RecordFile(const CString& path, const TextFile& file)
{
    const CString failure = file.GetFailure();
    if (failure.IsEmpty())
        return true;
    AddUnwrittenFile(path, failure);
    return false;
}

bool GenerationReport::MakeFolder(const CString& path)
{
    const OutputRoot::Admission admitted = m_root.AdmitFolder(path);
    if (!admitted.refusal.IsEmpty())
        AddUnwrittenFile(path, admitted.refusal);
    else if (!MakeFolderChain(admitted.hostPath.c_str()))
        AddUnwrittenFile(path, std::strerror(errno));
    else
        return true;
    return false;
}

std::string GenerationReport::PrepareFile(const CString& path)
{
    const OutputRoot::Admission admitted = m_root.AdmitFile(path);
    if (!admitted.refusal.IsEmpty())
    {
        AddUnwrittenFile(path, admitted.refusal);
        return {};
    }
    const CString folder = FolderOf(admitted.hostPath.c_str());
    CString removed;
    if (!folder.IsEmpty() && !MakeFolderChain(folder))
        AddUnwrittenFile(path, std::strerror(errno));
    else if (m_root.IsSet() && !RemoveLinkAt(admitted.hostPath, removed))
        AddUnwrittenFile(path, CString("a link stands in its place: ") + std::strerror(errno));
    else
    {
        if (!removed.IsEmpty())
            AddNote("These links were replaced by the files written:", admitted.hostPath.c_str(),
                    removed);
        return admitted.hostPath;
    }
    return {};
}

bool GenerationReport::OpenFile(TextFile& file, const CString& path)
{
    const std::string hostPath = PrepareFile(path);
    if (hostPath.empty())
        return false;
    if (file.Open(hostPath.c_str()) != nullptr)
        return true;
    RecordFile(path, file);
    return false;
}

void GenerationReport::ForgetFolders()
{
    m_folders.Clear();
    m_root.ForgetFolders();
}

CString GenerationReport::GetText() const
{
    return Text(shownEntries);
}

CString GenerationReport::GetFullText() const
{
    return Text(std::numeric_limits<std::size_t>::max());
}

CString GenerationReport::Text(std::size_t limit) const
{
    CString text;
    std::size_t budget = limit;
    AppendSection(text, "These files could not be written:", m_unwrittenFiles,
                  /*hostPaths=*/true, budget);
    AppendSection(text, "These pages were skipped:", m_skippedPages, /*hostPaths=*/false, budget);
    for (const Note& note : m_notes)
        AppendSection(text, note.heading, note.entries, /*hostPaths=*/false, budget);
    return text;
}

bool SaveTextFile(const CString& path, const CString& text, GenerationReport& report)
{
    const std::string hostPath = report.PrepareFile(path);
    if (hostPath.empty())
        return false;
    TextFile file(hostPath.c_str(), /*flush=*/false, '=', 60, /*disabled=*/false,
                  /*append=*/false);
    file.Write(0, "%s", text);
    file.Close();
    return report.RecordFile(path, file);
}
