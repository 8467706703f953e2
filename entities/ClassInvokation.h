#pragma once

#include "platform/core/CObject.h"
#include "platform/core/CString.h"

#include <functional>
#include <vector>

class CArchive;
class Class;
class Field;
class Function;
class Parameter;
class ReferenceList;
class Table;

// A parameter of an invoked function and the field that supplies its value.
struct ClassParameterMap
{
    ClassParameterMap(Parameter* parameter, Field* field) : m_parameter(parameter), m_field(field)
    {
    }
    ClassParameterMap(const ClassParameterMap&) = default;
    ClassParameterMap& operator=(const ClassParameterMap&) = default;
    // Freeing a record nulls both members.
    ~ClassParameterMap()
    {
        m_parameter = nullptr;
        m_field = nullptr;
    }

    Parameter* m_parameter;
    Field* m_field;
};

// A call of one function of a user class as a data source, with the fields that supply its
// parameters.
class ClassInvokation : public CObject
{
    DECLARE_SERIAL(ClassInvokation)

public:
    // No class, no function, no maps.
    ClassInvokation() = default;
    // A null source gives an empty invocation; otherwise the same class and function and a
    // new copy of every parameter map.
    explicit ClassInvokation(const ClassInvokation* source);
    ClassInvokation(const ClassInvokation&) = delete;
    ClassInvokation& operator=(const ClassInvokation&) = delete;
    // Frees every parameter map.
    ~ClassInvokation() override;

    // Class, function, map count, then per map the field and the parameter.
    void Serialize(CArchive& ar) override;
    // Lists the class and the function the call in the slot invokes (each release deletes the
    // call and empties the slot), then the parameters its maps pass (each release drops the
    // map).
    static void ListReferences(ReferenceList& list, ClassInvokation*& slot);
    // As ListReferences for a call its holder lets go of through dropCall (nothing for none).
    static void ListHeld(ReferenceList& list, ClassInvokation* call,
                         const std::function<void()>& dropCall);
    // The parameters the call's maps pass, each release dropping its map (nothing for none).
    static void ListParameterMaps(ReferenceList& list, ClassInvokation* call);
    // Lists the table of the class and the function's own table, for a call its holder lets go
    // of through dropCall, and as uses the other tables the function uses (nothing for none).
    static void ListTablesHeld(ReferenceList& list, const ClassInvokation* call,
                               const std::function<void()>& dropCall);

    Class* GetClass() const { return m_class; }
    Function* GetFunction() const { return m_function; }
    // A different function drops every parameter map and stores the class and the function;
    // the function already set changes nothing.
    void SetFunction(Class* invokedClass, Function* function);
    const std::vector<ClassParameterMap*>& GetParameterMaps() const { return m_parameterMaps; }
    // Appends a new map of the parameter and the field.
    void AddParameterMap(Parameter* parameter, Field* field);

    // The map whose parameter's name equals the text ignoring case, or null.
    ClassParameterMap* FindParameterMapByName(const CString& name) const;
    // The map whose field is the given one, or null.
    ClassParameterMap* FindParameterMapByField(const Field* field) const;
    // Erases and frees the record; nothing when it is not there.
    void RemoveParameterMap(ClassParameterMap* map);
    // Erases and frees every map whose field is the given one.
    void RemoveParameterMapsByField(const Field* field);
    bool HasParameterMapFor(const Parameter* parameter) const;
    // Erases and frees every map with that parameter.
    void RemoveParameterMapsByParameter(const Parameter* parameter);
    // The invoked class is bound to the table, or the invoked function uses it.
    bool UsesTable(const Table* table) const;
    // The call names a class or a function.
    bool IsAssigned() const { return m_class != nullptr || m_function != nullptr; }
    // The invoked class is bound to the table, or the invoked function is the table's own: the
    // call's data is the table's.
    bool IsOnTable(const Table* table) const;
    // Adds the tables IsOnTable may be true of: those of the class and of the function (nothing
    // for none).
    static void ListTablesOn(const ClassInvokation* call, std::vector<const Table*>& tables);

private:
    void DeleteParameterMaps();

    Class* m_class = nullptr;
    Function* m_function = nullptr;
    std::vector<ClassParameterMap*> m_parameterMaps;
};
