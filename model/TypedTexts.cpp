#include "model/TypedTexts.h"

CString RefuseLineBreaks(std::initializer_list<std::pair<const char*, CString>> texts)
{
    for (const auto& [what, text] : texts)
    {
        if (text.FindOneOf("\r\n") >= 0)
            return CString("The ") + what +
                   " cannot hold a line break: the classic pages write it into a script "
                   "string.\nPlease enter it on one line.";
    }
    return "";
}
