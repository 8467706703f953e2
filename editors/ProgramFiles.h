#pragma once

#include "platform/core/CString.h"

// The folder of the running program, without a trailing separator.
CString GetProgramFolder();

// The help file in the "Help" folder of the program folder: "KestraneWeavo" + the user's
// three-letter language abbreviation + ".chm", or "KestraneWeavo.chm" when that file does not
// exist.
CString GetHelpFilePath();

// The three-letter language abbreviation of a locale name such as "de_DE.UTF-8": the language's
// two letters and the first of the territory, in upper case ("DED"); "ENU" for the C and POSIX
// locales and a name without a territory.
CString AbbreviatedLanguageName(const char* locale);
