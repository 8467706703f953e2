#pragma once

#include "platform/core/CString.h"

#include <vector>

class FormInterface;
class Grid;
class Table;
struct FieldVariableMap;

// What a classic page writer knows of one page it writes: the page, its table and the name
// SQL uses for it, the caption, the key map, and its field-variable maps in two lists: list A
// holds the maps of page variables (kind 1), list B those of parameter variables (kind 0).
// The maps belong to the page.
struct PageWriteInfo
{
    FormInterface* page = nullptr;
    Table* table = nullptr;
    std::vector<FieldVariableMap*> listA;
    std::vector<FieldVariableMap*> listB;
    CString tableName;
    CString caption;
    // The key field and its variable; may be null.
    FieldVariableMap* keyMap = nullptr;
    // The page's layout grid; the page owns it.
    Grid* grid = nullptr;
};
