#pragma once

#include "gen_web/AspxScriptWriter.h"

class Table;
class Transaction;

// The client functions of a master-detail page: HandleAction for the master part,
// HandleGridRecompute for the rows of the detail grids, ValidateData with ValidateDetailData over
// every live grid row, and on the Add page resetAllControls and reloadForm. A master combo whose
// recompute fills a detail control posts the page back whole ("REFRESHGRID") to draw the grids
// again. Row inputs are named as the grid code names them (GetGridRowPrefix).
class TransactionScriptWriter : public AspxScriptWriter
{
public:
    TransactionScriptWriter(AspFile& pageFile, Transaction& transaction, ForgeonProject& project,
                            TextFile& out);

    void WriteAddScript(int indent);
    void WriteUpdateScript(int indent);

private:
    void WriteAddHandleAction(int indent);
    void WriteUpdateHandleAction(int indent);
    void WriteHandleGridRecompute(int indent);
    void WriteGridRecomputeReply(const Table& table, const FieldRep& target, int indent);
    void WriteValidateData(int indent);
    void WriteValidateDetailData(int indent);
    void WriteDetailFieldChecks(const FieldRep& control, int indent);
    void WriteReloadForm(int indent);

    void WriteRecomputeReplies(const std::vector<FieldRep*>& controls, int indent) override;
    void WriteSaveAnswer(int indent) override;
    bool IsUpdatePage() const override;
    std::vector<FieldRep*> RecomputeTargets(const EventRecmpFields& list) const override;
    bool IsGridTarget(const FieldRep& target) const override;
    void WriteGridReset(int indent) override;
    CString ReportDivName() const override;

    Transaction& m_transaction;
    std::vector<FieldRep*> m_masterControls;
};
