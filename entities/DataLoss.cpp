#include "entities/DataLoss.h"

#include "entities/ClassInvokation.h"
#include "entities/Procedure.h"
#include "entities/ProcedureInvokation.h"

DataLoss DataLoss::OfTable(const Table* table)
{
    return {[table](const ClassInvokation& call) { return call.IsOnTable(table); },
            [table](const ProcedureInvokation& call) {
                return call.GetProcedure() != nullptr &&
                       call.GetProcedure()->GetMainTable() == table;
            },
            [table](const Table* shown) { return shown == table; }};
}

DataLoss DataLoss::OfProcedure(const Procedure* procedure)
{
    return {{},
            [procedure](const ProcedureInvokation& call)
            { return procedure != nullptr && call.GetProcedure() == procedure; },
            {}};
}

DataLoss DataLoss::OfFunction(const Function* function)
{
    return {[function](const ClassInvokation& call)
            { return function != nullptr && call.GetFunction() == function; },
            {},
            {}};
}

DataLoss DataLoss::OfClassCall(const ClassInvokation* call)
{
    return {[call](const ClassInvokation& each) { return &each == call; }, {}, {}};
}

DataLoss DataLoss::OfProcedureCall(const ProcedureInvokation* call)
{
    return {{}, [call](const ProcedureInvokation& each) { return &each == call; }, {}};
}

DataFate FateOfCalls(const ClassInvokation* classCall, const ProcedureInvokation* procedureCall,
                     const DataLoss& loss)
{
    const bool classGoes = classCall != nullptr && loss.Takes(*classCall);
    const bool procedureGoes = procedureCall != nullptr && loss.Takes(*procedureCall);
    const bool classCounts = classGoes || (classCall != nullptr && classCall->IsAssigned());
    const bool procedureCounts =
        procedureGoes || (procedureCall != nullptr && procedureCall->GetProcedure() != nullptr);
    if (!classCounts && !procedureCounts)
        return DataFate::unfed;
    return (!classCounts || classGoes) && (!procedureCounts || procedureGoes) ? DataFate::goes
                                                                              : DataFate::stays;
}
