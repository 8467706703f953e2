#pragma once

#include "entities/FormInterface.h"
#include "platform/core/CString.h"

#include <vector>

class CArchive;
class DashBoard;
class DashBoardPageData;
class Procedure;
class ProcedureInvokation;
class Variable;
struct DashBoardVariableMap;
struct VariablePair;

// A page that shows several dashboards one under the other; each placement may give its
// dashboard its own data binding.
class DashBoardPage : public FormInterface
{
    DECLARE_SERIAL(DashBoardPage)

public:
    // A new id, empty header, no placements.
    DashBoardPage();
    DashBoardPage(const DashBoardPage&) = delete;
    DashBoardPage& operator=(const DashBoardPage&) = delete;
    // Deletes every placement, then the page part.
    ~DashBoardPage() override;

    // The page record, the placements, the header (after version 79).
    void Serialize(CArchive& ar) override;

    // The page operations a dashboard page answers for the data calls of its placements.
    void CheckExtraProcedureMapping(Procedure* procedure) override;

    // The page's references, then the calls of its placements, which go with their procedures.
    void ListReferences(ReferenceList& list) override;

    // The page file (owner kind 5, file kind 0): an AspxFile for aspx 1, a classic one for 0;
    // nothing when the page has a page file already.
    void CreateAspFile(int aspx);
    // The page base's file creation of a given kind stays reachable.
    using FormInterface::CreateAspFile;

    int GetId() const { return m_id; }

    const CString& GetHeader() const { return m_header; }
    void SetHeader(const CString& header) { m_header = header; }

    // In display order.
    const std::vector<DashBoardPageData*>& GetPlacements() const { return m_placements; }
    // Appends the placement and takes it.
    void AddPlacement(DashBoardPageData* placement) { m_placements.push_back(placement); }

    // The dashboard of the placement at the index; null out of range.
    DashBoard* GetDashBoardAt(int index) const;
    bool ContainsDashBoard(const DashBoard* dashBoard) const;
    // Swap the placement with the one before (0 < index < count) or after it
    // (0 <= index < count - 1); nothing otherwise.
    void MoveDashBoardUp(int index);
    void MoveDashBoardDown(int index);
    // Erases and deletes the dashboard's placement.
    void RemoveDashBoard(const DashBoard* dashBoard);
    void DeleteAllDashBoards();

    // The data binding of the dashboard's placement; for a dashboard not placed these do
    // nothing and answer null. A set invocation or an added pair or map is taken only when the
    // dashboard is placed; a previous invocation is not deleted.
    void SetDashBoardProcedureInvokation(const DashBoard* dashBoard,
                                         ProcedureInvokation* invokation);
    ProcedureInvokation* GetDashBoardProcedureInvokation(const DashBoard* dashBoard) const;
    Procedure* GetDashBoardProcedure(const DashBoard* dashBoard) const;
    void RemoveDashBoardProcedureInvokation(const DashBoard* dashBoard);
    void AddDashBoardVariablePair(const DashBoard* dashBoard, VariablePair* pair);
    VariablePair* FindDashBoardVariablePair(const DashBoard* dashBoard,
                                            const Variable* first) const;
    void RemoveDashBoardVariablePair(const DashBoard* dashBoard, VariablePair* pair);
    void AddDashBoardVariableMap(const DashBoard* dashBoard, DashBoardVariableMap* map);
    DashBoardVariableMap* FindDashBoardVariableMap(const DashBoard* dashBoard,
                                                   const Variable* target) const;
    void RemoveDashBoardVariableMapAt(const DashBoard* dashBoard, int index);

private:
    // The placement of the dashboard, or null.
    DashBoardPageData* FindPlacement(const DashBoard* dashBoard) const;
    // The placements whose procedure invocation calls the procedure.
    std::vector<DashBoardPageData*> PlacementsCalling(const Procedure* procedure) const;

    static int s_idCounter;

    int m_id;
    CString m_header;
    std::vector<DashBoardPageData*> m_placements;
};
