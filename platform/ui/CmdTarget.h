#pragma once

#include "platform/core/CObject.h"
#include "platform/core/Types.h"

#include <functional>
#include <vector>

// Command ids of the framework's standard commands.
constexpr UINT ID_FILE_NEW = 0xE100;
constexpr UINT ID_FILE_OPEN = 0xE101;
constexpr UINT ID_FILE_CLOSE = 0xE102;
constexpr UINT ID_FILE_SAVE = 0xE103;
constexpr UINT ID_FILE_SAVE_AS = 0xE104;
constexpr UINT ID_FILE_MRU_FILE1 = 0xE110;
constexpr UINT ID_FILE_MRU_LAST = 0xE11F;
constexpr UINT ID_APP_ABOUT = 0xE140;
constexpr UINT ID_APP_EXIT = 0xE141;
constexpr UINT ID_EDIT_COPY = 0xE122;
constexpr UINT ID_EDIT_CUT = 0xE123;
constexpr UINT ID_EDIT_PASTE = 0xE125;

// A receiver of commands (the application, documents, windows): handlers are mapped to command
// ids and run by OnCmdMsg.
class CCmdTarget : public CObject
{
    DECLARE_DYNAMIC(CCmdTarget)

public:
    // Runs the handler mapped to id for code (0 for menu and tool-bar commands); TRUE when one ran.
    virtual BOOL OnCmdMsg(UINT id, int code);

    // Shows the busy cursor until the matching EndWaitCursor; pairs nest.
    void BeginWaitCursor();
    void EndWaitCursor();

protected:
    CCmdTarget() = default;

    void MapCommandRange(UINT firstId, UINT lastId, std::function<void(UINT)> handler);

    template <typename T> void MapCommand(UINT id, void (T::*handler)())
    {
        T* self = static_cast<T*>(this);
        MapCommandRange(id, id, [self, handler](UINT) { (self->*handler)(); });
    }

private:
    struct Entry
    {
        UINT firstId;
        UINT lastId;
        std::function<void(UINT)> handler;
    };

    std::vector<Entry> m_commands;
};

// Shows the busy cursor for its lifetime.
class CWaitCursor
{
public:
    CWaitCursor();
    ~CWaitCursor();
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
};
