#pragma once

#include "platform/core/CString.h"
#include "platform/core/Types.h"

#include <vector>

// An item of a menu resource: a command (id, text), a separator (id 0, no text) or a popup.
struct MenuResourceItem
{
    CString text;
    UINT id = 0;
    bool popup = false;
    std::vector<MenuResourceItem> items;
};

MenuResourceItem MenuCommand(const char* text, UINT id);
MenuResourceItem MenuSeparator();
MenuResourceItem MenuPopup(const char* text, std::vector<MenuResourceItem> items);

// Makes the items known as the menu resource of that id (a later one replaces it).
void RegisterMenuResource(UINT resourceId, const std::vector<MenuResourceItem>& items);
// The resource in the standard layout: a header of two zero words, then per item a flags word
// (MF_POPUP, MF_END on the last item of a level), a command-id word unless it is a popup, and
// the text in UTF-16, zero-terminated; a popup's items follow it. Null when none is registered.
const std::vector<BYTE>* FindMenuResource(UINT resourceId);

// One item as the resource holds it: its flags word, its command id (0 for a popup) and its text.
struct MenuResourceEntry
{
    WORD flags = 0;
    WORD id = 0;
    CString text;
};
// Reads the item at the offset and moves past it; false when the resource ends first.
bool ReadMenuResourceEntry(const std::vector<BYTE>& bytes, std::size_t& at,
                           MenuResourceEntry& entry);

// Accelerator keys: FVIRTKEY with a virtual key (VK_, or an upper-case letter or digit).
constexpr BYTE FVIRTKEY = 0x01;
constexpr BYTE FSHIFT = 0x04;
constexpr BYTE FCONTROL = 0x08;
constexpr BYTE FALT = 0x10;

struct ACCEL
{
    BYTE fVirt;
    WORD key;
    WORD cmd;
};

// Makes the keys known as the accelerator resource of that id (a later one replaces it).
void RegisterAcceleratorResource(UINT resourceId, const std::vector<ACCEL>& keys);
const std::vector<ACCEL>* FindAcceleratorResource(UINT resourceId);
