#include "model/NamedQuestion.h"

CString NamedQuestion(const char* question, const CString& name)
{
    CString text(question);
    if (name.IsEmpty())
        return text;
    text.TrimRight();
    const bool asks = !text.IsEmpty() && text[text.GetLength() - 1] == '?';
    if (asks)
        text = text.Left(text.GetLength() - 1);
    text.TrimRight();
    text += " \"";
    text += name;
    text += "\"";
    if (asks)
        text += "?";
    return text;
}
