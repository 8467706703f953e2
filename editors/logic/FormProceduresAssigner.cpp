#include "editors/logic/FormProceduresAssigner.h"

#include "editors/logic/EditorHost.h"
#include "editors/logic/ProcedureAssigner.h"
#include "entities/FormInterface.h"
#include "entities/Procedure.h"
#include "entities/ProcedureInvokation.h"
#include "entities/ProcedureTable.h"
#include "entities/UniquenessProcedureTable.h"
#include "model/NamedQuestion.h"
#include "platform/core/MessageBox.h"

#include <memory>

namespace
{
constexpr int uniquenessRole = 0;

// The roles in the order of the type combo; the uniqueness role has no procedure-table kind.
struct Role
{
    const char* item;
    int kind;
    const char* removeQuestion;
};

const Role roles[] = {
    {"Uniqueness Procedure", uniquenessRole,
     "Do you want to remove the existing uniqueness procedure ?"},
    {"Record Delete Procedure", ProcedureTable::recordDeleteKind,
     "Do you want to remove the existing delete procedure ?"},
    {"Record Update Procedure", ProcedureTable::recordUpdateKind,
     "Do you want to remove the existing update procedure ?"},
    {"Control Default Value", ProcedureTable::controlDefaultValueKind,
     "Do you want to remove the existing control default value procedure ?"},
};

// The page's entry of the role for the table: whether there is one, and its invocation.
struct Entry
{
    bool exists = false;
    ProcedureInvokation* invocation = nullptr;
};

Entry FindEntry(const FormInterface& page, Table* table, int kind)
{
    if (kind == uniquenessRole)
    {
        const UniquenessProcedureTable* entry = page.FindUniquenessProcedureTable(table);
        return {entry != nullptr, entry != nullptr ? entry->GetInvocation() : nullptr};
    }
    const ProcedureTable* entry = nullptr;
    if (kind == ProcedureTable::recordUpdateKind)
        entry = page.FindUpdateProcedureTable(table);
    else if (kind == ProcedureTable::recordDeleteKind)
        entry = page.FindDeleteProcedureTable(table);
    else
        entry = page.FindDefaultValueProcedureTable(table);
    return {entry != nullptr, entry != nullptr ? entry->GetInvocation() : nullptr};
}

void RemoveEntry(FormInterface& page, Table* table, int kind)
{
    if (kind == uniquenessRole)
        page.RemoveUniquenessProcedureTable(table);
    else if (kind == ProcedureTable::recordUpdateKind)
        page.RemoveUpdateProcedureTable(table);
    else if (kind == ProcedureTable::recordDeleteKind)
        page.RemoveDeleteProcedureTable(table);
    else
        page.RemoveDefaultValueProcedureTable(table);
}

CString NameOf(const Procedure* procedure)
{
    return procedure != nullptr ? procedure->GetName() : CString();
}
} // namespace

FormProceduresAssigner::FormProceduresAssigner(ForgeonProject& project, EditorHost& host,
                                               FormInterface* page, Table* table)
    : m_project(project), m_host(host), m_page(page), m_table(table)
{
}

void FormProceduresAssigner::Open()
{
    std::vector<CString> items;
    for (const Role& role : roles)
        items.push_back(role.item);
    m_states.SetItems(IDC_TYPE, std::move(items));
    RefreshStatics();
}

void FormProceduresAssigner::RefreshStatics()
{
    const bool bound = m_page != nullptr;
    m_states.SetText(IDC_UNIQUENESS,
                     "Uniqueness : " +
                         (bound ? NameOf(m_page->GetUniquenessProcedure(m_table)) : CString()));
    m_states.SetText(IDC_UPDATE,
                     "Record update : " +
                         (bound ? NameOf(m_page->GetUpdateProcedure(m_table)) : CString()));
    m_states.SetText(IDC_DELETE,
                     "Record delete : " +
                         (bound ? NameOf(m_page->GetDeleteProcedure(m_table)) : CString()));
    m_states.SetText(IDC_DEFAULT_VALUE,
                     "Control Default Value : " +
                         (bound ? NameOf(m_page->GetDefaultValueProcedure(m_table)) : CString()));
}

void FormProceduresAssigner::Assign()
{
    if (m_page == nullptr || m_table == nullptr)
        return;
    const int type = m_states.GetSelection(IDC_TYPE);
    if (type < 0 || type >= static_cast<int>(std::size(roles)))
    {
        AfxMessageBox("Please select the procedure type.");
        return;
    }
    const int kind = roles[type].kind;
    const Entry entry = FindEntry(*m_page, m_table, kind);
    if (entry.exists &&
        AfxMessageBox("Do you really want to change the existing procedure?", MB_YESNO) != IDYES)
    {
        RefreshStatics();
        return;
    }
    // An invocation made here and not stored in a new entry is freed.
    std::unique_ptr<ProcedureInvokation> made;
    ProcedureInvokation* invocation = entry.invocation;
    if (invocation == nullptr)
    {
        made = std::make_unique<ProcedureInvokation>();
        invocation = made.get();
    }
    ProcedureAssigner assigner(m_project, m_page, invocation, true);
    assigner.SetPreselectedProcedure(invocation->GetProcedure());
    if (m_host.AssignProcedure(assigner) && invocation->GetProcedure() != nullptr && !entry.exists)
    {
        if (kind == uniquenessRole)
            m_page->AddUniquenessProcedureTable(new UniquenessProcedureTable(m_table, invocation));
        else
            m_page->AddProcedureTable(new ProcedureTable(m_table, invocation, kind));
        made.release();
    }
    RefreshStatics();
    m_states.Select(IDC_TYPE, -1);
}

void FormProceduresAssigner::Remove()
{
    const int type = m_states.GetSelection(IDC_TYPE);
    if (type < 0 || type >= static_cast<int>(std::size(roles)))
    {
        AfxMessageBox("Please select the procedure type.");
        return;
    }
    const Entry entry = m_page != nullptr ? FindEntry(*m_page, m_table, roles[type].kind) : Entry{};
    if (!entry.exists)
        return;
    const Procedure* procedure =
        entry.invocation != nullptr ? entry.invocation->GetProcedure() : nullptr;
    if (AfxMessageBox(NamedQuestion(roles[type].removeQuestion,
                                    procedure != nullptr ? procedure->GetName() : CString()),
                      MB_YESNO) == IDYES)
    {
        RemoveEntry(*m_page, m_table, roles[type].kind);
        RefreshStatics();
    }
}
