#include "entities/ReportPageFiles.h"

#include "entities/AspFile.h"
#include "entities/AspxFile.h"
#include "entities/FormInterface.h"

AspFile* NewPageFile(int mode, int ownerKind, int fileKind, FormInterface* owner)
{
    AspFile* file = mode == 1 ? new AspxFile : new AspFile;
    file->SetOwnerKind(ownerKind);
    file->SetFileKind(fileKind);
    file->SetOwnerPage(owner);
    return file;
}

AspFile* MainPageFileOrNew(FormInterface& page, int mode, int ownerKind)
{
    if (AspFile* existing = page.FindAspFileByType(0))
        return existing;
    AspFile* file = NewPageFile(mode, ownerKind, 0, &page);
    page.AddAspFile(file);
    return file;
}
