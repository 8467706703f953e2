#pragma once

#include "gen_web/CodeLines.h"
#include "platform/core/CString.h"

#include <initializer_list>

class ForgeonProject;
class TextFile;

// Util\ControlFieldHandler.cs: fills and selects drop-down and editable combo lists from a
// DataTable and reads one field's value.
class ControlFieldHandlerWriter
{
public:
    ControlFieldHandlerWriter(const ForgeonProject& project, TextFile& file);

    void Write();

private:
    void WriteHead();
    void WriteAddItems();
    void WriteSetSelectedItem();
    void WriteSetSelectedItemForEditable();
    void WriteGetValueFromDataTable();
    // A method that walks the columns of every row with columnTest, then runs notFound.
    void WriteColumnSearch(const char* comment, const char* signature,
                           std::initializer_list<CodeLine> columnTest,
                           std::initializer_list<CodeLine> notFound);

    TextFile& m_file;
    CString m_namespace;
};
