#include "entities/MultiPageReport.h"

#include "entities/AspFile.h"
#include "entities/FormInterfaceParts.h"
#include "entities/MultiPageData.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/ProcedureInvokation.h"
#include "entities/ReportPageFiles.h"
#include "model/ArchiveIO.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/ListAccess.h"
#include "model/Ownership.h"
#include "model/ReferenceList.h"

#include <algorithm>
#include <cstddef>
#include <utility>

IMPLEMENT_SERIAL(MultiPageReport, FormInterface, 0)

int MultiPageReport::s_idCounter = 0;

MultiPageReport::MultiPageReport() : m_id(++s_idCounter) {}

MultiPageReport::~MultiPageReport()
{
    DeleteAll(m_pages);
}

void MultiPageReport::Serialize(CArchive& ar)
{
    FormInterface::Serialize(ar);
    if (ar.IsStoring())
    {
        WriteObjectList(ar, m_pages);
        return;
    }
    ReadOwnedList(ar, m_pages);
}

void MultiPageReport::ListReferences(ReferenceList& list)
{
    FormInterface::ListReferences(list);
    for (MultiPageData* page : m_pages)
    {
        if (page == nullptr)
            continue;
        // A page goes with its report, its call's references first.
        const ApplicationReport* report = page->GetReport();
        list.Add(report, [this, report] { DeletePagesOfReport(report); });
        ProcedureInvokation::ListHeld(list, page->GetProcedureCall(),
                                      [page] { page->SetProcedureCall(nullptr); });
    }
}

void MultiPageReport::CreatePageFile(int mode)
{
    if (m_aspFiles.empty())
        m_aspFiles.push_back(NewPageFile(mode, AspFile::multiPageReportOwner, 0, this));
}

ApplicationReport* MultiPageReport::GetReportAt(int index) const
{
    const MultiPageData* page = ItemAt(m_pages, index);
    return page != nullptr ? page->GetReport() : nullptr;
}

bool MultiPageReport::HasReport(const ApplicationReport* report) const
{
    return FindPageForReport(report) != nullptr;
}

void MultiPageReport::DeletePagesOfReport(const ApplicationReport* report)
{
    DeleteMatching(m_pages, [report](const MultiPageData* page)
                   { return page != nullptr && page->GetReport() == report; });
}

void MultiPageReport::SwapPages(int first, int second)
{
    if (IsValidIndex(m_pages, first) && IsValidIndex(m_pages, second))
        std::swap(m_pages[static_cast<std::size_t>(first)],
                  m_pages[static_cast<std::size_t>(second)]);
}

MultiPageData* MultiPageReport::FindPageForReport(const ApplicationReport* report) const
{
    if (report == nullptr)
        return nullptr;
    return FindFirst(m_pages, [report](const MultiPageData* page)
                     { return page != nullptr && page->GetReport() == report; });
}

bool MultiPageReport::SetProcedureCallForReport(const ApplicationReport* report,
                                                ProcedureInvokation* call)
{
    MultiPageData* page = FindPageForReport(report);
    if (page == nullptr)
        return false;
    page->SetProcedureCall(call);
    return true;
}

Procedure* MultiPageReport::GetProcedureForReport(const ApplicationReport* report) const
{
    const MultiPageData* page = FindPageForReport(report);
    return page != nullptr ? page->GetProcedure() : nullptr;
}

void MultiPageReport::DeleteProcedureCallForReport(const ApplicationReport* report)
{
    SetProcedureCallForReport(report, nullptr);
}

bool MultiPageReport::AddParameterMapping(const ApplicationReport* report, VariablePair* pair)
{
    MultiPageData* page = FindPageForReport(report);
    if (page == nullptr || pair == nullptr)
        return false;
    page->AddParameterPair(pair);
    return true;
}

VariablePair* MultiPageReport::FindParameterMapping(const ApplicationReport* report,
                                                    const Variable* first) const
{
    const MultiPageData* page = FindPageForReport(report);
    return page != nullptr ? page->FindParameterPair(first) : nullptr;
}

void MultiPageReport::RemoveParameterMapping(const ApplicationReport* report, VariablePair* pair)
{
    if (MultiPageData* page = FindPageForReport(report))
        page->RemoveParameterPair(pair);
}

bool MultiPageReport::AddFilterForOutputField(const ProcedureFieldInfo* column)
{
    Field* field = column != nullptr ? column->GetField() : nullptr;
    if (field == nullptr || GetFieldRepForField(field) != nullptr)
        return false;
    auto* rep = new FieldRep(field);
    rep->AttachFieldRepData(new FieldRepData);
    m_fieldReps.push_back(rep);
    return true;
}
