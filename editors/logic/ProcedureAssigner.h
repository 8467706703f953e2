#pragma once

#include "editors/logic/ControlStates.h"

#include <memory>
#include <vector>

class ForgeonProject;
class FormInterface;
class Module;
class Procedure;
class ProcedureInvokation;

// "Assign Procedure": the procedure a page calls, its parameters mapped onto page variables and
// its output fields onto page variables. The invocation is changed in place. One made here
// because none was given stays with the assigner (and is freed with it) unless the caller takes
// it with ReleaseInvocation.
class ProcedureAssigner
{
public:
    static constexpr UINT IDD = 175;
    static constexpr int IDC_ASSIGN = 1039;
    static constexpr int IDC_VARIABLES = 1222;
    static constexpr int IDC_MAPPINGS = 1224;
    static constexpr int IDC_PROCEDURE = 1225;
    static constexpr int IDC_MODULE = 1226;
    static constexpr int IDC_PROCEDURE_NAME = 1347;
    static constexpr int IDC_MAP_OUTPUT = 1551;
    static constexpr int IDC_MAP_INPUT = 1552;
    static constexpr int IDC_HELP_BUTTON = 1743;

    ProcedureAssigner(ForgeonProject& project, FormInterface* page, ProcedureInvokation* invocation,
                      bool allowChange);
    ProcedureAssigner(const ProcedureAssigner&) = delete;
    ProcedureAssigner& operator=(const ProcedureAssigner&) = delete;
    ~ProcedureAssigner();

    static const std::vector<ListColumn>& VariableColumns();
    static const std::vector<ListColumn>& MappingColumns();

    void SetPreselectedProcedure(Procedure* procedure) { m_preselected = procedure; }

    ControlStates& States() { return m_states; }
    const std::vector<ListRow>& GetMappingRows() const { return m_mappingRows; }
    const std::vector<ListRow>& GetVariableRows() const { return m_variableRows; }
    int GetSelectedMapping() const { return m_selectedMapping; }
    bool IsOutputMapping() const { return m_outputMapping; }
    ProcedureInvokation* GetInvocation() const { return m_invocation; }
    // The invocation made here because none was given, handed to the caller; null otherwise.
    ProcedureInvokation* ReleaseInvocation() { return m_created.release(); }

    void Open();
    void ChooseModule(int index);
    void ChooseProcedure(int index);
    void SelectMapping(int row) { m_selectedMapping = row; }
    void SelectVariable(int row) { m_selectedVariable = row; }
    void Assign();
    void DeleteMapping();
    void MapOutputFields();
    void MapInputVariables();
    // False, with the mapping message, while the dialog must stay open.
    bool Ok();

private:
    void FillProcedures();
    void FillMappings();
    void ApplyPreselection();

    ForgeonProject& m_project;
    FormInterface* m_page;
    ProcedureInvokation* m_invocation;
    std::unique_ptr<ProcedureInvokation> m_created;
    bool m_allowChange;
    Procedure* m_preselected = nullptr;
    Module* m_module = nullptr;
    bool m_outputMapping = false;
    std::vector<Procedure*> m_procedures;
    ControlStates m_states;
    std::vector<ListRow> m_mappingRows;
    std::vector<ListRow> m_variableRows;
    int m_selectedMapping = -1;
    int m_selectedVariable = -1;
};
