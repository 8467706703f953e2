#include "entities/DashBoard.h"

#include "entities/AspFile.h"
#include "entities/AspxFile.h"
#include "entities/Class.h"
#include "entities/ClassInvokation.h"
#include "entities/DashBoardCellInfo.h"
#include "entities/Function.h"
#include "entities/Grid.h"
#include "entities/GridCell.h"
#include "entities/Menu.h"
#include "entities/Procedure.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/ProcedureInvokation.h"
#include "model/ArchiveIO.h"
#include "model/EntityUsageSet.h"
#include "model/ForgeonProject.h"
#include "model/MainFrameAccess.h"
#include "model/Module.h"
#include "model/ProjectDiagnostics.h"
#include "model/ReferenceList.h"

#include <algorithm>

IMPLEMENT_SERIAL(DashBoard, FormInterface, 0)

namespace
{

DashBoardCellInfo* CellInfoOf(const GridCell* cell)
{
    return cell == nullptr ? nullptr : cell->GetDashBoardCellInfo();
}

Field* FieldOf(const ProcedureFieldInfo* column)
{
    return column == nullptr ? nullptr : column->GetField();
}

// Of the current module's menu named as the caption, the first sub-menu with a page file.
Menu* FindReplacementMenu(const CString& caption)
{
    const ForgeonProject* project = MainFrameAccess::GetProject();
    const Module* module = project == nullptr ? nullptr : project->GetCurrentModule();
    const Menu* named = module == nullptr ? nullptr : module->FindMenuByName(caption);
    if (named == nullptr)
        return nullptr;
    const auto found = std::ranges::find_if(named->GetSubMenus(), [](const Menu* subMenu)
                                            { return subMenu->GetAspFile() != nullptr; });
    return found == named->GetSubMenus().end() ? nullptr : *found;
}

} // namespace

int DashBoard::s_idCounter = 0;

DashBoard::DashBoard() : m_id(++s_idCounter) {}

DashBoard::~DashBoard()
{
    delete m_procedureInvokation;
    delete m_classInvokation;
}

void DashBoard::Serialize(CArchive& ar)
{
    FormInterface::Serialize(ar);
    if (ar.IsStoring())
    {
        ar.WriteObject(m_procedureInvokation);
        ar.WriteObject(GetGrid());
        ar.WriteObject(m_classInvokation);
        ar << m_header;
        return;
    }
    m_procedureInvokation = ReadOwned<ProcedureInvokation>(ar);
    SetGrid(ReadOwned<Grid>(ar));
    if (ArchiveVersion() > 77)
        m_classInvokation = ReadOwned<ClassInvokation>(ar);
    if (ArchiveVersion() > 80)
        ar >> m_header;
}

bool DashBoard::CallsProcedure(const Procedure* procedure) const
{
    return procedure != nullptr && m_procedureInvokation != nullptr &&
           m_procedureInvokation->GetProcedure() == procedure;
}

bool DashBoard::GoesWith(const DataLoss& loss) const
{
    return FateOfCalls(m_classInvokation, m_procedureInvokation, loss) == DataFate::goes;
}

bool DashBoard::IsBuiltOnTable(const Table* table) const
{
    return table != nullptr && GoesWith(DataLoss::OfTable(table));
}

void DashBoard::CheckExtraProcedureMapping(Procedure* procedure)
{
    if (CallsProcedure(procedure))
        CheckInvocationMapping(m_procedureInvokation);
}

bool DashBoard::CollectMenuLinkUsage(Menu* menu)
{
    if (FormInterface::CollectMenuLinkUsage(menu))
        return true;
    if (!std::ranges::any_of(CollectCellInfos(), [menu](DashBoardCellInfo* info)
                             { return ReferenceList::Reaches(*info, {menu}); }))
        return false;
    TheProjectDiagnostics().AddError(m_name + "\n");
    RecordUsage();
    return true;
}

void DashBoard::RemoveFunctionReferences(Function* function)
{
    if (m_classInvokation == nullptr || m_classInvokation->GetFunction() != function)
        return;
    delete m_classInvokation;
    m_classInvokation = nullptr;
}

CString DashBoard::UsageEntry() const
{
    return "Used in DashBoard : " + m_name;
}

CString DashBoard::FieldUseName(const CString&) const
{
    return UsageEntry();
}

void DashBoard::ListTableUses(ReferenceList& list)
{
    list.SetUser([this] { return UsageEntry(); });
    FormInterface::ListTableUses(list);
    ClassInvokation::ListTablesHeld(list, m_classInvokation,
                                    [this]
                                    {
                                        ClassInvokation* call = m_classInvokation;
                                        if (call == nullptr)
                                            return;
                                        RemoveClassInvokation(call->GetClass());
                                        delete call;
                                    });
    list.SetUser([this] { return m_name; });
}

void DashBoard::CreateAspFile(int aspx)
{
    CreateSinglePageFile(*this, aspx, AspFile::dashBoardOwner);
}

Grid* DashBoard::FindGridById(int id)
{
    return m_grid == nullptr ? nullptr : m_grid->FindGridById(id);
}

void DashBoard::CollectGrids(std::vector<Grid*>& out)
{
    out.clear();
    if (m_grid != nullptr)
        m_grid->CollectGrids(out, nullptr);
}

std::vector<DashBoardCellInfo*> DashBoard::CollectCellInfos()
{
    std::vector<Grid*> grids;
    CollectGrids(grids);
    std::vector<DashBoardCellInfo*> infos;
    for (const Grid* grid : grids)
    {
        for (const Grid::Row& row : grid->GetRows())
        {
            for (const GridCell* cell : row)
            {
                if (DashBoardCellInfo* info = CellInfoOf(cell))
                    infos.push_back(info);
            }
        }
    }
    return infos;
}

bool DashBoard::IsFieldUsedInCells(Field* field)
{
    std::vector<Grid*> grids;
    CollectGrids(grids);
    for (const Grid* grid : grids)
    {
        const int columns = grid->GetColumnCount();
        for (int row = 0; row < grid->GetRowCount(); ++row)
        {
            for (int column = 0; column < columns; ++column)
            {
                const DashBoardCellInfo* info = CellInfoOf(grid->GetCellAt(row, column));
                if (info == nullptr)
                    continue;
                if (info->IsFieldUsed(field))
                    return true;
                break;
            }
        }
    }
    return false;
}

bool DashBoard::IsClassFunctionFieldUsed()
{
    if (m_classInvokation == nullptr || m_grid == nullptr ||
        m_classInvokation->GetFunction() == nullptr)
        return false;
    return std::ranges::any_of(m_classInvokation->GetFunction()->GetOutputFields(),
                               [this](const ProcedureFieldInfo* column)
                               { return IsFieldUsedInCells(FieldOf(column)); });
}

void DashBoard::ClearFieldFromCells(Field* field)
{
    for (DashBoardCellInfo* info : CollectCellInfos())
        info->ClearField(field);
}

void DashBoard::RemoveClassInvokation(Class* dataClass)
{
    if (m_classInvokation == nullptr || m_classInvokation->GetClass() != dataClass)
        return;
    if (const Function* function = m_classInvokation->GetFunction())
    {
        for (const ProcedureFieldInfo* column : function->GetOutputFields())
        {
            if (IsFieldUsedInCells(FieldOf(column)))
                ClearFieldFromCells(FieldOf(column));
        }
    }
    m_classInvokation = nullptr;
}

void DashBoard::UpdateMenuCaptionInCells(Menu* menu)
{
    if (m_grid != nullptr)
        m_grid->UpdateMenuCaptions(menu);
}

void DashBoard::RelinkCellMenus(Menu* menu)
{
    if (m_grid == nullptr || menu == nullptr)
        return;
    for (const Grid::Row& row : m_grid->GetRows())
    {
        for (const GridCell* cell : row)
        {
            DashBoardCellInfo* info = CellInfoOf(cell);
            if (info == nullptr || info->GetMenu() != menu)
                continue;
            if (Menu* replacement = FindReplacementMenu(info->GetCaption()))
                info->SetMenu(replacement);
            else
                info->SetStaticText(TRUE);
        }
    }
}

void CreateSinglePageFile(FormInterface& page, int aspx, int ownerKind)
{
    if (!page.GetAspFiles().empty())
        return;
    AspFile* file = aspx == 1 ? new AspxFile : new AspFile;
    file->SetOwnerKind(ownerKind);
    file->SetFileKind(0);
    file->SetOwnerPage(&page);
    page.AddAspFile(file);
}

void DashBoard::ListReferences(ReferenceList& list)
{
    FormInterface::ListReferences(list);
    if (m_procedureInvokation != nullptr)
    {
        const Procedure* procedure = m_procedureInvokation->GetProcedure();
        ProcedureInvokation::ListHeld(list, m_procedureInvokation,
                                      [this, procedure]
                                      {
                                          for (const ProcedureFieldInfo* column :
                                               procedure->GetOutputColumns())
                                              ClearFieldFromCells(FieldOf(column));
                                          delete m_procedureInvokation;
                                          m_procedureInvokation = nullptr;
                                      });
    }
    ClassInvokation::ListReferences(list, m_classInvokation);
    list.SetUse([this] { return FieldUseName({}); }, controlUseWeight);
    for (DashBoardCellInfo* info : CollectCellInfos())
        info->ListReferences(list);
    list.ClearUse();
}
