#pragma once

#include "platform/core/Types.h"

// Qt keys and virtual keys (VK_, upper-case letters and digits); 0 for a key without one.
UINT VirtualKeyOf(int qtKey);
int QtKeyOf(UINT virtualKey);
