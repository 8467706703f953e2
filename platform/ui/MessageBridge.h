#pragma once

#include "platform/ui/Wnd.h"

#include <QObject>

class QEvent;

// Turns the Qt events of a widget that has a handle into messages for the handle's WindowProc,
// after offering input messages to PreTranslateMessage. A scrolling control's viewport reports
// its paint and mouse events for the control, in the control's coordinates. An event whose
// handler did not call Default() is consumed; one whose handler did has had Qt's handling.
class MessageBridge : public QObject
{
public:
    // Installs the bridge on the widget (and its viewport) once.
    static void Install(QWidget* widget);
    // Dispatches a message to the window's WindowProc as the current message.
    static LRESULT Send(CWnd& wnd, UINT message, WPARAM wParam, LPARAM lParam);
    // Qt's handling of the current message when it is message for wnd and came from Qt and has
    // not had it yet; 0 otherwise.
    static LRESULT RunDefault(const CWnd& wnd, UINT message);
    static const MSG* CurrentMessage();
    // The Qt event of the message being dispatched; null when it came from no event.
    static const QEvent* CurrentEvent();
    // The widget of the message being dispatched; null outside of one.
    static QWidget* CurrentWidget();
    // True while the window handles a message under the innermost one, or offers one to its
    // PreTranslateMessage: what happens now was caused by the window's own handler.
    static bool IsHandling(const QWidget* window);
    // True while the window handles a paint: a paint that reaches it again meanwhile (a copy of
    // it made from its own paint) gets Qt's handling only.
    static bool IsPainting(const QWidget* window);
    // Sends every mouse event of the application to the window as its messages, in its client
    // coordinates, until called with null (SetCapture, ReleaseCapture).
    static void RouteMouseTo(QWidget* window);
    // Hands the input message to the relays of the window and of its parents.
    static void RelayInput(CWnd* wnd, MSG& msg);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};
