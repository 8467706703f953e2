#pragma once

#include "platform/core/CObject.h"

#include <vector>

class ApplicationReport;
class Field;
class Procedure;
class ProcedureInvokation;
class Variable;
struct VariablePair;

// A field of a page of a multi-page report with the two variables it is mapped between.
struct MultiPageFieldMap
{
    Variable* m_first = nullptr;
    Variable* m_second = nullptr;
    Field* m_field = nullptr;
};

// One page of a multi-page report: its report, the procedure call that feeds it and how its
// variables and fields are mapped.
class MultiPageData : public CObject
{
    DECLARE_SERIAL(MultiPageData)

public:
    MultiPageData() = default;
    explicit MultiPageData(ApplicationReport* report);
    ~MultiPageData() override;
    MultiPageData(const MultiPageData&) = delete;
    MultiPageData& operator=(const MultiPageData&) = delete;

    void Serialize(CArchive& ar) override;

    ApplicationReport* GetReport() const { return m_report; }
    ProcedureInvokation* GetProcedureCall() const { return m_procedureCall; }
    // The page takes the call and deletes the previous one.
    void SetProcedureCall(ProcedureInvokation* call);
    // The procedure the call calls; null without a call.
    Procedure* GetProcedure() const;
    const std::vector<VariablePair*>& GetParameterPairs() const { return m_parameterPairs; }
    // The page takes the pair.
    void AddParameterPair(VariablePair* pair) { m_parameterPairs.push_back(pair); }
    // The pair whose first variable is the argument, or null.
    VariablePair* FindParameterPair(const Variable* first) const;
    // Erases the pair and deletes it; nothing when the page does not hold it.
    void RemoveParameterPair(VariablePair* pair);
    const std::vector<MultiPageFieldMap*>& GetFieldMaps() const { return m_fieldMaps; }
    // The page takes the record.
    void AddFieldMap(MultiPageFieldMap* map) { m_fieldMaps.push_back(map); }

private:
    ApplicationReport* m_report = nullptr;
    ProcedureInvokation* m_procedureCall = nullptr;
    std::vector<VariablePair*> m_parameterPairs;
    std::vector<MultiPageFieldMap*> m_fieldMaps;
};
