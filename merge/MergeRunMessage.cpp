#include "merge/MergeRunMessage.h"

#include "merge/MergeReportFiles.h"
#include "model/GenerationReport.h"
#include "platform/core/HostPath.h"

CString MergeRunMessage(const MergeReportFiles& files)
{
    CString message = "The merge report and logs are in ";
    message += UserTempFolder().c_str();
    message += ".";
    const std::vector<const MergeReportFiles::File*> failed = files.GetFailedFiles();
    if (!failed.empty())
        message += "\nThese files could not be written:";
    for (const MergeReportFiles::File* file : failed)
    {
        message += "\n";
        message += file->hostPath.c_str();
        message += ": " + file->failure;
    }
    // Notes as every writer's closing message gives them.
    GenerationReport notes;
    for (const MergeReportFiles::File& file : files.GetFiles())
        notes.NoteReplacedLink(file.path, file.replacedLink);
    if (const CString text = notes.GetText(); !text.IsEmpty())
        message += "\n" + text;
    return message;
}
