#include "platform/ui/WebBrowser2.h"

#include "platform/core/HostPath.h"

#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include <utility>

IMPLEMENT_DYNAMIC(WebBrowser2, CWnd)

namespace
{
WebBrowser2::NavigateHandler& Handler()
{
    static WebBrowser2::NavigateHandler handler;
    return handler;
}
} // namespace

WebBrowser2::NavigateHandler WebBrowser2::SetNavigateHandler(NavigateHandler handler)
{
    return std::exchange(Handler(), std::move(handler));
}

void WebBrowser2::PreSubclassWindow()
{
    CWnd::PreSubclassWindow();
    QWidget* host = GetSafeHwnd();
    if (host == nullptr || m_browser != nullptr)
        return;
    auto* layout = new QVBoxLayout(host);
    layout->setContentsMargins(0, 0, 0, 0);
    m_browser = new QTextBrowser(host);
    m_browser->setOpenLinks(false);
    layout->addWidget(m_browser);
}

void WebBrowser2::Navigate(const CString& url, const void*, const void*, const void*, const void*)
{
    if (Handler())
        Handler()(*this, url);
    else
        ShowFile(url);
}

void WebBrowser2::ShowFile(const CString& url)
{
    m_location = url;
    if (m_browser == nullptr)
        return;
    if (url.IsEmpty())
    {
        m_browser->clear();
        return;
    }
    const QUrl source = QUrl::fromLocalFile(QString::fromStdString(ToHostPath(url)));
    // The same file again is read again: it may have been written anew.
    if (m_browser->source() == source)
        m_browser->reload();
    else
        m_browser->setSource(source);
}

CString WebBrowser2::GetPageText() const
{
    return m_browser != nullptr ? CString(m_browser->toPlainText().toStdString()) : CString();
}
