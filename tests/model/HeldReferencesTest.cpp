// Every reference a stored record holds to an object it does not own, in the test fixtures and
// the project of every class, grouped by the record's class and the class referred to: the
// modules' reference lists name it, so that after the listed references to the object are let
// go no record but its owner writes it; and deleting the object (or the part that owns it) as
// the project tree does leaves a project that saves, loads and saves to the same bytes.
#include "entities/Designation.h"
#include "entities/Function.h"
#include "entities/Parameter.h"
#include "entities/Procedure.h"
#include "entities/Variable.h"
#include "model/Module.h"
#include "model/ProjectStore.h"
#include "model/ReferenceList.h"
#include "platform/core/CArchive.h"
#include "platform/core/CObject.h"
#include "platform/core/ScriptedMessageBoxes.h"
#include "platform/core/Types.h"
#include "tests/model/EveryClassProject.h"
#include "tests/model/ModelBuilders.h"
#include "tests/support/ArchiveBytes.h"
#include "tests/support/HostFiles.h"
#include "tests/support/RecordBytes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <iostream>
#include <map>
#include <set>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace
{
// What the archive tells while one is set up: the owner each loaded object was claimed by, and
// in a save every object each record writes.
class ObjectLinks
{
public:
    ObjectLinks() { CArchive::SetObjectLinkHook(&Note, this); }
    ~ObjectLinks() { CArchive::SetObjectLinkHook(nullptr, nullptr); }
    ObjectLinks(const ObjectLinks&) = delete;
    ObjectLinks& operator=(const ObjectLinks&) = delete;

    std::unordered_map<const CObject*, const CObject*> owners;
    std::vector<std::pair<const CObject*, const CObject*>> writes;

private:
    static void Note(CArchive::ObjectLink link, const CObject* record, const CObject* object,
                     void* context)
    {
        auto& links = *static_cast<ObjectLinks*>(context);
        if (link == CArchive::ObjectLink::written)
            links.writes.emplace_back(record, object);
        else if (link == CArchive::ObjectLink::claimed)
            links.owners[object] = record;
        else
            links.owners.erase(object);
    }
};

std::string ClassOf(const CObject* object)
{
    return object->GetRuntimeClass()->m_lpszClassName;
}

// A project opened from the bytes with the owner of each object, and its saves observed.
class OpenedProject
{
public:
    explicit OpenedProject(const std::vector<BYTE>& bytes)
    {
        const ObjectLinks links;
        m_opened = m_store.RestoreProject(bytes) != FALSE;
        m_owners = links.owners;
        if (m_opened)
            Observe();
    }

    bool IsOpened() const { return m_opened; }
    ForgeonProject& Project() { return *m_store.GetProject(); }
    ProjectStore& Store() { return m_store; }
    // The objects a save writes, in the order it first writes them.
    const std::vector<const CObject*>& Objects() const { return m_objects; }
    std::size_t IndexOf(const CObject* object) const { return m_indexes.at(object); }
    // The last save's references: each record with an object it writes that another owns.
    const std::vector<std::pair<const CObject*, const CObject*>>& References() const
    {
        return m_references;
    }
    const CObject* OwnerOf(const CObject* object) const
    {
        const auto found = m_owners.find(object);
        return found == m_owners.end() ? nullptr : found->second;
    }
    // The object is the owner or one of its owners, directly or not.
    bool IsOwnedBy(const CObject* object, const CObject* owner) const
    {
        for (const CObject* above = object; above != nullptr; above = OwnerOf(above))
        {
            if (above == owner)
                return true;
        }
        return false;
    }
    // Saves, noting what the save writes; the bytes saved.
    std::vector<BYTE> Observe()
    {
        const ObjectLinks links;
        std::vector<BYTE> bytes = SaveObject(m_store.GetProject());
        m_objects.clear();
        m_indexes.clear();
        m_references.clear();
        for (const auto& [record, object] : links.writes)
        {
            if (m_indexes.emplace(object, m_objects.size()).second)
                m_objects.push_back(object);
            // Objects the load left unclaimed stay with the project to its end; a record's
            // own owners go with it.
            const auto owner = m_owners.find(object);
            if (record != nullptr && owner != m_owners.end() && owner->second != record &&
                !IsOwnedBy(record, object))
                m_references.emplace_back(record, object);
        }
        return bytes;
    }

private:
    ScriptedMessageBoxes m_boxes;
    ProjectStore m_store;
    ScopedOpenProject m_open{m_store};
    bool m_opened = false;
    std::unordered_map<const CObject*, const CObject*> m_owners;
    std::vector<const CObject*> m_objects;
    std::unordered_map<const CObject*, std::size_t> m_indexes;
    std::vector<std::pair<const CObject*, const CObject*>> m_references;
};

// The deletion the project tree (or the dialog that edits the kind) makes of an object of a
// deletable kind, with the owner it was claimed by.
struct Deletion
{
    std::function<bool(const CObject*)> isOfKind;
    std::function<bool(ForgeonProject&, CObject*, const CObject* owner)> remove;
};

template <class T> bool IsOf(const CObject* object)
{
    return dynamic_cast<const T*>(object) != nullptr;
}

template <class T> Deletion Deleting(bool (ForgeonProject::*remove)(T*))
{
    return {&IsOf<T>, [remove](ForgeonProject& project, CObject* object, const CObject*)
            { return (project.*remove)(static_cast<T*>(object)); }};
}

const std::vector<Deletion>& Deletions()
{
    static const std::vector<Deletion> deletions = {
        Deleting(&ForgeonProject::DeleteField),
        Deleting(&ForgeonProject::DeleteTable),
        Deleting(&ForgeonProject::DeleteFunction),
        Deleting(&ForgeonProject::DeleteProcedure),
        Deleting(&ForgeonProject::DeleteMenu),
        Deleting(&ForgeonProject::DeleteDesignation),
        Deleting(&ForgeonProject::DeleteForm),
        Deleting(&ForgeonProject::DeleteMapForm),
        Deleting(&ForgeonProject::DeleteTransaction),
        Deleting(&ForgeonProject::DeleteApplicationReport),
        Deleting(&ForgeonProject::DeleteRDLCReport),
        Deleting(&ForgeonProject::DeleteDashBoard),
        Deleting(&ForgeonProject::DeleteDashBoardPage),
        Deleting(&ForgeonProject::DeleteLoginPage),
        Deleting(&ForgeonProject::DeleteRDLCInfo),
        Deleting(&ForgeonProject::DeleteXSDInfo),
        {&IsOf<Parameter>,
         [](ForgeonProject& project, CObject* object, const CObject* owner)
         {
             auto* function = dynamic_cast<const Function*>(owner);
             return function != nullptr &&
                    project.DeleteFunctionParameter(const_cast<Function*>(function),
                                                    static_cast<Parameter*>(object));
         }},
        // A page variable, as its page's variable list deletes it.
        {&IsOf<Variable>,
         [](ForgeonProject& project, CObject* object, const CObject* owner)
         {
             auto* page = dynamic_cast<const FormInterface*>(owner);
             if (page == nullptr)
                 return false;
             auto* editable = const_cast<FormInterface*>(page);
             std::vector<FieldVariableMap*>& maps = editable->EditFieldVariableMaps();
             const auto map = std::ranges::find_if(maps, [object](const FieldVariableMap* each)
                                                   { return each->variable == object; });
             return map != maps.end() && project.DeletePageVariable(editable, maps, *map);
         }},
    };
    return deletions;
}

// The deletion of the object's kind, or of the kind of the nearest owner that has one; the
// object deleted and its owner. Null for an object no deletion reaches.
struct DeletedPart
{
    CObject* part = nullptr;
    const CObject* owner = nullptr;
    const Deletion* deletion = nullptr;
};

DeletedPart PartToDelete(const OpenedProject& opened, const CObject* object)
{
    for (const CObject* part = object; part != nullptr; part = opened.OwnerOf(part))
    {
        for (const Deletion& deletion : Deletions())
        {
            if (deletion.isOfKind(part))
                return {const_cast<CObject*>(part), opened.OwnerOf(part), &deletion};
        }
    }
    return {};
}

// Calls list on the entity with a list of references that the object is or belongs to, the
// nearest of its owners; false for an object of no such entity (the project's and the modules'
// own records).
template <class List>
bool WithEntityOf(const OpenedProject& opened, const CObject* object, const List& list)
{
    for (const CObject* above = object; above != nullptr; above = opened.OwnerOf(above))
    {
        auto* entity = const_cast<CObject*>(above);
        if (auto* page = dynamic_cast<FormInterface*>(entity))
            return list(*page), true;
        if (auto* menu = dynamic_cast<Menu*>(entity))
            return list(*menu), true;
        if (auto* table = dynamic_cast<Table*>(entity))
            return list(*table), true;
        if (auto* function = dynamic_cast<Function*>(entity))
            return list(*function), true;
        if (auto* dataClass = dynamic_cast<Class*>(entity))
            return list(*dataClass), true;
        if (auto* procedure = dynamic_cast<Procedure*>(entity))
            return list(*procedure), true;
        if (auto* designation = dynamic_cast<Designation*>(entity))
            return list(*designation), true;
    }
    return false;
}

// The entity the record belongs to lists the object among its references.
bool EntityListing(const OpenedProject& opened, const CObject* record, const CObject* object)
{
    bool reaches = false;
    WithEntityOf(opened, record,
                 [&](auto& entity) { reaches = ReferenceList::Reaches(entity, {object}); });
    return reaches;
}

// The record, part of an entity, refers to the object from outside that entity: the entity
// keeps its own parts' pointers to one another as it changes them, and the project and its
// modules hold their entities in lists.
bool RefersFromOutside(const OpenedProject& opened, const CObject* record, const CObject* object)
{
    const CObject* entity = nullptr;
    if (!WithEntityOf(opened, record, [&](auto& found) { entity = &found; }))
        return false;
    return !opened.IsOwnedBy(object, entity);
}

// The module the object belongs to, or null for the project's own records.
const Module* ModuleOf(const OpenedProject& opened, const CObject* object)
{
    for (const CObject* above = object; above != nullptr; above = opened.OwnerOf(above))
    {
        if (const auto* module = dynamic_cast<const Module*>(above))
            return module;
    }
    return nullptr;
}

// The test data's project files that open, then the project of every class.
std::vector<std::pair<std::string, std::vector<BYTE>>> Projects()
{
    std::vector<std::pair<std::string, std::vector<BYTE>>> projects;
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(WEAVO_TEST_DATA))
    {
        if (entry.path().extension() == ".wvt")
            files.push_back(entry.path());
    }
    std::ranges::sort(files);
    for (const std::filesystem::path& file : files)
    {
        const std::string text = ReadHostFile(file);
        std::vector<BYTE> bytes(text.begin(), text.end());
        if (OpenedProject(bytes).IsOpened())
            projects.emplace_back(std::filesystem::relative(file, WEAVO_TEST_DATA).string(),
                                  std::move(bytes));
    }
    const EveryClassProject built;
    projects.emplace_back("every class", SaveObject(built.GetProject()));
    return projects;
}

// A reference found: the project, the object's place among what a save writes, and the classes.
struct Found
{
    std::string project;
    std::size_t index;
    std::string holder;
    std::string target;
};

TEST(HeldReferencesTest, EveryReferenceOfEveryStoredClassIsListedAndLetGoWhenItsPartGoes)
{
    const ScopedArchiveVersion version{CurrentVersion()};
    const auto projects = Projects();
    ASSERT_GE(projects.size(), 15u);
    // The first references of each pair of classes in each project, saved as opened.
    std::map<std::pair<std::string, std::string>, std::vector<Found>> pairs;
    std::map<std::string, std::vector<BYTE>> openedBytes;
    std::set<std::string> storedClasses;
    // The pairs of classes whose holder refers to an object of another module.
    std::set<std::pair<std::string, std::string>> crossModule;
    for (const auto& [name, bytes] : projects)
    {
        OpenedProject opened(bytes);
        openedBytes[name] = opened.Observe();
        for (const CObject* object : opened.Objects())
            storedClasses.insert(ClassOf(object));
        // The first two of each pair, and of each pair across modules.
        std::map<std::pair<std::string, std::string>, std::set<std::size_t>> seen[2];
        for (const auto& [holder, target] : opened.References())
        {
            if (!RefersFromOutside(opened, holder, target))
                continue;
            const std::size_t index = opened.IndexOf(target);
            const Module* from = ModuleOf(opened, holder);
            const Module* to = ModuleOf(opened, target);
            const bool across = from != nullptr && to != nullptr && from != to;
            if (across)
                crossModule.insert({ClassOf(holder), ClassOf(target)});
            std::set<std::size_t>& targets = seen[across][{ClassOf(holder), ClassOf(target)}];
            if (targets.size() < 2 && targets.insert(index).second)
                pairs[{ClassOf(holder), ClassOf(target)}].push_back(
                    {name, index, ClassOf(holder), ClassOf(target)});
        }
    }
    // Every registered class is stored somewhere but the bases that only their kinds store and
    // the classes only earlier layouts store.
    const std::set<std::string> notStored = {"BooleanTreeNode", "FieldFilter", "FormInterface",
                                             "MenuInterface"};
    for (const CRuntimeClass* runtimeClass : CRuntimeClass::RegisteredClasses())
    {
        const std::string name = runtimeClass->m_lpszClassName;
        if (!notStored.contains(name))
        {
            EXPECT_TRUE(storedClasses.contains(name)) << name << " is stored by no project";
        }
    }
    std::set<std::string> holders;
    for (const auto& [classes, found] : pairs)
        holders.insert(classes.first);
    // Functions and procedures of one module use the tables of another.
    for (const char* holder : {"Function", "Procedure", "ProcedureFieldInfo", "ClassInvokation"})
    {
        EXPECT_TRUE(std::ranges::any_of(crossModule, [holder](const auto& classes)
                                        { return classes.first == holder; }))
            << holder << " refers to no object of another module";
    }
    std::cout << "[ held   ] " << crossModule.size() << " pairs of classes across modules:";
    for (const auto& [holder, target] : crossModule)
        std::cout << " " << holder << "->" << target;
    std::cout << "\n";
    EXPECT_GE(holders.size(), 30u);
    std::cout << "[ held   ] " << CRuntimeClass::RegisteredClasses().size()
              << " registered classes, " << storedClasses.size() << " stored, " << holders.size()
              << " holding references, " << pairs.size() << " pairs of classes\n";

    int deleted = 0;
    std::set<std::string> unlisted;
    for (const auto& [classes, found] : pairs)
    {
        for (const Found& reference : found)
        {
            const std::string what = reference.holder + " -> " + reference.target + " in " +
                                     reference.project + " (object " +
                                     std::to_string(reference.index) + ")";
            const std::vector<BYTE>& bytes = openedBytes[reference.project];
            {
                // Listed: the entity the record belongs to lists the object among its
                // references.
                OpenedProject opened(bytes);
                ASSERT_TRUE(opened.IsOpened()) << what;
                const CObject* target = opened.Objects()[reference.index];
                for (const auto& [holder, referred] : opened.References())
                {
                    if (referred == target && ClassOf(holder) == reference.holder &&
                        RefersFromOutside(opened, holder, target) &&
                        !EntityListing(opened, holder, target))
                        unlisted.insert(reference.holder + " -> " + reference.target);
                }
            }
            OpenedProject opened(bytes);
            const DeletedPart part = PartToDelete(opened, opened.Objects()[reference.index]);
            if (part.part == nullptr)
                continue;
            const std::string partClass = ClassOf(part.part);
            if (!part.deletion->remove(opened.Project(), part.part, part.owner))
                continue;
            ++deleted;
            // Nothing left refers to what went (the sanitizers see each pointer the save
            // follows): it saves, and opens.
            const std::vector<BYTE> saved = SaveObject(opened.Store().GetProject());
            EXPECT_TRUE(OpenedProject(saved).IsOpened())
                << what << ", its " << partClass << " deleted";
        }
    }
    EXPECT_EQ(unlisted, std::set<std::string>{});
    EXPECT_GT(deleted, 100);
    std::cout << "[ held   ] " << deleted << " deletions\n";
}
} // namespace
