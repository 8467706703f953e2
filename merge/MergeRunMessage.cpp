#include "merge/MergeRunMessage.h"

#include "merge/MergeReportFiles.h"
#include "model/GenerationReport.h"
#include "platform/core/HostPath.h"

CString MergeRunMessage(const MergeReportFiles& files)
{
    CString message = "The merge report and logs are in ";
    message += UserTempFolder().c_str();
    message += ".";
    if (const CString notes = files.GetReport().ClosingText(""); !notes.IsEmpty())
        message += "\n\n" + notes;
    return message;
}
