#pragma once

#include <functional>

class ClassInvokation;
class Function;
class Procedure;
class ProcedureInvokation;
class Table;

// What a deletion takes from the data of reports and graphs: the class calls, the procedure
// calls and the tables (whose fields columns show) that go. What is not set does not go.
struct DataLoss
{
    std::function<bool(const ClassInvokation&)> classCall;
    std::function<bool(const ProcedureInvokation&)> procedureCall;
    std::function<bool(const Table*)> table;

    // The calls of the table's class or of its own functions, the calls of the procedures on
    // the table and the table itself.
    static DataLoss OfTable(const Table* table);
    static DataLoss OfProcedure(const Procedure* procedure);
    static DataLoss OfFunction(const Function* function);
    // That one call, whatever it names.
    static DataLoss OfClassCall(const ClassInvokation* call);
    static DataLoss OfProcedureCall(const ProcedureInvokation* call);

    bool Takes(const ClassInvokation& call) const { return classCall && classCall(call); }
    bool Takes(const ProcedureInvokation& call) const
    {
        return procedureCall && procedureCall(call);
    }
    bool TakesTable(const Table* shown) const { return table && table(shown); }
    // It takes one of the calls, either of which may be null.
    bool TakesAny(const ClassInvokation* call, const ProcedureInvokation* procedureCall) const
    {
        return (call != nullptr && Takes(*call)) ||
               (procedureCall != nullptr && Takes(*procedureCall));
    }
};

// What data comes to once a loss is taken.
enum class DataFate
{
    // It calls and shows nothing.
    unfed,
    // All it calls or shows goes.
    goes,
    // Something stays.
    stays,
};

// Data fed by the calls, either null: unfed without a call, gone when each of its calls goes. A
// call naming nothing counts only when the loss takes it.
DataFate FateOfCalls(const ClassInvokation* classCall, const ProcedureInvokation* procedureCall,
                     const DataLoss& loss);
