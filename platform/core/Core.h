#pragma once

// Every type of the platform core.
#include "platform/core/CArchive.h"
#include "platform/core/CException.h"
#include "platform/core/CFile.h"
#include "platform/core/CObject.h"
#include "platform/core/CString.h"
#include "platform/core/Collections.h"
#include "platform/core/HostPath.h"
#include "platform/core/MessageBox.h"
#include "platform/core/StringFormat.h"
#include "platform/core/Types.h"
