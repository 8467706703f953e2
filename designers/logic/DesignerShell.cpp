#include "designers/logic/DesignerShell.h"

#include <utility>

namespace
{
DesignerShell* installed = nullptr;
} // namespace

DesignerShell* DesignerShell::Set(DesignerShell* shell)
{
    return std::exchange(installed, shell);
}

DesignerShell* DesignerShell::Get()
{
    return installed;
}
