#pragma once

#include "entities/ProcedureFieldInfo.h"
#include "entities/Variable.h"
#include "merge/MergeSelection.h"
#include "merge/ProjectMerger.h"
#include "model/Relation.h"
#include "tests/merge/MergeInputs.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

// A project file's text as the merge wrote it, line ends as in memory.
inline std::string MergeFileText(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    std::string text(std::istreambuf_iterator<char>(file), {});
    std::string plain;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n'))
            plain += text[i];
    return plain;
}

// One line per table of the module (kind, then each field with type, size, display name and
// foreign reference) and per procedure (main and detail tables, parameters, relations, output
// columns, alias fields and variation variables).
std::string DescribeModule(const Module& module);

// Merge runs over the store's two merge inputs: the report files go to a temp folder of the
// test's own, the status texts are recorded.
class MergeRun : public MergeInputs
{
protected:
    MergeRun();
    ~MergeRun() override;

    // The store's merge, the engine installed over the selection.
    bool RunStoreMerge(MergeSelection& selection);
    // A file under the host temp folder.
    std::string TempText(const char* relative) const;
    bool TempFileExists(const char* relative) const;

    TempFolder m_hostTemp{"WeavoMergeRun"};
    TempFolderOverride m_tempOverride{m_hostTemp.Path()};
    std::vector<std::string> m_statusTexts;

private:
    MainFrameAccess::StatusTextSink m_previousSink;
};
