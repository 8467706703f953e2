#include "model/LoginPageCreator.h"

#include "model/ForgeonProject.h"
#include "model/MainFrameAccess.h"
#include "model/Module.h"

LoginPageCreator::~LoginPageCreator()
{
    m_project = nullptr;
}

void LoginPageCreator::Create()
{
    m_project = MainFrameAccess::GetProject();
    Module* base = m_project == nullptr ? nullptr : m_project->GetBaseModule();
    if (base == nullptr)
        return;
    base->EnsureSystemTables();
    if (!base->HasUserAccountForm())
    {
        base->CreateUserAccountForm();
        base->CreateChangePasswordForm();
    }
    if (base->GetLoginPage() == nullptr)
        base->CreateLoginPage();
}
