#include "gen_reports/CSharpClassInfo.h"

CSharpMethodInfo::~CSharpMethodInfo()
{
    for (CSharpParameterInfo* parameter : parameters)
        delete parameter;
}

CSharpClassInfo::~CSharpClassInfo()
{
    for (CSharpMethodInfo* method : methods)
        delete method;
}
