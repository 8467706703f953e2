#include "entities/GridCell.h"

#include "entities/DashBoardCellInfo.h"
#include "entities/Grid.h"
#include "model/ArchiveIO.h"
#include "model/FieldRep.h"

IMPLEMENT_SERIAL(GridCell, CObject, 0)

int GridCell::s_idCounter = 0;

GridCell::GridCell() : m_id(++s_idCounter) {}

GridCell::GridCell(int row, int column) : m_id(++s_idCounter), m_row(row), m_column(column) {}

GridCell::~GridCell()
{
    Clear();
}

void GridCell::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar.WriteObject(m_owner);
        ar.WriteObject(m_subGrid);
        ar << m_row << m_column << m_contentKind;
        if (m_contentKind == kFieldRep || m_contentKind == kDashBoardCellInfo)
            ar.WriteObject(dynamic_cast<const CObject*>(m_content));
        return;
    }
    m_owner = ReadRef<Grid>(ar);
    m_subGrid = ReadOwned<Grid>(ar);
    ar >> m_row >> m_column >> m_contentKind;
    if (m_contentKind == kFieldRep)
        m_content = ReadRef<FieldRep>(ar);
    else if (m_contentKind == kDashBoardCellInfo)
        m_content = ReadOwned<DashBoardCellInfo>(ar);
}

void GridCell::DeleteSubGrid()
{
    delete m_subGrid;
    m_subGrid = nullptr;
}

DashBoardCellInfo* GridCell::GetDashBoardCellInfo() const
{
    return m_contentKind == kDashBoardCellInfo ? dynamic_cast<DashBoardCellInfo*>(m_content)
                                               : nullptr;
}

void GridCell::Clear()
{
    DeleteSubGrid();
    if (m_contentKind != kFieldRep)
        delete m_content;
    m_content = nullptr;
}
