#pragma once

#include "platform/ui/Wnd.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLayout>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <gtest/gtest.h>

#include <vector>

// What a laid-out window looks like: the places of its controls, in the window's coordinates.
struct ControlPlace
{
    QWidget* widget;
    QRect rect;
};

// The widgets of the window's controls (those with a handle).
inline std::vector<QWidget*> ControlsOf(QWidget* window)
{
    std::vector<QWidget*> controls;
    for (QWidget* child : window->findChildren<QWidget*>())
        if (CWnd::FromHandle(child) != nullptr)
            controls.push_back(child);
    return controls;
}

// The visible controls of the window, in the order of the list given.
inline std::vector<ControlPlace> PlacesOf(QWidget* window, const std::vector<QWidget*>& controls)
{
    std::vector<ControlPlace> places;
    for (QWidget* control : controls)
        if (control->isVisibleTo(window))
            places.push_back(
                {control, QRect(control->mapTo(window, QPoint(0, 0)), control->size())});
    return places;
}

// The faults of the layout: a control of no size, outside the window, or over another one.
inline QStringList LayoutFaults(QWidget* window, const std::vector<QWidget*>& controls)
{
    QStringList faults;
    const std::vector<ControlPlace> places = PlacesOf(window, controls);
    const QRect inside = window->rect();
    for (std::size_t i = 0; i < places.size(); ++i)
    {
        const ControlPlace& place = places[i];
        const QString name = place.widget->metaObject()->className() + QString(" #%1").arg(i);
        if (place.rect.isEmpty())
            faults << name + " has no size";
        if (!inside.contains(place.rect))
            faults << name + " lies outside the window";
        for (std::size_t j = i + 1; j < places.size(); ++j)
        {
            // A group box holds the controls placed in it.
            if (place.widget->isAncestorOf(places[j].widget) ||
                places[j].widget->isAncestorOf(place.widget))
                continue;
            if (place.rect.intersects(places[j].rect))
                faults << name + QString(" overlaps #%1").arg(j);
        }
    }
    return faults;
}

// The window's bottom less the control's bottom, in the window's coordinates, once the window
// system has applied the moves and resizes made.
inline int GapBelow(CWnd& window, int id)
{
    QApplication::processEvents();
    QWidget* frame = window.GetSafeHwnd();
    QWidget* control = window.GetDlgItem(id)->GetSafeHwnd();
    return frame->height() - (control->mapTo(frame, QPoint()).y() + control->height());
}

// Keeps a picture of the window under the folder of the build, as name.png.
inline bool KeepGrab(QWidget* window, const char* folder, const QString& name)
{
    QDir().mkpath(folder);
    return window->grab().toImage().save(QString(folder) + "/" + name + ".png");
}

// The faults of the window laid out at that size.
inline QStringList FaultsAt(QWidget* window, QSize size)
{
    window->resize(size);
    window->layout()->activate();
    QApplication::processEvents();
    return LayoutFaults(window, ControlsOf(window));
}

// The window's own size fits a 1024 x 768 screen and shows every control apart; its picture
// is kept in the folder as name.png.
inline void ExpectLaidOutApart(QWidget* window, const char* folder, const QString& name)
{
    const QSize natural = window->sizeHint();
    EXPECT_LE(natural.width(), 1024);
    EXPECT_LE(natural.height(), 768);
    EXPECT_EQ(FaultsAt(window, natural), QStringList());
    EXPECT_TRUE(KeepGrab(window, folder, name));
}
