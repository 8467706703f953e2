#include "model/TypedText.h"

#include "platform/core/MessageBox.h"

namespace
{
// "The <what> "<name>" has not been added. Add it?" or updated; without a name the name and
// its quotes are left out.
CString NotTakenQuestion(const CString& what, const CString& name, bool update)
{
    const CString subject = name.IsEmpty() ? what : what + " \"" + name + "\"";
    return "The " + subject +
           (update ? " has not been updated. Update it?" : " has not been added. Add it?");
}
} // namespace

int AskAboutTypedText(const char* what, const CString& text, bool update)
{
    if (text.IsEmpty())
        return IDNO;
    return AfxMessageBox(NotTakenQuestion(what, text, update), MB_YESNOCANCEL | MB_ICONQUESTION);
}

bool TakeOrDropTypedText(const char* what, const CString& text, bool update,
                         const std::function<bool()>& take)
{
    const int answer = AskAboutTypedText(what, text, update);
    return answer == IDNO || (answer == IDYES && take());
}

int AskAboutEditedItem(const char* kind, const CString& name, bool isNew)
{
    const CString what = isNew && name.IsEmpty() ? CString("new ") + kind : CString(kind);
    return AfxMessageBox(NotTakenQuestion(what, name, !isNew), MB_YESNOCANCEL | MB_ICONQUESTION);
}
