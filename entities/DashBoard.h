#pragma once

#include "entities/DataLoss.h"
#include "entities/FormInterface.h"
#include "platform/core/CString.h"

#include <vector>

class CArchive;
class Class;
class ClassInvokation;
class DashBoardCellInfo;
class Field;
class Function;
class Grid;
class Menu;
class Procedure;
class ProcedureInvokation;
class Table;
class Variable;
class ReferenceList;

// A page of summary cells laid out in the page grid; the cells hold DashBoardCellInfo objects.
// Its data comes from a procedure call or from a function of a user class.
class DashBoard : public FormInterface
{
    DECLARE_SERIAL(DashBoard)

public:
    // A new id, no data source, empty header.
    DashBoard();
    DashBoard(const DashBoard&) = delete;
    DashBoard& operator=(const DashBoard&) = delete;
    // Deletes both invocations, then the page part.
    ~DashBoard() override;

    // The page record, procedure invocation, grid, class invocation (after version 77), header
    // (after version 80).
    void Serialize(CArchive& ar) override;

    // The page operations a dashboard answers for its own data source and cells.
    void CheckExtraProcedureMapping(Procedure* procedure) override;
    // The page's own check first; failing that, a cell linking the menu files the page name.
    bool CollectMenuLinkUsage(Menu* menu) override;
    // Deletes the class invocation when it calls the function.
    virtual void RemoveFunctionReferences(Function* function);
    // The page's references, then those of its own calls and of its cells; the procedure call
    // goes with its procedure, and the cells lose the procedure's columns.
    void ListReferences(ReferenceList& list) override;

    // Usage question of the module's checks: "Used in DashBoard : " + page name + "\n" and the
    // page recorded when the cells use the field.
    // "Used in DashBoard : <name>" for every use.
    CString FieldUseName(const CString& use) const override;
    // Under its usage text, the tables its controls and its class invocation reach; the
    // invocation goes with them, the cells letting go of its function's fields.
    void ListTableUses(ReferenceList& list) override;

    // The graph is judged by its calls, as a report's group is: it goes once each of them
    // goes (FateOfCalls); one without calls goes with nothing.
    bool GoesWith(const DataLoss& loss) const;
    // GoesWith the table's loss: its calls are on the table's class, its own functions or
    // procedures on it.
    bool IsBuiltOnTable(const Table* table) const;

    int GetId() const { return m_id; }

    ProcedureInvokation* GetProcedureInvokation() const { return m_procedureInvokation; }
    // Takes the invocation; the previous one is not deleted.
    void SetProcedureInvokation(ProcedureInvokation* invokation)
    {
        m_procedureInvokation = invokation;
    }
    ClassInvokation* GetClassInvokation() const { return m_classInvokation; }
    // Takes the invocation; the previous one is not deleted.
    void SetClassInvokation(ClassInvokation* invokation) { m_classInvokation = invokation; }

    const CString& GetHeader() const { return m_header; }
    void SetHeader(const CString& header) { m_header = header; }

    // The page file (owner kind 4, file kind 0): an AspxFile for aspx 1, a classic one for 0;
    // nothing when the page has a page file already.
    void CreateAspFile(int aspx);
    // The page base's file creation of a given kind stays reachable.
    using FormInterface::CreateAspFile;

    // The page grid or a grid nested in it with the id; null without a grid.
    Grid* FindGridById(int id);
    // Empties out, then the page grid and, recursively, every grid nested in its cells.
    void CollectGrids(std::vector<Grid*>& out);

    // Per row of every grid, the first cell holding a panel decides for the row.
    bool IsFieldUsedInCells(Field* field);
    // The class invocation's function has an output column whose field the cells use.
    bool IsClassFunctionFieldUsed();
    // In every panel of all grids: the maps sourcing the field lose it, its display fields go.
    void ClearFieldFromCells(Field* field);
    // When the class invocation invokes the class: the cells let go of the function's output
    // fields and the invocation is detached (not deleted).
    void RemoveClassInvokation(Class* dataClass);

    // Every panel of the grid linking the menu takes its name as caption.
    void UpdateMenuCaptionInCells(Menu* menu);
    // Every panel of the page grid (not of nested grids) linking the menu links instead the
    // first sub-menu with a page file of the current module's menu named as its caption, or
    // becomes static text.
    void RelinkCellMenus(Menu* menu);

private:
    static int s_idCounter;

    // Every panel of all grids of the page.
    std::vector<DashBoardCellInfo*> CollectCellInfos();
    bool CallsProcedure(const Procedure* procedure) const;
    // "Used in DashBoard : " and the name.
    CString UsageEntry() const;

    int m_id;
    ProcedureInvokation* m_procedureInvokation = nullptr;
    ClassInvokation* m_classInvokation = nullptr;
    CString m_header;
};

// Gives the page its one page file of the owner kind, unless it has one: an AspxFile for aspx
// 1, a classic AspFile for 0, file kind 0.
void CreateSinglePageFile(FormInterface& page, int aspx, int ownerKind);
