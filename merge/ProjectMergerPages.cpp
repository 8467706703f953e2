#include "entities/AspFile.h"
#include "entities/ClassInvokation.h"
#include "entities/DashBoard.h"
#include "entities/DashBoardCellInfo.h"
#include "entities/DerivedField.h"
#include "entities/FormulaTreeNode.h"
#include "entities/Grid.h"
#include "entities/GridCell.h"
#include "entities/LinkControl.h"
#include "entities/Menu.h"
#include "entities/Procedure.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/ProcedureInvokation.h"
#include "entities/ProcedureTable.h"
#include "entities/UniquenessProcedureTable.h"
#include "entities/Variable.h"
#include "merge/MergeEntityNames.h"
#include "merge/MergeMarks.h"
#include "merge/PointerLists.h"
#include "merge/ProjectMerger.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/RefField.h"
#include "model/Table.h"
#include "model/ValidationData.h"

#include <algorithm>
#include <memory>

void ProjectMerger::ResolvePage(FormInterface* target, FormInterface* source)
{
    target->SetName(source->GetFormName());
    target->SetColumnCount(source->GetColumnCount());
    ResolvePageFiles(target, source);
    if (m_overwrite)
        MarkRefFieldsForOverwrite(source, target);
    ResolveRefFields(target, source);
    ResolveDerivedFields(target, source);
    // The variables first, so that the controls find theirs on the page.
    ResolvePageVariableMaps(target, source);
    ResolveFieldReps(target, source);
    for (int index = 0; FieldRep* control = source->GetFieldRep(index); ++index)
        if (FieldRep* counterpart = m_newEntities.GetControlCounterpart(control);
            counterpart != nullptr && target->IndexOfFieldRep(counterpart) >= 0)
            CopyControlRecords(control, counterpart, target);
    ResolveDerivedFormulas(target, source);
    target->SyncTableFlags();
    ResolveLinks(target, source, true);
    ResolveLinks(target, source, false);
    ResolvePageProcedureTables(target, source);
    ResolvePageProcedureCall(target, source);
    ResolvePageTableFlags(target, source);
    // The layout last: its cells show the page's own controls.
    if (source->GetGrid() != nullptr)
    {
        auto grid = std::make_unique<Grid>();
        CopyGrid(source->GetGrid(), grid.get(), target);
        target->DeleteGrid();
        target->SetGrid(grid.release());
    }
}

void ProjectMerger::ResolvePageFiles(FormInterface* target, FormInterface* source)
{
    // The collector put the copies into the source's counterpart page.
    FormInterface* holder = m_newEntities.GetPageCounterpart(source);
    for (AspFile* file : source->GetAspFiles())
    {
        AspFile* counterpart = m_newEntities.GetPageFileCounterpart(file);
        if (counterpart == nullptr)
        {
            Report("%s asp not found in first file!\n\n", PageFileUrl(*file));
            continue;
        }
        // A page the merge keeps in place of the collector's holds its own file of the name.
        if (AspFile* own = FindPageFile(*target, PageFileName(*file)); own != nullptr)
            counterpart = own;
        else if (!target->HasAspFile(counterpart))
        {
            // A copy made for a page that the merge does not keep moves to this one.
            if (holder != nullptr && holder != target && holder->HasAspFile(counterpart))
                holder->RemoveAspFile(counterpart);
            target->AddAspFile(counterpart);
        }
        counterpart->SetOwnerPage(target);
        ResolveAspFile(file, counterpart);
    }
}

void ProjectMerger::MarkRefFieldsForOverwrite(const FormInterface* source, FormInterface* target)
{
    if (m_overwriteReference == nullptr)
        return;
    for (RefField* refField : target->GetRefFields())
        if (source->FindRefFieldByName(FieldNameOrEmpty(refField->GetField())) == nullptr)
            AppendOnce(m_overwriteReference->GetRefFieldList(), refField);
}

void ProjectMerger::ResolveRefFields(FormInterface* target, const FormInterface* source)
{
    for (const RefField* refField : source->GetRefFields())
    {
        Field* field = Owned(ResolveFieldReference(refField->GetField()));
        Table* table = Owned(ResolveTableReference(refField->GetTable()));
        if (field == nullptr || table == nullptr)
            continue;
        ResolveField(refField->GetField(), field);
        RefField* counterpart = target->FindRefFieldByName(field->GetFieldName());
        if (counterpart == nullptr)
        {
            counterpart = new RefField(field, table);
            target->AddRefField(counterpart);
        }
        counterpart->SetTable(table);
        counterpart->SetValidate(refField->GetValidate());
    }
}

void ProjectMerger::ResolveDerivedFields(FormInterface* target, const FormInterface* source)
{
    for (const DerivedField* derived : source->GetDerivedFields())
    {
        Field* field = derived->GetField();
        if (field == nullptr)
            continue;
        if (DerivedField* own = target->FindDerivedFieldByName(field->GetFieldName()))
        {
            ResolveField(field, own->GetField());
            continue;
        }
        Table* table = Owned(ResolveTableReference(derived->GetTable()));
        if (table == nullptr && derived->GetTable() != nullptr)
            continue;
        // The page's own field, filled from the source's.
        auto made = std::make_unique<Field>();
        ResolveField(field, made.get());
        target->AddDerivedField(new DerivedField(made.release(), table));
    }
}

void ProjectMerger::ResolveDerivedFormulas(FormInterface* target, const FormInterface* source)
{
    for (const DerivedField* derived : source->GetDerivedFields())
    {
        if (derived->GetField() == nullptr || derived->GetFormula() == nullptr)
            continue;
        DerivedField* own = target->FindDerivedFieldByName(derived->GetField()->GetFieldName());
        if (own != nullptr && own->GetFormula() == nullptr)
            own->SetFormula(CopyFormulaTree(derived->GetFormula(), *target));
    }
}

FormulaTreeNode* ProjectMerger::CopyFormulaTree(const FormulaTreeNode* source,
                                                const FormInterface& page)
{
    auto* node = new FormulaTreeNode;
    node->SetOperator(source->GetOperator());
    // An operand is the page's control of the operand's field.
    if (const FieldRep* operand = source->GetOperand(); operand != nullptr)
        node->SetOperand(page.FindFieldRepByFieldName(FieldNameOrEmpty(operand->GetField())));
    if (const FormulaTreeNode* left = source->GetLeft())
        node->SetLeft(CopyFormulaTree(left, page));
    if (const FormulaTreeNode* right = source->GetRight())
        node->SetRight(CopyFormulaTree(right, page));
    return node;
}

void ProjectMerger::ResolvePageVariableMaps(FormInterface* target, const FormInterface* source)
{
    for (const FieldVariableMap* map : source->GetFieldVariableMaps())
    {
        if (map == nullptr || map->field == nullptr || map->variable == nullptr ||
            FormInterface::IsSharedVariableMap(map))
            continue;
        Field* field = Owned(ResolveFieldReference(map->field, target));
        Variable* variable = m_newEntities.GetVariableCounterpart(map->variable);
        if (field == nullptr || variable == nullptr)
            continue;
        ResolveField(map->field, field);
        CopyVariable(map->variable, variable);
        if (target->FindMappedFieldByName(field->GetFieldName()) != nullptr ||
            !m_newEntities.OwnsCreated(variable))
            continue;
        target->AddFieldVariableMap(new FieldVariableMap{field, variable});
        m_newEntities.HandOver(variable);
    }
}

void ProjectMerger::ResolveFieldReps(FormInterface* target, FormInterface* source)
{
    for (int index = 0; FieldRep* control = source->GetFieldRep(index); ++index)
    {
        FieldRep* counterpart = m_newEntities.GetControlCounterpart(control);
        const Field* field = control->GetField();
        if (counterpart == nullptr)
        {
            if (field != nullptr && field->GetTable() != nullptr)
                Report("fieldRep for %s field in %s table not\t\t\t\t\t\t\t\t\tfound in first "
                       "file!\n\n",
                       field->GetFieldName(), field->GetTable()->GetTableName());
            else if (!FieldNameOrEmpty(field).IsEmpty())
                Report("fieldRep for %s field(Ref/Derived) not found in first file!\n\n",
                       FieldNameOrEmpty(field));
            continue;
        }
        const bool resolved = ResolveFieldRep(control, counterpart, target);
        if (resolved && target->IndexOfFieldRep(counterpart) < 0 &&
            target->FindFieldRepByFieldName(FieldNameOrEmpty(counterpart->GetField())) == nullptr &&
            m_newEntities.OwnsCreated(counterpart))
        {
            target->AddFieldRep(counterpart);
            m_newEntities.HandOver(counterpart);
        }
        if (target->IndexOfFieldRep(counterpart) >= 0)
            target->MoveFieldRepTo(counterpart, index);
    }
}

bool ProjectMerger::ResolveFieldRep(FieldRep* source, FieldRep* target, FormInterface* page)
{
    if (source == nullptr || target == nullptr)
        return false;
    if (BothMarked(source, target))
        return true;
    Field* sourceField = source->GetField();
    Field* field =
        sourceField != nullptr ? Owned(ResolveFieldReference(sourceField, page)) : nullptr;
    if (field == nullptr)
    {
        // A field of no table is named alone; a control of no field names nothing.
        const Table* table = sourceField != nullptr ? sourceField->GetTable() : nullptr;
        const CString tableName = table != nullptr ? table->GetTableName() : CString();
        if (!tableName.IsEmpty())
            Report("%s fieldRep in %s table not found in first file!\n\n",
                   FieldNameOrEmpty(sourceField), tableName);
        else if (!FieldNameOrEmpty(sourceField).IsEmpty())
            Report("%s fieldRep not found in first file!\n\n", FieldNameOrEmpty(sourceField));
        return false;
    }
    ResolveField(sourceField, field);
    MarkBoth(source, target);
    target->SetField(field);
    target->SetMandatory(source->IsMandatory());
    if (const Variable* variable = source->GetVariable(); variable != nullptr && page != nullptr)
        target->SetVariable(page->FindVariableByName(variable->GetFieldName()));
    if (const FieldRepData* data = source->GetFieldRepData())
    {
        if (target->GetFieldRepData() == nullptr)
            target->AttachFieldRepData(new FieldRepData);
        ResolveFieldRepData(data, target->GetFieldRepData(), page);
    }
    // On a page the records that name other controls wait until all of them are in place.
    if (page == nullptr)
        CopyControlRecords(source, target, nullptr);
    return true;
}

void ProjectMerger::CopyControlRecords(const FieldRep* source, FieldRep* target,
                                       const FormInterface* page)
{
    if (const ValidationData* validation = source->GetValidationData())
    {
        auto copy = std::make_unique<ValidationData>();
        if (CopyValidationData(validation, copy.get(), page))
            target->SetValidationData(copy.release());
    }
    if (source->GetFieldRepData() != nullptr && target->GetFieldRepData() != nullptr)
        CopyRecomputeLists(source->GetFieldRepData(), target->GetFieldRepData(), page);
}

void ProjectMerger::ResolveFieldRepData(const FieldRepData* source, FieldRepData* target,
                                        FormInterface* page)
{
    if (const Variable* variable = source->GetVariable(); variable != nullptr && page != nullptr)
        target->SetVariable(page->FindVariableByName(variable->GetFieldName()));
    if (const ClassInvokation* call = source->GetDataCall())
    {
        if (target->GetDataCall() == nullptr)
            target->SetDataCall(new ClassInvokation);
        MergePageClassCall(call, target->GetDataCall());
    }
    if (const ProcedureInvokation* call = source->GetDataProcedure())
        if (ProcedureInvokation* resolved = ResolvedPageCall(call))
            target->SetDataProcedure(resolved);
    const auto resolve = [this, page](Field* field)
    { return field != nullptr ? Owned(ResolveFieldReference(field, page)) : nullptr; };
    target->SetFrontField(resolve(source->GetFrontField()));
    target->SetBackField(resolve(source->GetBackField()));
    target->SetDisplayTexts(source->GetDisplayTexts());
    target->SetCaption(source->GetCaption());
    target->SetStoredValues(source->GetStoredValues());
    target->SetControlKind(source->GetControlKind());
    target->SetMaxLength(source->GetMaxLength());
    target->SetRange(source->GetRange());
    target->SetRows(source->GetRows());
    target->SetColumns(source->GetColumns());
    target->SetWidth(source->GetWidth());
    target->SetSelectAllCaption(source->GetSelectAllCaption());
    target->SetNoneCaption(source->GetNoneCaption());
    target->SetInternalSearch(source->GetInternalSearch());
    target->SetSeparateRow(source->GetSeparateRow());
    for (const LinkControl* link : source->GetLinkControls())
    {
        if (target->FindLinkControl(ResolveMenuReference(link->GetTarget()),
                                    link->GetAlignment()) != nullptr)
            continue;
        auto* made = new LinkControl;
        ResolveLinkControl(link, made, page);
        target->AddLinkControl(made);
    }
}

void ProjectMerger::ResolveLinks(FormInterface* target, const FormInterface* source, bool pre)
{
    for (LinkControl* link : pre ? source->GetPreLinkList() : source->GetPostLinkList())
    {
        LinkControl* counterpart = m_newEntities.GetLinkControlCounterpart(link);
        if (counterpart == nullptr)
            continue;
        ResolveLinkControl(link, counterpart, target);
        const CString caption = counterpart->GetCaption();
        const bool held = pre ? target->FindPreLinkByCaption(caption) != nullptr
                              : target->FindPostLinkByCaption(caption) != nullptr;
        if (held || !m_newEntities.OwnsCreated(counterpart))
            continue;
        if (pre)
            target->AddPreLink(counterpart);
        else
            target->AddPostLink(counterpart);
        m_newEntities.HandOver(counterpart);
    }
}

void ProjectMerger::ResolveLinkControl(const LinkControl* source, LinkControl* target,
                                       const FormInterface* page)
{
    target->SetTarget(ResolveMenuReference(source->GetTarget()));
    target->SetCaption(source->GetCaption());
    target->SetAlignment(source->GetAlignment());
    for (const LinkVariableMap* map : source->GetVariableMaps())
    {
        // The page's own variable and the variable of the page the link opens.
        Variable* pageVariable = map->pageVariable != nullptr && page != nullptr
                                     ? page->FindVariableByName(map->pageVariable->GetFieldName())
                                     : nullptr;
        Variable* targetVariable =
            map->targetVariable != nullptr
                ? Owned(m_newEntities.GetVariableCounterpart(map->targetVariable))
                : nullptr;
        if (pageVariable == nullptr ||
            (map->targetVariable != nullptr && targetVariable == nullptr))
            continue;
        if (std::ranges::any_of(target->GetVariableMaps(),
                                [pageVariable](const LinkVariableMap* own)
                                { return own->pageVariable == pageVariable; }))
            continue;
        target->AddVariableMap(new LinkVariableMap{pageVariable, targetVariable});
    }
}

void ProjectMerger::ResolvePageProcedureTables(FormInterface* target, const FormInterface* source)
{
    for (const UniquenessProcedureTable* entry : source->GetUniquenessProcedureTables())
    {
        Table* table = Owned(ResolveTableReference(entry->GetTable()));
        if (table == nullptr || target->FindUniquenessProcedureTable(table) != nullptr)
            continue;
        auto* made = new UniquenessProcedureTable(table, ResolvedPageCall(entry->GetInvocation()));
        for (Field* field : entry->GetFields())
            if (Field* resolved = Owned(ResolveFieldReference(field)))
                made->AddField(resolved);
        target->AddUniquenessProcedureTable(made);
    }
    for (const ProcedureTable* entry : source->GetProcedureTables())
    {
        Table* table = Owned(ResolveTableReference(entry->GetTable()));
        if (table == nullptr || HoldsProcedureTable(*target, table, entry->GetKind()))
            continue;
        target->AddProcedureTable(
            new ProcedureTable(table, ResolvedPageCall(entry->GetInvocation()), entry->GetKind()));
    }
}

void ProjectMerger::ResolvePageProcedureCall(FormInterface* target, const FormInterface* source)
{
    const ProcedureInvokation* call = source->GetProcedureCall();
    if (call == nullptr)
        return;
    if (ProcedureInvokation* resolved = ResolvedPageCall(call))
    {
        if (resolved != target->GetProcedureCall())
            delete target->GetProcedureCall();
        target->SetProcedureCall(resolved);
    }
}

bool ProjectMerger::HoldsProcedureTable(const FormInterface& page, const Table* table, int kind)
{
    for (const ProcedureTable* entry : page.GetProcedureTables())
        if (entry->GetTable() == table && entry->GetKind() == kind)
            return true;
    return false;
}

void ProjectMerger::ResolvePageTableFlags(FormInterface* target, const FormInterface* source)
{
    if (m_overwrite)
        target->ClearTableFlags();
    for (const PageTableFlags& entry : source->GetTableFlagsList())
    {
        if (entry.table == nullptr)
            continue;
        Table* table = Owned(ResolveTableReference(entry.table));
        if (table == nullptr)
            continue;
        target->RemoveTableFlagsByName(table->GetTableName());
        target->AddTableFlags(PageTableFlags{table, entry.firstFlag, entry.secondFlag});
    }
}

void ProjectMerger::CopyGrid(const Grid* source, Grid* target, FormInterface* page)
{
    const int rows = source->GetRowCount();
    const int columns = source->GetColumnCount();
    target->BuildCells(rows, columns);
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column)
        {
            const GridCell* cell = source->GetCellAt(row, column);
            GridCell* made = target->GetCellAt(row, column);
            if (cell == nullptr || made == nullptr)
                continue;
            if (const Grid* subGrid = cell->GetSubGrid())
            {
                auto copy = std::make_unique<Grid>();
                CopyGrid(subGrid, copy.get(), page);
                made->SetSubGrid(copy.release());
            }
            if (cell->GetContentKind() == GridCell::kDashBoardCellInfo)
            {
                if (const DashBoardCellInfo* info = cell->GetDashBoardCellInfo())
                {
                    auto* copy = new DashBoardCellInfo(info->IsStaticText());
                    ResolveDashBoardCellInfo(info, copy);
                    ResolveCellContents(info, copy, *page);
                    made->SetCellData(copy, GridCell::kDashBoardCellInfo);
                }
            }
            else if (const auto* control = dynamic_cast<const FieldRep*>(cell->GetCellData()))
            {
                // The cell shows the page's own control of that field.
                if (FieldRep* own =
                        page->FindFieldRepByFieldName(FieldNameOrEmpty(control->GetField())))
                    made->SetCellData(own, GridCell::kFieldRep);
            }
        }
}

void ProjectMerger::ResolveDashBoardCellInfo(const DashBoardCellInfo* source,
                                             DashBoardCellInfo* target)
{
    target->SetCaption(source->GetCaption());
    target->SetMenu(ResolveMenuReference(source->GetMenu()));
}

void ProjectMerger::ResolveCellContents(const DashBoardCellInfo* source, DashBoardCellInfo* target,
                                        const FormInterface& page)
{
    // The columns shown are those of the dashboard's own data procedure.
    const auto* dashBoard = dynamic_cast<const DashBoard*>(&page);
    const ProcedureInvokation* call =
        dashBoard != nullptr ? dashBoard->GetProcedureInvokation() : nullptr;
    const Procedure* procedure = call != nullptr ? call->GetProcedure() : nullptr;
    for (const FieldCaption& shown : source->GetDisplayFields())
        if (ProcedureFieldInfo* column = FindOutputColumn(procedure, shown.fieldInfo))
            target->AddDisplayField(column, shown.caption);
    for (const DashBoardVariableMap* map : source->GetVariableMaps())
    {
        Variable* opened = VariableCounterpart(map->target, nullptr);
        Variable* own = VariableCounterpart(map->sourceVariable, &page);
        Field* field =
            map->sourceField != nullptr ? Owned(ResolveFieldReference(map->sourceField)) : nullptr;
        if (opened != nullptr && (own != nullptr || field != nullptr))
            target->AddVariableMap(new DashBoardVariableMap{opened, own, field});
    }
}

Variable* ProjectMerger::VariableCounterpart(Variable* source, const FormInterface* page)
{
    if (source == nullptr)
        return nullptr;
    if (page != nullptr)
        if (Variable* own = page->FindVariableByName(source->GetFieldName()))
            return own;
    if (Variable* counterpart = Owned(m_newEntities.GetVariableCounterpart(source)))
    {
        CopyVariable(source, counterpart);
        return counterpart;
    }
    return FindFirstVariable(source->GetFieldName());
}

Menu* ProjectMerger::ResolveMenuReference(Menu* source)
{
    if (source == nullptr)
        return nullptr;
    if (Menu* found = FindFirstMenu(source))
        return found;
    // A menu copy joins the project in the menu phase; the sweep drops what never did.
    return m_newEntities.GetMenuCounterpart(source);
}

void ProjectMerger::ResolveAspFile(const AspFile* source, AspFile* target)
{
    // A side menu that stays is not set again, which would rebuild its variable maps.
    if (Menu* top = ResolveMenuReference(source->GetTopMenu()); top != target->GetTopMenu())
        target->SetTopMenu(top);
    if (Menu* left = ResolveMenuReference(source->GetLeftMenu()); left != target->GetLeftMenu())
        target->SetLeftMenu(left);
    FormInterface* page = target->GetOwnerPage();
    for (const AspFile::FieldEntry& entry : source->GetFieldEntries())
    {
        Field* field =
            entry.first != nullptr ? Owned(ResolveFieldReference(entry.first, page)) : nullptr;
        if (field != nullptr &&
            std::ranges::none_of(target->GetFieldEntries(), [field](const AspFile::FieldEntry& own)
                                 { return own.first == field; }))
            target->AddFieldEntry({field, entry.second});
    }
    for (const auto* maps : {&source->GetTopMenuVariableMaps(), &source->GetLeftMenuVariableMaps()})
        for (const MenuVariableMap& map : *maps)
            ResolveMenuVariableMap(map, target);
    CopyFieldVisibilities(source, target);
}

void ProjectMerger::ResolveMenuVariableMap(const MenuVariableMap& source, AspFile* target)
{
    // The file's maps follow its side menus' leaves; an empty one takes the source's pairs
    // between the variables of the page its leaf opens and those of the file's page.
    if (!source.HasVariablePairs())
        return;
    MenuVariableMap* own = target->FindMenuVariableMapByName(&source);
    if (own == nullptr || own->HasVariablePairs() || own->m_menu == nullptr)
        return;
    const AspFile* opened = own->m_menu->GetAspFile();
    const FormInterface* openedPage = opened != nullptr ? opened->GetOwnerPage() : nullptr;
    const FormInterface* page = target->GetOwnerPage();
    if (openedPage == nullptr || page == nullptr)
        return;
    for (const auto& [menuVariable, fileVariable] : source.GetVariablePairs())
    {
        Variable* first = menuVariable != nullptr
                              ? openedPage->FindVariableByName(menuVariable->GetFieldName())
                              : nullptr;
        Variable* second = fileVariable != nullptr
                               ? page->FindVariableByName(fileVariable->GetFieldName())
                               : nullptr;
        if (first != nullptr && second != nullptr)
            own->AddVariablePair(first, second);
    }
}

AspFile* ProjectMerger::FindFirstAspFile(const AspFile* file) const
{
    const FormInterface* owner = file->GetOwnerPage();
    const FormInterface* page = nullptr;
    if (owner != nullptr)
        page = m_firstPages ? m_firstPages->Find(owner->GetFormName())
                            : m_first->FindPageByName(owner->GetFormName());
    return page != nullptr ? FindPageFile(*page, PageFileName(*file)) : nullptr;
}

void ProjectMerger::ResolveMenuInterface(const MenuInterface* source, MenuInterface* target)
{
    target->SetName(source->GetName());
    const AspFile* opened = source->GetAspFile();
    if (opened == nullptr)
        return;
    AspFile* file = FindFirstAspFile(opened);
    if (file == nullptr)
        file = m_newEntities.GetPageFileCounterpart(const_cast<AspFile*>(opened));
    if (file == nullptr)
        Report("%s Aspx file to the %s menu can not be found in KWA1\n\n", PageFileUrl(*opened),
               source->GetName());
    target->SetAspFile(file);
}
