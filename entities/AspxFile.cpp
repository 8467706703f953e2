#include "entities/AspxFile.h"

IMPLEMENT_SERIAL(AspxFile, AspFile, 0)
