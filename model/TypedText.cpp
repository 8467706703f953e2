#include "model/TypedText.h"

#include "platform/core/MessageBox.h"

int AskAboutTypedText(const char* what, const CString& text, bool update)
{
    if (text.IsEmpty())
        return IDNO;
    CString question;
    question.Format(update ? "The %s \"%s\" has not been updated. Update it?"
                           : "The %s \"%s\" has not been added. Add it?",
                    what, text.GetString());
    return AfxMessageBox(question, MB_YESNOCANCEL | MB_ICONQUESTION);
}

bool TakeOrDropTypedText(const char* what, const CString& text, bool update,
                         const std::function<bool()>& take)
{
    const int answer = AskAboutTypedText(what, text, update);
    return answer == IDNO || (answer == IDYES && take());
}
