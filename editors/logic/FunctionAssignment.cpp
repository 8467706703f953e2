#include "editors/logic/FunctionAssignment.h"

#include "editors/logic/ListLookup.h"
#include "entities/ApplicationReport.h"
#include "entities/Class.h"
#include "entities/ClassInvokation.h"
#include "entities/FormInterface.h"
#include "entities/Function.h"
#include "entities/Parameter.h"
#include "entities/ReportGroup.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/NamedQuestion.h"
#include "platform/core/MessageBox.h"

namespace
{

// The controls whose field a parameter can take: a report's are the filters of its first
// group. Buttons carry no value and are left out.
std::vector<FieldRep*> FieldControlsOf(FormInterface& page)
{
    std::vector<FieldRep*> controls = page.GetFieldReps();
    if (auto* report = dynamic_cast<ApplicationReport*>(&page))
        controls = report->GetReportGroups().empty()
                       ? std::vector<FieldRep*>{}
                       : report->GetReportGroups().front()->GetFilters();
    std::erase_if(controls,
                  [](const FieldRep* control)
                  {
                      return control->GetField() == nullptr ||
                             (control->GetFieldRepData() != nullptr &&
                              control->GetFieldRepData()->GetControlKind() == FieldRepData::Button);
                  });
    return controls;
}
} // namespace

FunctionAssignment::FunctionAssignment(const ForgeonProject& project, FormInterface& page,
                                       ClassInvokation* invokation, bool allowChange)
    : m_project(project), m_page(page),
      m_created(invokation == nullptr ? std::make_unique<ClassInvokation>() : nullptr),
      m_invokation(invokation == nullptr ? m_created.get() : invokation), m_allowChange(allowChange)
{
}

FunctionAssignment::~FunctionAssignment() = default;

const std::vector<ListColumn>& FunctionAssignment::FieldColumns()
{
    static const std::vector<ListColumn> columns{{"", 4}, {"Fields", 56}};
    return columns;
}

const std::vector<ListColumn>& FunctionAssignment::ParameterColumns()
{
    static const std::vector<ListColumn> columns{{"Parameter", 30}, {"Field", 30}};
    return columns;
}

void FunctionAssignment::Open()
{
    m_states.SetItems(IDC_MODULE, m_project.GetModuleNames());
    m_module = m_project.GetCurrentModule();
    m_states.Select(IDC_MODULE, PositionOf(m_project.GetModules(), m_module));
    m_classes.clear();
    std::vector<CString> names;
    if (m_module != nullptr)
        for (Class* each : m_module->GetClasses())
        {
            m_classes.push_back(each);
            names.push_back(each->GetFieldName());
        }
    m_states.SetItems(IDC_CLASS, names);
    m_states.Select(IDC_CLASS, PositionOf(m_classes, m_invokation->GetClass()));
    FillFunctions();
    m_states.Select(IDC_FUNCTION, PositionOf(m_functions, m_invokation->GetFunction()));
    FillFields();
    FillParameters();
    ShowAssignment();
}

void FunctionAssignment::ChooseModule(int index)
{
    m_states.Select(IDC_MODULE, index);
    if (Module* module = ItemAt(m_project.GetModules(), index))
        m_module = module;
}

void FunctionAssignment::ChooseClass(int index)
{
    m_states.Select(IDC_CLASS, index);
    FillFunctions();
    m_parameterRows.clear();
    m_selectedParameter = -1;
}

void FunctionAssignment::ChooseFunction(int index)
{
    m_states.Select(IDC_FUNCTION, index);
    FillParameters();
}

void FunctionAssignment::Map()
{
    Field* field = ItemAt(m_fields, m_selectedField);
    Function* function = ChosenFunction();
    Parameter* parameter =
        function != nullptr ? ItemAt(function->GetParameters(), m_selectedParameter) : nullptr;
    if (field == nullptr || parameter == nullptr)
        return;
    if (ClassParameterMap* map = m_invokation->FindParameterMapByName(parameter->GetFieldName()))
        map->m_field = field;
    else
        m_invokation->AddParameterMap(parameter, field);
    m_changed = true;
    FillParameters();
}

void FunctionAssignment::Unmap()
{
    Function* function = ChosenFunction();
    Parameter* parameter =
        function != nullptr ? ItemAt(function->GetParameters(), m_selectedParameter) : nullptr;
    if (parameter == nullptr ||
        AfxMessageBox(
            NamedQuestion("Do you really want to remove the mapping?", parameter->GetFieldName()),
            MB_YESNO) != IDYES)
        return;
    if (ClassParameterMap* map = m_invokation->FindParameterMapByName(parameter->GetFieldName()))
    {
        m_invokation->RemoveParameterMap(map);
        m_changed = true;
    }
    FillParameters();
}

void FunctionAssignment::Assign()
{
    Class* chosenClass = ChosenClass();
    Function* function = ChosenFunction();
    if (chosenClass == nullptr || function == nullptr)
        return;
    m_invokation->SetFunction(chosenClass, function);
    m_changed = true;
    FillParameters();
    ShowAssignment();
}

Class* FunctionAssignment::ChosenClass() const
{
    return ItemAt(m_classes, m_states.GetSelection(IDC_CLASS));
}

Function* FunctionAssignment::ChosenFunction() const
{
    return ChosenClass() != nullptr ? ItemAt(m_functions, m_states.GetSelection(IDC_FUNCTION))
                                    : nullptr;
}

void FunctionAssignment::FillFunctions()
{
    m_functions.clear();
    if (Class* chosen = ChosenClass())
        chosen->GetUserFunctions(m_functions);
    std::vector<CString> names;
    for (const Function* each : m_functions)
        names.push_back(each->GetFieldName());
    m_states.SetItems(IDC_FUNCTION, names);
}

void FunctionAssignment::FillFields()
{
    m_fields.clear();
    m_fieldRows.clear();
    for (const FieldRep* control : FieldControlsOf(m_page))
    {
        m_fields.push_back(control->GetField());
        m_fieldRows.push_back(ListRow{{"", control->GetField()->GetFieldName()}});
    }
}

void FunctionAssignment::FillParameters()
{
    m_parameterRows.clear();
    m_selectedParameter = -1;
    Function* function = ChosenFunction();
    if (function == nullptr)
        return;
    for (const Parameter* parameter : function->GetParameters())
    {
        const ClassParameterMap* map =
            m_invokation->FindParameterMapByName(parameter->GetFieldName());
        m_parameterRows.push_back(
            ListRow{{parameter->GetFieldName(), map != nullptr && map->m_field != nullptr
                                                    ? map->m_field->GetFieldName()
                                                    : CString("NOT_ASSIGNED")}});
    }
}

void FunctionAssignment::ShowAssignment()
{
    const Function* function = m_invokation->GetFunction();
    const Class* invoked = m_invokation->GetClass();
    m_states.SetText(IDC_FUNCTION_NAME,
                     function == nullptr
                         ? CString("Function not assigned.")
                         : (invoked != nullptr ? invoked->GetFieldName() : CString()) + "." +
                               function->GetFieldName());
    const bool open = function == nullptr;
    for (int id : {IDC_ASSIGN, IDC_MODULE})
        m_states.Enable(id, open);
    for (int id : {IDC_CLASS, IDC_FUNCTION})
        m_states.Enable(id, open && m_allowChange);
}
