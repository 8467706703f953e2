#pragma once

#include "entities/ProcedureFieldInfo.h"
#include "entities/Variable.h"
#include "merge/MergeSelection.h"
#include "merge/ProjectMerger.h"
#include "model/Relation.h"
#include "tests/merge/MergeInputs.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

// A project file's text as the merge wrote it, line ends as in memory.
inline std::string MergeFileText(const std::filesystem::path& path)
{
    const std::string text = ReadHostFile(path);
    std::string plain;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n'))
            plain += text[i];
    return plain;
}

// The text as a standard string.
inline std::string StdString(const CString& text)
{
    return text.GetString();
}

// What a merge report holds after the last object's lines: the closing rule and a blank line.
inline const std::string reportSeparator = std::string(58, '-') + "\n\n";

// One line per table of the module (kind, then each field with type, size, display name and
// foreign reference) and per procedure (main and detail tables, parameters, relations, output
// columns, alias fields and variation variables).
std::string DescribeModule(const Module& module);

// A selection that answers OK for the module with the listed entities, then lets the test add
// to the dependency collector's lists.
class ListSelection : public MergeSelection
{
public:
    using Extra = std::function<void(MergeDependencyCollector&, Module&)>;

    ListSelection(ScriptedMergeSelection scripted, Extra extra)
        : m_scripted(std::move(scripted)), m_extra(std::move(extra))
    {
    }

    std::optional<MergeChoice> Choose(ForgeonProject* first, ForgeonProject* second,
                                      MergeDependencyCollector& dependencies) override;

private:
    ScriptedMergeSelection m_scripted;
    Extra m_extra;
};

// Merge runs over the store's two merge inputs: the report files go to a temp folder of the
// test's own, the status texts are recorded.
class MergeRun : public MergeInputs
{
protected:
    MergeRun();
    ~MergeRun() override;

    // The store's merge, the engine installed over the selection.
    bool RunStoreMerge(MergeSelection& selection);
    // A model path under the test's folder.
    CString Path(const char* name) const { return m_folder.ModelPath(name); }
    // The project saved to the file of the test's folder, and the file's bytes; a failure when
    // the file cannot be read.
    std::string SavedBytes(ForgeonProject* project, const char* file = "saved.wvt");
    // Two saves' bytes compared, a failure naming where they first differ.
    static void ExpectSameBytes(const std::string& expected, const std::string& actual)
    {
        EXPECT_TRUE(actual == expected)
            << actual.size() << " bytes, expected " << expected.size() << "; "
            << FirstDifference(std::vector<BYTE>(actual.begin(), actual.end()),
                               std::vector<BYTE>(expected.begin(), expected.end()));
    }
    // The lines that went to the report's buffer once its file was closed.
    static std::string ReportLines(const ProjectMerger& merger)
    {
        return merger.GetReport().GetBuffer().GetString();
    }
    // A file under the host temp folder.
    std::string TempText(const char* relative) const;
    bool TempFileExists(const char* relative) const;

    TempFolder m_hostTemp{"WeavoMergeRun"};
    TempFolderOverride m_tempOverride{m_hostTemp.Path()};
    std::vector<std::string> m_statusTexts;

private:
    MainFrameAccess::StatusTextSink m_previousSink;
};
