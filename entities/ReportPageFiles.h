#pragma once

class AspFile;
class FormInterface;

// Page files of the report pages.

// A new page file of the mode's class (1 an ASP.NET file, 0 a classic one) with the kinds and
// the owner page; the caller takes it.
AspFile* NewPageFile(int mode, int ownerKind, int fileKind, FormInterface* owner);

// The page's file of file kind 0; when it has none, a new one of the mode's class owned by the
// page, appended to its file list.
AspFile* MainPageFileOrNew(FormInterface& page, int mode, int ownerKind);
