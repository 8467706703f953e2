#include "entities/LoginPage.h"

#include "entities/ProcedureInvokation.h"
#include "model/ArchiveIO.h"
#include "model/Field.h"
#include "model/FieldRep.h"

IMPLEMENT_SERIAL(LoginPage, FormInterface, 0)

namespace
{

const char* const loginPageName = "Login Page";

} // namespace

LoginPage::LoginPage()
{
    m_name = loginPageName;
}

LoginPage::~LoginPage()
{
    delete m_loginCall;
    m_loginCall = nullptr;
    m_userNameField = nullptr;
    m_designationField = nullptr;
    for (FieldRep* fieldRep : m_fieldReps)
    {
        delete fieldRep->GetField();
        fieldRep->SetField(nullptr);
    }
}

void LoginPage::Serialize(CArchive& ar)
{
    FormInterface::Serialize(ar);
    if (ar.IsStoring())
    {
        ar.WriteObject(m_loginCall);
        ar.WriteObject(m_userNameField);
        ar.WriteObject(m_designationField);
        return;
    }
    m_loginCall = ReadRef<ProcedureInvokation>(ar);
    m_userNameField = ReadRef<Field>(ar);
    m_designationField = ReadRef<Field>(ar);
    SetName(loginPageName);
}
