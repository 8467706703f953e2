#include "platform/ui/ItemSearch.h"

int FindItemText(int count, const std::function<QString(int)>& textAt, int start,
                 const QString& text, bool exact)
{
    const int first = start < 0 || start >= count ? 0 : start + 1;
    for (int step = 0; step < count; ++step)
    {
        const int index = (first + step) % count;
        const QString item = textAt(index);
        const bool found = exact ? item.compare(text, Qt::CaseInsensitive) == 0
                                 : item.startsWith(text, Qt::CaseInsensitive);
        if (found)
        {
            return index;
        }
    }
    return -1;
}
