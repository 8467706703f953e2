#pragma once

#include "platform/core/Types.h"

// The tree images of the dashboard designer: a strip of two 16 x 16 pictures, 0 the root
// "Tables" and 1 a table or cell.
constexpr UINT dashBoardTreeBitmap = 3490;

// The pictures of the dashboard views, registered as bitmap resources under their ids the first
// time this is called: the tree strip above, 349 the dashboard designer's and 350 the dashboard
// page designer's title pictures, 342 the start page's, and the start page's ten buttons, each
// a normal and a second picture (321 to 341) on white, the transparent colour.
void RegisterDesignerPictures();
