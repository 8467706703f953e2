#include "editors/ContextHelp.h"

#include "controls/RichToolTipCtrl.h"
#include "editors/ProgramFiles.h"
#include "model/FileUtilities.h"
#include "platform/core/HostPath.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/DesktopServices.h"
#include "platform/ui/Wnd.h"

void ShowContextHelp(CWnd* caller, UINT contextId)
{
    const CString helpFile = GetHelpFilePath();
    if (!FileExists(helpFile))
    {
        AfxMessageBox("No help is installed: the help file " +
                          CString(ToHostPath(helpFile).c_str()) + " does not exist.",
                      MB_OK | MB_ICONINFORMATION);
        return;
    }
    HtmlHelp(caller != nullptr ? caller->GetSafeHwnd() : nullptr, helpFile, HH_HELP_CONTEXT,
             contextId);
}

void AddControlTips(CRichToolTipCtrl& tips, CWnd& dialog,
                    std::initializer_list<ControlTip> controls)
{
    tips.Create(&dialog);
    for (const ControlTip& control : controls)
        tips.AddTool(dialog.GetDlgItem(control.id), control.text);
}
