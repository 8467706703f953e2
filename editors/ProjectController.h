#pragma once

#include "editors/ViewEditorHost.h"
#include "model/MainFrameAccess.h"

#include <functional>
#include <memory>
#include <type_traits>
#include <utility>

// The controller of a pane view, made for the open project with the view host and made again
// when another project is opened.
template <class Controller> class ProjectController
{
public:
    // Makes the controller of a project; without one it is made with the project and the view
    // host.
    using Factory = std::function<std::unique_ptr<Controller>(ForgeonProject&)>;

    ProjectController() = default;
    explicit ProjectController(Factory factory) : m_factory(std::move(factory)) {}

    // Null while no project is open.
    Controller* Get()
    {
        ForgeonProject* project = MainFrameAccess::GetProject();
        if (project != m_project)
        {
            m_controller.reset();
            m_project = project;
            if (project != nullptr)
                m_controller = m_factory ? m_factory(*project) : MadeWithViewHost(*project);
        }
        return m_controller.get();
    }
    // The controller made last, without looking at the open project.
    Controller* Current() const { return m_controller.get(); }

private:
    static std::unique_ptr<Controller> MadeWithViewHost(ForgeonProject& project)
    {
        if constexpr (std::is_constructible_v<Controller, ForgeonProject&, EditorHost&>)
            return std::make_unique<Controller>(project, ViewEditorHost::Get());
        else
            return nullptr;
    }

    Factory m_factory;
    std::unique_ptr<Controller> m_controller;
    ForgeonProject* m_project = nullptr;
};
