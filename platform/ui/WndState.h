#pragma once

#include "platform/ui/DC.h"
#include "platform/ui/GdiObjects.h"
#include "platform/ui/Menu.h"
#include "platform/ui/Wnd.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <map>
#include <memory>
#include <vector>

// The widget properties that hold what every handle of a widget shares.
constexpr const char* kHandleProperty = "weavoWnd";
constexpr const char* kIdProperty = "weavoId";
constexpr const char* kStyleProperty = "weavoStyle";
constexpr const char* kExStyleProperty = "weavoExStyle";
constexpr const char* kClassCursorProperty = "weavoClassCursor";
constexpr const char* kToolTipsProperty = "weavoToolTips";

// What a handle keeps of its own.
struct WndState
{
    struct CommandEntry
    {
        int code;
        UINT firstId;
        UINT lastId;
        std::function<void()> handler;
    };
    struct NotifyEntry
    {
        int code;
        UINT firstId;
        UINT lastId;
        std::function<void(NMHDR*, LRESULT*)> handler;
    };

    QPointer<QWidget> widget;
    bool owned = false;
    // The window set by SetOwner.
    QPointer<QWidget> owner;
    // The extended style CreateEx hands to Create.
    DWORD createExStyle = 0;
    // The menu the window shows.
    HMENU menu = nullptr;
    // What GetFont hands out.
    std::unique_ptr<CFont> font;
    std::map<int, std::unique_ptr<CWnd>> items;
    // The DCs of GetDC not released yet.
    std::vector<std::unique_ptr<CDC>> dcs;
    std::vector<CommandEntry> commands;
    std::vector<NotifyEntry> notifies;
    std::map<UINT, std::function<LRESULT(WPARAM, LPARAM)>> messages;
    std::vector<std::pair<const CWnd*, std::function<void(MSG*)>>> inputRelays;
};
