#pragma once

#include "platform/core/Types.h"

// The pictures the editor views show beside their titles, registered as bitmap resources under
// their ids the first time this is called: 343 a master table, 344 a table of another kind.
void RegisterEditorPictures();
