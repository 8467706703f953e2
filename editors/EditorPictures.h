#pragma once

#include "platform/core/Types.h"

// The menu editor's pages: the menu tree, the role menus, the menus of page files.
constexpr UINT menuTreeBitmap = 352;
constexpr UINT menuRolesBitmap = 354;
constexpr UINT menuFilesBitmap = 355;

// The pictures the editor views show beside their titles, registered as bitmap resources under
// their ids the first time this is called: 343 a master table, 344 a table of another kind,
// 356 a database, 345 a transaction, 346 a form, and the menu editor's pages above.
void RegisterEditorPictures();

constexpr UINT databaseBitmap = 356;
