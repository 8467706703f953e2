#include "merge/MergeDependencyCollector.h"
#include "merge/MergeNewPairing.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"

MergeNewProcEntities::MergeNewProcEntities(const MergeNewContext& context,
                                           MergeNewFormInterfaceEntities& pageParts,
                                           MergeNewTableEntities& tables)
    : MergeNewKindCollector(context, "C:\\temp\\Merge_NewEntities_Proc.txt"),
      m_pageParts(pageParts), m_tableCollector(tables)
{
}

void MergeNewProcEntities::CollectDesignations(Module* target, Module* source)
{
    RunPass(MergeNewPass<Designation>{
        .targets = target->GetDesignations(),
        .sources = source->GetDesignations(),
        .find = [target, source](const Designation& designation, bool inSource)
        { return (inSource ? source : target)->FindDesignationByName(designation.GetName()); },
        // A copy takes an id of its own: the generated login pages tell roles apart by id.
        .make = [this](const Designation&) { return Make<Designation>(TRUE); },
        .keepsTargetCounterpart = [](const Designation&) { return true; },
        .overwrite = &MergeOverwriteSet::GetDesignationList,
        .firstLine = "DESIGNATIONS : %s\n",
        .secondLine = "DESIGNATIONS : %s\n",
        .pair = [this](Designation* a, Designation* b, bool) { m_designations.try_emplace(a, b); },
    });
}

void MergeNewProcEntities::CollectProcedures(Module* target, Module* source)
{
    RunPass(MergeNewPass<Procedure>{
        .targets = target->GetProcedures(),
        .sources = source->GetProcedures(),
        .find = [target, source](const Procedure& procedure, bool inSource)
        { return (inSource ? source : target)->FindProcedureByNameNoCase(procedure.GetName()); },
        .make = [this](const Procedure&) { return Make<Procedure>(); },
        .keepsTargetCounterpart = nullptr,
        .overwrite = &MergeOverwriteSet::GetProcedureList,
        .firstLine = "PROCEDURE : %s\n",
        .secondLine = "PROCEDURE : %s\n",
        .pair = [this](Procedure* a, Procedure* b, bool) { PairProcedures(a, b); },
    });
}

void MergeNewProcEntities::PairProcedures(Procedure* a, Procedure* b)
{
    const MergeDependencyCollector& dependencies = *m_context.dependencies;
    const auto pair = SelectPair(a, b,
                                 [&dependencies](const Procedure* procedure)
                                 { return dependencies.IsProcedureSelected(procedure); });
    if (!pair)
        return;
    m_procedures.try_emplace(pair->key, pair->value);
    CollectProcedureParts(pair->key, pair->value, pair->flag);
}

namespace
{
std::vector<Variable*> FieldParameterVariables(const Procedure& procedure)
{
    std::vector<Variable*> variables;
    for (const FieldVariableMap& parameter : procedure.GetFieldParameters())
        if (parameter.variable != nullptr)
            variables.push_back(parameter.variable);
    return variables;
}
} // namespace

void MergeNewProcEntities::CollectProcedureParts(Procedure* x, Procedure* y, bool flag)
{
    CollectVariables(FieldParameterVariables(*x), FieldParameterVariables(*y), x, y, true, flag);
    CollectVariables(x->GetLegacyVariables(), FieldParameterVariables(*y), x, y, true, flag);
    CollectVariables(x->GetVariationVariables(), y->GetVariationVariables(), x, y, false, flag);
    MergeNewMap<Field>& fields = m_tableCollector.GetFieldMap();
    RunPartPass(
        MergeNewPartPass<Field>{
            .xs = x->GetAliasFields(),
            .ys = y->GetAliasFields(),
            .name = [](const Field& field) { return field.GetFieldName(); },
            .find = [x, y](const CString& name, bool inY)
            { return (inY ? y : x)->FindAliasFieldByNameNoCase(name); },
            .make = [this](Field&, bool) { return Make<Field>(); },
            .enter = [&fields](Field* key, Field* value) { fields.try_emplace(key, value); },
            .firstLine = "ALIAS : %s\n",
            .secondLine = "ALIAS : %s\n",
        },
        flag);
}

void MergeNewProcEntities::CollectVariables(const std::vector<Variable*>& xs,
                                            const std::vector<Variable*>& ys, Procedure* x,
                                            Procedure* y, bool byFieldParameter, bool flag)
{
    RunPartPass(
        MergeNewPartPass<Variable>{
            .xs = xs,
            .ys = ys,
            .name = [](const Variable& variable) { return variable.GetFieldName(); },
            .find =
                [x, y, byFieldParameter](const CString& name, bool inY)
            {
                const Procedure* other = inY ? y : x;
                return byFieldParameter ? other->FindFieldParameterVariableByName(name)
                                        : other->FindVariableByName(name);
            },
            .make = [this](Variable&, bool) { return Make<Variable>(); },
            .enter = [this](Variable* key, Variable* value)
            { m_pageParts.PairVariable(key, value); },
            .firstLine = "VARIABLE : %s\n",
            .secondLine = "VARIABLE : %s\n",
            .overwrite = &MergeOverwriteSet::GetVariableList,
        },
        flag);
}

MergeNewProjEntities::MergeNewProjEntities(const MergeNewContext& context)
    : MergeNewKindCollector(context, "C:\\temp\\Merge_NewEntities_ProjEntities.txt")
{
}

void MergeNewProjEntities::CollectXSDInfos(ForgeonProject* first, ForgeonProject* second)
{
    RunPass(MergeNewPass<XSDInfo>{
        .targets = first->GetXSDInfos(),
        .sources = second->GetXSDInfos(),
        .find = [first, second](const XSDInfo& info, bool inSecond)
        { return (inSecond ? second : first)->FindXSDInfoByName(info.GetName()); },
        .make =
            [this](const XSDInfo& info)
        {
            auto* made = Make<XSDInfo>();
            made->SetFilePath(info.GetName());
            return made;
        },
        .keepsTargetCounterpart = nullptr,
        .overwrite = &MergeOverwriteSet::GetXSDInfoList,
        .firstLine = "XSDINFO : %s\n",
        .secondLine = "XSDINFO : %s\n",
        .pair =
            [this](XSDInfo* a, XSDInfo* b, bool)
        {
            const MergeDependencyCollector& dependencies = *m_context.dependencies;
            const auto pair = SelectPair(a, b,
                                         [&dependencies](const XSDInfo* info)
                                         { return dependencies.IsXSDInfoSelected(info); });
            if (!pair)
                return;
            m_xsdInfos.try_emplace(pair->key, pair->value);
            CollectTableAdapters(pair->key, pair->value);
        },
    });
}

namespace
{
TableAdapter* CopyTableAdapter(const TableAdapter& adapter, TableAdapter* copy)
{
    copy->SetName(adapter.GetName());
    copy->SetCommandType(adapter.GetCommandType());
    copy->SetCommandText(adapter.GetCommandText());
    for (const CString& name : adapter.GetParameterNames())
        copy->AddParameterName(name);
    for (const CString& name : adapter.GetColumnNames())
        copy->AddColumnName(name);
    return copy;
}
} // namespace

void MergeNewProjEntities::CollectTableAdapters(XSDInfo* x, XSDInfo* y)
{
    const MergeDependencyCollector& dependencies = *m_context.dependencies;
    const auto pairStep = [this, &dependencies](TableAdapter* a, TableAdapter* b)
    {
        const auto pair = SelectPair(a, b,
                                     [&dependencies](const TableAdapter* adapter)
                                     { return dependencies.IsTableAdapterSelected(adapter); });
        if (pair)
            m_tableAdapters.try_emplace(pair->key, pair->value);
    };
    for (TableAdapter* adapter : std::vector<TableAdapter*>(x->GetTableAdapters()))
    {
        TableAdapter* counterpart = y->FindTableAdapterNoCase(adapter->GetName());
        if (counterpart == nullptr)
        {
            // The copy belongs to the description it joins.
            counterpart = CopyTableAdapter(*adapter, new TableAdapter);
            y->AddTableAdapter(counterpart);
            AppendOverwrite(&MergeOverwriteSet::GetTableAdapterList, adapter);
            Log("TABLEADAPTER : %s\n", adapter->GetName());
        }
        pairStep(adapter, counterpart);
    }
    for (TableAdapter* adapter : std::vector<TableAdapter*>(y->GetTableAdapters()))
    {
        if (x->FindTableAdapterNoCase(adapter->GetName()) != nullptr)
            continue;
        TableAdapter* made = CopyTableAdapter(*adapter, Make<TableAdapter>());
        Log("TABLEADAPTER : %s\n", adapter->GetName());
        pairStep(adapter, made);
    }
}

void MergeNewProjEntities::CollectRDLCInfos(ForgeonProject* first, ForgeonProject* second)
{
    RunPass(MergeNewPass<RDLCInfo>{
        .targets = first->GetRDLCInfos(),
        .sources = second->GetRDLCInfos(),
        .find = [first, second](const RDLCInfo& info, bool inSecond)
        { return (inSecond ? second : first)->FindRDLCInfoByName(info.GetName()); },
        .make =
            [this](const RDLCInfo& info)
        {
            auto* made = Make<RDLCInfo>();
            made->SetName(info.GetName());
            return made;
        },
        .keepsTargetCounterpart = nullptr,
        .overwrite = &MergeOverwriteSet::GetRDLCInfoList,
        .firstLine = "RDLCINFO : %s\n",
        .secondLine = "RDLCINFO : %s\n",
        .pair =
            [this](RDLCInfo* a, RDLCInfo* b, bool)
        {
            const MergeDependencyCollector& dependencies = *m_context.dependencies;
            const auto pair = SelectPair(a, b,
                                         [&dependencies](const RDLCInfo* info)
                                         { return dependencies.IsRDLCInfoSelected(info); });
            if (!pair)
                return;
            m_rdlcInfos.try_emplace(pair->key, pair->value);
            for (const RDLCDataSetEntry& entry : pair->key->GetEntries())
                if (std::ranges::none_of(pair->value->GetEntries(),
                                         [&entry](const RDLCDataSetEntry& other)
                                         {
                                             return other.m_dataSetName == entry.m_dataSetName &&
                                                    other.m_tableAdapterName ==
                                                        entry.m_tableAdapterName &&
                                                    other.m_tableName == entry.m_tableName;
                                         }))
                    pair->value->AddDataSet(entry.m_dataSetName, entry.m_tableAdapterName,
                                            entry.m_tableName);
        },
    });
}

MergeNewMenuEntities::MergeNewMenuEntities(const MergeNewContext& context)
    : MergeNewKindCollector(context, "C:\\temp\\Merge_NewEntities_Menu.txt")
{
}

namespace
{
// The module's menus by full name, sub-menus included; the first of a name wins, as in
// Module::FindMenuByFullName.
void AddByFullName(std::map<CString, Menu*>& index, Menu* menu)
{
    index.try_emplace(menu->GetFullName(), menu);
    for (Menu* child : menu->GetSubMenus())
        AddByFullName(index, child);
}

std::map<CString, Menu*> MenusByFullName(const Module& module)
{
    std::map<CString, Menu*> index;
    for (Menu* menu : module.GetMenus())
        AddByFullName(index, menu);
    return index;
}
} // namespace

void MergeNewMenuEntities::CollectMenus(Module* target, Module* source)
{
    if (m_context.dependencies->GetSelectedMenus().empty())
        return;
    const std::map<CString, Menu*> targetMenus = MenusByFullName(*target);
    const std::map<CString, Menu*> sourceMenus = MenusByFullName(*source);
    for (Menu* menu : target->GetMenus())
        Visit(menu, sourceMenus, true);
    for (Menu* menu : source->GetMenus())
        Visit(menu, targetMenus, false);
}

void MergeNewMenuEntities::Visit(Menu* menu, const std::map<CString, Menu*>& other, bool flag)
{
    const auto find = [&other](const Menu* item)
    {
        const auto found = other.find(item->GetFullName());
        return found != other.end() ? found->second : nullptr;
    };
    Menu* counterpart = find(menu);
    if (flag)
        for (Menu* child : menu->GetSubMenus())
        {
            if (find(child) != nullptr)
                Visit(child, other, flag);
            else
                AppendOverwrite(&MergeOverwriteSet::GetMenuList, child);
        }
    const bool selected = m_context.dependencies->IsMenuSelected(menu);
    if (counterpart == nullptr)
    {
        if (flag)
            AppendOverwrite(&MergeOverwriteSet::GetMenuList, menu);
        // A menu that is not selected enters no map, so it gets no counterpart.
        if (selected)
            counterpart = Make<Menu>();
        Log("MENU : %s\n", menu->GetName());
    }
    if (!selected)
        return;
    m_menus.try_emplace(menu, counterpart);
    for (Menu* child : menu->GetSubMenus())
        Visit(child, other, flag);
}
