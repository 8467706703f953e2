#pragma once

#include "platform/ui/Wnd.h"

#include <functional>

class QTextBrowser;

// The embedded web browser: a page shown from a local HTML file. It takes over a dialog's
// control (a custom window) and fills it with a QTextBrowser. Navigation goes through a
// replaceable handler, as the desktop services do, so that tests see the address.
class WebBrowser2 : public CWnd
{
    DECLARE_DYNAMIC(WebBrowser2)

public:
    // The default shows the file in the browser.
    using NavigateHandler = std::function<void(WebBrowser2& browser, const CString& url)>;
    // Installs a handler and returns the previous one; an empty one restores the default.
    static NavigateHandler SetNavigateHandler(NavigateHandler handler);

    // A local file path (the model's form; converted for the host) or an address; the optional
    // arguments of the framework's call carry nothing here.
    void Navigate(const CString& url, const void* flags = nullptr,
                  const void* targetFrame = nullptr, const void* postData = nullptr,
                  const void* headers = nullptr);
    // Shows the file at once, without the handler; an empty address shows nothing.
    void ShowFile(const CString& url);
    // The address shown last; empty before the first.
    const CString& GetLocationURL() const { return m_location; }
    // The text of the page shown.
    CString GetPageText() const;

protected:
    void PreSubclassWindow() override;

private:
    QTextBrowser* m_browser = nullptr;
    CString m_location;
};
