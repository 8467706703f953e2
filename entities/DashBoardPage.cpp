#include "entities/DashBoardPage.h"

#include "entities/AspFile.h"
#include "entities/ClassInvokation.h"
#include "entities/DashBoard.h"
#include "entities/DashBoardPageData.h"
#include "entities/ProcedureInvokation.h"
#include "model/ArchiveIO.h"
#include "model/ListAccess.h"
#include "model/Ownership.h"
#include "model/ReferenceList.h"

#include <algorithm>
#include <iterator>
#include <utility>

IMPLEMENT_SERIAL(DashBoardPage, FormInterface, 0)

namespace
{

// The placement's answer to the question; null without a placement.
template <class Ask> auto AnswerOf(const DashBoardPageData* placement, Ask ask)
{
    return placement == nullptr ? nullptr : ask(*placement);
}

} // namespace

int DashBoardPage::s_idCounter = 0;

DashBoardPage::DashBoardPage() : m_id(++s_idCounter) {}

DashBoardPage::~DashBoardPage()
{
    DeleteAll(m_placements);
}

void DashBoardPage::Serialize(CArchive& ar)
{
    FormInterface::Serialize(ar);
    if (ar.IsStoring())
    {
        WriteObjectList(ar, m_placements);
        ar << m_header;
        return;
    }
    ReadOwnedList(ar, m_placements);
    if (ArchiveVersion() > 79)
        ar >> m_header;
}

std::vector<DashBoardPageData*> DashBoardPage::PlacementsCalling(const Procedure* procedure) const
{
    std::vector<DashBoardPageData*> calling;
    std::ranges::copy_if(m_placements, std::back_inserter(calling),
                         [procedure](const DashBoardPageData* placement) {
                             return procedure != nullptr && placement->GetProcedure() == procedure;
                         });
    return calling;
}

void DashBoardPage::ListReferences(ReferenceList& list)
{
    FormInterface::ListReferences(list);
    for (DashBoardPageData* placement : m_placements)
    {
        // A placement goes with its dashboard, its call's references first.
        const DashBoard* dashBoard = placement->GetDashBoard();
        list.Add(dashBoard, [this, dashBoard] { RemoveDashBoard(dashBoard); });
        ProcedureInvokation::ListHeld(list, placement->GetProcedureInvokation(),
                                      [placement]
                                      { placement->RemoveProcedureInvokation(nullptr); });
        ClassInvokation::ListHeld(list, placement->GetClassInvokation(),
                                  [placement] { placement->RemoveClassInvokation(); });
    }
}

void DashBoardPage::CheckExtraProcedureMapping(Procedure* procedure)
{
    for (const DashBoardPageData* placement : PlacementsCalling(procedure))
        CheckInvocationMapping(placement->GetProcedureInvokation());
}

void DashBoardPage::CreateAspFile(int aspx)
{
    CreateSinglePageFile(*this, aspx, AspFile::dashBoardPageOwner);
}

DashBoard* DashBoardPage::GetDashBoardAt(int index) const
{
    return AnswerOf(ItemAt(m_placements, index),
                    [](const DashBoardPageData& placement) { return placement.GetDashBoard(); });
}

bool DashBoardPage::ContainsDashBoard(const DashBoard* dashBoard) const
{
    return FindPlacement(dashBoard) != nullptr;
}

void DashBoardPage::MoveDashBoardUp(int index)
{
    if (index > 0 && IsValidIndex(m_placements, index))
        std::swap(m_placements[index], m_placements[index - 1]);
}

void DashBoardPage::MoveDashBoardDown(int index)
{
    if (IsValidIndex(m_placements, index) && IsValidIndex(m_placements, index + 1))
        std::swap(m_placements[index], m_placements[index + 1]);
}

void DashBoardPage::RemoveDashBoard(const DashBoard* dashBoard)
{
    EraseAndDelete(m_placements, FindPlacement(dashBoard));
}

void DashBoardPage::DeleteAllDashBoards()
{
    DeleteAll(m_placements);
}

DashBoardPageData* DashBoardPage::FindPlacement(const DashBoard* dashBoard) const
{
    if (dashBoard == nullptr)
        return nullptr;
    return FindFirst(m_placements, [dashBoard](const DashBoardPageData* placement)
                     { return placement->GetDashBoard() == dashBoard; });
}

void DashBoardPage::SetDashBoardProcedureInvokation(const DashBoard* dashBoard,
                                                    ProcedureInvokation* invokation)
{
    if (DashBoardPageData* placement = FindPlacement(dashBoard))
        placement->SetProcedureInvokation(invokation);
}

ProcedureInvokation*
DashBoardPage::GetDashBoardProcedureInvokation(const DashBoard* dashBoard) const
{
    return AnswerOf(FindPlacement(dashBoard), [](const DashBoardPageData& placement)
                    { return placement.GetProcedureInvokation(); });
}

Procedure* DashBoardPage::GetDashBoardProcedure(const DashBoard* dashBoard) const
{
    return AnswerOf(FindPlacement(dashBoard),
                    [](const DashBoardPageData& placement) { return placement.GetProcedure(); });
}

void DashBoardPage::RemoveDashBoardProcedureInvokation(const DashBoard* dashBoard)
{
    if (DashBoardPageData* placement = FindPlacement(dashBoard))
        placement->RemoveProcedureInvokation(nullptr);
}

void DashBoardPage::AddDashBoardVariablePair(const DashBoard* dashBoard, VariablePair* pair)
{
    if (DashBoardPageData* placement = FindPlacement(dashBoard))
        placement->AddVariablePair(pair);
}

VariablePair* DashBoardPage::FindDashBoardVariablePair(const DashBoard* dashBoard,
                                                       const Variable* first) const
{
    return AnswerOf(FindPlacement(dashBoard), [first](const DashBoardPageData& placement)
                    { return placement.FindVariablePair(first); });
}

void DashBoardPage::RemoveDashBoardVariablePair(const DashBoard* dashBoard, VariablePair* pair)
{
    if (DashBoardPageData* placement = FindPlacement(dashBoard))
        placement->RemoveVariablePair(pair);
}

void DashBoardPage::AddDashBoardVariableMap(const DashBoard* dashBoard, DashBoardVariableMap* map)
{
    if (DashBoardPageData* placement = FindPlacement(dashBoard))
        placement->AddVariableMap(map);
}

DashBoardVariableMap* DashBoardPage::FindDashBoardVariableMap(const DashBoard* dashBoard,
                                                              const Variable* target) const
{
    return AnswerOf(FindPlacement(dashBoard), [target](const DashBoardPageData& placement)
                    { return placement.FindVariableMap(target); });
}

void DashBoardPage::RemoveDashBoardVariableMapAt(const DashBoard* dashBoard, int index)
{
    if (DashBoardPageData* placement = FindPlacement(dashBoard))
        placement->RemoveVariableMapAt(index);
}
