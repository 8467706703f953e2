#pragma once

#include "platform/ui/HeaderCtrl.h"

// The header of a CCellListCtrl: its items show the check box images of the list (image 1 an
// empty box, 2 a ticked one); owner-drawn items are left empty.
class CCellHeaderCtrl : public CHeaderCtrl
{
public:
    void DrawItem(LPDRAWITEMSTRUCT) override {}

protected:
    BOOL OnEraseBkgnd(CDC*) override { return TRUE; }
};
