#include "model/MainFrameAccess.h"

#include <utility>

namespace
{
MainFrameAccess::ProjectSource& InstalledProjectSource()
{
    static MainFrameAccess::ProjectSource source;
    return source;
}

MainFrameAccess::TreeRefresher& InstalledTreeRefresher()
{
    static MainFrameAccess::TreeRefresher refresher;
    return refresher;
}

MainFrameAccess::StatusTextSink& InstalledStatusTextSink()
{
    static MainFrameAccess::StatusTextSink sink;
    return sink;
}
} // namespace

ForgeonProject* MainFrameAccess::GetProject()
{
    const ProjectSource& source = InstalledProjectSource();
    return source ? source() : nullptr;
}

void MainFrameAccess::RefreshTree()
{
    if (const TreeRefresher& refresher = InstalledTreeRefresher())
        refresher();
}

MainFrameAccess::ProjectSource MainFrameAccess::SetProjectSource(ProjectSource source)
{
    return std::exchange(InstalledProjectSource(), std::move(source));
}

MainFrameAccess::TreeRefresher MainFrameAccess::SetTreeRefresher(TreeRefresher refresher)
{
    return std::exchange(InstalledTreeRefresher(), std::move(refresher));
}

void MainFrameAccess::SetStatusText(const char* text)
{
    if (const StatusTextSink& sink = InstalledStatusTextSink())
        sink(text);
}

MainFrameAccess::StatusTextSink MainFrameAccess::SetStatusTextSink(StatusTextSink sink)
{
    return std::exchange(InstalledStatusTextSink(), std::move(sink));
}
