#pragma once

#include "controls/RichToolTipCtrl.h"

#include <QAbstractScrollArea>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>

#include <string>
#include <vector>

// The mouse resting on the point of the widget, as Qt delivers it (to a list's viewport).
inline void RestMouseAt(QWidget* widget, QPoint local)
{
    if (auto* area = qobject_cast<QAbstractScrollArea*>(widget))
    {
        local = area->viewport()->mapFrom(widget, local);
        widget = area->viewport();
    }
    QMouseEvent move(QEvent::MouseMove, QPointF(local), QPointF(widget->mapToGlobal(local)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &move);
}

// Rests the mouse on every shown tool of every tip control the window made; each arms its tip
// with its text. The texts of the tools that did not are returned; checked counts the tools.
inline std::vector<std::string> ToolsThatArmNoTip(CWnd& window, int& checked)
{
    std::vector<std::string> silent;
    for (QWidget* child : window.GetSafeHwnd()->findChildren<QWidget*>())
    {
        auto* tips = dynamic_cast<CRichToolTipCtrl*>(CWnd::FromHandle(child));
        if (tips == nullptr)
            continue;
        for (int index = 0; index < tips->GetToolCount(); ++index)
        {
            const CRichToolTipInfo& tool = *tips->GetTool(index);
            QWidget* widget = tool.m_window->GetSafeHwnd();
            if (!widget->isVisibleTo(window.GetSafeHwnd()) || widget->width() < 2)
                continue;
            // A rectangle's tool is in the tip's parent's client coordinates.
            const QPoint centre(tool.m_rect.CenterPoint().x, tool.m_rect.CenterPoint().y);
            RestMouseAt(widget,
                        tool.m_wholeWindow
                            ? widget->rect().center()
                            : widget->mapFromGlobal(window.GetSafeHwnd()->mapToGlobal(centre)));
            ++checked;
            const CRichToolTipInfo* armed = tips->GetCurrentTool();
            if (armed == nullptr || armed->m_text != tool.m_text)
                silent.emplace_back(tool.m_text.GetString());
        }
    }
    return silent;
}
