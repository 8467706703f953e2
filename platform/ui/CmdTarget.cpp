#include "platform/ui/CmdTarget.h"

#include <QCursor>
#include <QGuiApplication>

#include <utility>

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

BOOL CCmdTarget::OnCmdMsg(UINT id, int code)
{
    if (code != 0)
        return FALSE;
    for (const Entry& entry : m_commands)
    {
        if (id >= entry.firstId && id <= entry.lastId)
        {
            entry.handler(id);
            return TRUE;
        }
    }
    return FALSE;
}

void CCmdTarget::MapCommandRange(UINT firstId, UINT lastId, std::function<void(UINT)> handler)
{
    m_commands.push_back({firstId, lastId, std::move(handler)});
}

namespace
{
void ShowBusyCursor()
{
    if (QGuiApplication::instance() != nullptr)
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

void RestoreCursor()
{
    if (QGuiApplication::instance() != nullptr && QGuiApplication::overrideCursor() != nullptr)
        QGuiApplication::restoreOverrideCursor();
}
} // namespace

void CCmdTarget::BeginWaitCursor()
{
    ShowBusyCursor();
}

void CCmdTarget::EndWaitCursor()
{
    RestoreCursor();
}

CWaitCursor::CWaitCursor()
{
    ShowBusyCursor();
}

CWaitCursor::~CWaitCursor()
{
    RestoreCursor();
}
