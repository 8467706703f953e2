#pragma once

#include "platform/core/CString.h"

class AspFile;
class Field;
class FieldRep;
class TextFile;

// The procedure call an action page builds in strQry, one value term a line:
//   strQry = "PRC_t_Insert " & _
//       " '" &SingleQuoteToDouble(name) &"', " & _
//       " " &(qty) &""
// Text values go between apostrophes through SingleQuoteToDouble (dates through ConvertDate
// first); other values stand bare.
class QueryText
{
public:
    // Writes the assignment of the procedure name at the indent; terms go at termIndent.
    QueryText(TextFile& out, int indent, int termIndent, const CString& procedureName);

    void AddTerm(const Field* field, const CString& variable);
    // The closing quote of the whole text.
    void Close();

private:
    TextFile& m_out;
    int m_termIndent;
    CString m_separator;
    bool m_empty = true;
};

// The blocks that fill a page variable from a procedure output column when the page file's
// visibility of its field has a data procedure: the procedure is called with the values of
// the fields of its main table that are its field parameters, when they are all filled.
class FieldLookupWriter
{
public:
    FieldLookupWriter(AspFile* file, TextFile& out);

    // One block for the field when its visibility on the page file has a data procedure; the
    // control shows the field. Blocks are numbered from 1 in the order written.
    void Write(Field* field, const CString& variable, const FieldRep* control, int indent);

private:
    AspFile* m_file;
    TextFile& m_out;
    int m_count = 0;
};
