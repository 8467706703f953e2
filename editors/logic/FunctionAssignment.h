#pragma once

#include "editors/logic/ControlStates.h"

#include <memory>
#include <vector>

class Class;
class ClassInvokation;
class Field;
class ForgeonProject;
class FormInterface;
class Function;
class Module;

// "Assign Function": which user function of a data class a page element calls and which page
// field supplies each of its parameters. The invocation is changed in place.
class FunctionAssignment
{
public:
    static constexpr UINT IDD = 257;
    static constexpr int IDC_MODULE = 1015;
    static constexpr int IDC_UNMAP = 1039;
    static constexpr int IDC_FIELDS = 1267;
    static constexpr int IDC_MAP = 1492;
    static constexpr int IDC_CLASS = 1660;
    static constexpr int IDC_FUNCTION = 1661;
    static constexpr int IDC_PARAMETERS = 1662;
    static constexpr int IDC_ASSIGN = 1663;
    static constexpr int IDC_HELP_BUTTON = 1741;
    static constexpr int IDC_FUNCTION_NAME = 1760;
    static constexpr UINT HelpContext = 168;

    // Without an invocation a new one is made; it is freed with the controller unless taken.
    FunctionAssignment(const ForgeonProject& project, FormInterface& page,
                       ClassInvokation* invokation, bool allowChange);
    ~FunctionAssignment();
    FunctionAssignment(const FunctionAssignment&) = delete;
    FunctionAssignment& operator=(const FunctionAssignment&) = delete;

    static const std::vector<ListColumn>& FieldColumns();
    static const std::vector<ListColumn>& ParameterColumns();

    ControlStates& States() { return m_states; }
    ClassInvokation& GetInvokation() const { return *m_invokation; }
    // The caller keeps the invocation the controller made; null when one was given.
    ClassInvokation* TakeCreatedInvokation() { return m_created.release(); }
    Module* GetOfferedModule() const { return m_module; }
    const std::vector<ListRow>& GetFieldRows() const { return m_fieldRows; }
    const std::vector<ListRow>& GetParameterRows() const { return m_parameterRows; }

    void Open();
    void ChooseModule(int index);
    void ChooseClass(int index);
    void ChooseFunction(int index);
    void SelectField(int row) { m_selectedField = row; }
    void SelectParameter(int row) { m_selectedParameter = row; }
    // "<": the selected field supplies the selected parameter.
    void Map();
    // ">": the selected parameter's map goes after asking.
    void Unmap();
    void Assign();
    // "Assign", "<" or ">" changed the invocation: OK had nothing more to take, so leaving
    // without it keeps the change as well.
    bool HasChanges() const { return m_changed; }

private:
    Class* ChosenClass() const;
    Function* ChosenFunction() const;
    void FillFunctions();
    void FillFields();
    void FillParameters();
    void ShowAssignment();

    const ForgeonProject& m_project;
    FormInterface& m_page;
    std::unique_ptr<ClassInvokation> m_created;
    ClassInvokation* m_invokation;
    bool m_allowChange;
    Module* m_module = nullptr;
    std::vector<Class*> m_classes;
    std::vector<Function*> m_functions;
    std::vector<Field*> m_fields;
    std::vector<ListRow> m_fieldRows;
    std::vector<ListRow> m_parameterRows;
    int m_selectedField = -1;
    int m_selectedParameter = -1;
    bool m_changed = false;
    ControlStates m_states;
};
