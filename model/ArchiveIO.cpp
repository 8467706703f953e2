#include "model/ArchiveIO.h"

#include <string>

void WriteBoolInt(CArchive& ar, bool value)
{
    ar << (value ? 1 : 0);
}

bool ReadBoolInt(CArchive& ar)
{
    int value = 0;
    ar >> value;
    return value != 0;
}

void WriteBoolByte(CArchive& ar, bool value)
{
    ar << static_cast<BYTE>(value ? 1 : 0);
}

bool ReadBoolByte(CArchive& ar)
{
    BYTE value = 0;
    ar >> value;
    return value != 0;
}

int ReadCount(CArchive& ar)
{
    int count = 0;
    ar >> count;
    if (count < 0)
        ar.ThrowMalformed(CArchiveException::generic,
                          "a list count of " + std::to_string(count) + ", below 0");
    return count;
}
