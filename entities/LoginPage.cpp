#include "entities/LoginPage.h"

#include "entities/AspxFile.h"
#include "entities/Grid.h"
#include "entities/ProcedureInvokation.h"
#include "entities/Variable.h"
#include "model/ArchiveIO.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/ReferenceList.h"

#include <algorithm>

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
        fieldRep->SetField(nullptr);
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
    m_loginCall = ReadOwned<ProcedureInvokation>(ar);
    m_userNameField = ReadRef<Field>(ar);
    m_designationField = ReadRef<Field>(ar);
    AdoptLoadedPageFields(ar);
    SetName(loginPageName);
}

void LoginPage::CreateDefaultControls()
{
    AddDefaultControl("user_name", "User Name");
    AddDefaultControl("password", "Password");
    CreateLoginAspFile(ProjectOutputKind());
}

void LoginPage::AddDefaultControl(const char* fieldName, const char* displayName)
{
    auto* field = new Field;
    field->Set(fieldName, displayName, FieldTypeChar, 10, 0, nullptr, "", false, false, false,
               false, false);
    field->EnsureDisplayName();
    AdoptPageField(field);
    auto* fieldRep = new FieldRep(field);
    auto* data = new FieldRepData;
    data->SetControlKind(0);
    fieldRep->SetFieldRepData(data);
    data->SetCaption(field->GetDisplayName());
    m_fieldReps.push_back(fieldRep);

    // Named and kinded as a load names every mapped page variable, so a save right after building
    // reads back unchanged.
    auto* variable = new Variable;
    variable->SetName(fieldName);
    variable->SetKind(Variable::pageKind);
    m_fieldVariableMaps.push_back(new FieldVariableMap{field, variable});
}

void LoginPage::CreateLoginAspFile(int outputKind)
{
    if (!m_aspFiles.empty())
        return;
    AspFile* file = outputKind == 1 ? new AspxFile : new AspFile;
    file->SetOwnerKind(AspFile::loginPageOwner);
    file->SetFileKind(0);
    file->SetOwnerPage(this);
    m_aspFiles.push_back(file);
}

Grid* LoginPage::BuildLayoutGrid()
{
    DeleteGrid();
    auto* grid = new Grid;
    SetGrid(grid);
    if (!m_fieldReps.empty())
    {
        grid->BuildCells(3, 2);
        grid->PlaceFieldReps(m_fieldReps);
    }
    return grid;
}

Procedure* LoginPage::GetLoginProcedure() const
{
    return m_loginCall != nullptr ? m_loginCall->GetProcedure() : nullptr;
}

bool LoginPage::LoginCallCalls(const Procedure* procedure) const
{
    return procedure != nullptr && GetLoginProcedure() == procedure;
}

void LoginPage::CheckExtraProcedureMapping(Procedure* procedure)
{
    if (LoginCallCalls(procedure))
        CheckInvocationMapping(m_loginCall);
}

void LoginPage::ListReferences(ReferenceList& list)
{
    FormInterface::ListReferences(list);
    list.AddSlot(m_userNameField);
    list.AddSlot(m_designationField);
    // The login call is named as such.
    list.SetUser([] { return CString("LoginPage"); });
    ProcedureInvokation::ListHeld(list, m_loginCall,
                                  [this]
                                  {
                                      m_loginCall->ClearVariablePairs();
                                      m_loginCall->SetProcedure(nullptr);
                                  });
}
