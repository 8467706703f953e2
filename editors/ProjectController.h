#pragma once

#include "editors/ViewEditorHost.h"
#include "model/MainFrameAccess.h"

#include <functional>
#include <memory>

// The controller of a pane view, made for the open project with the view host and made again
// when another project is opened.
template <class Controller> class ProjectController
{
public:
    using Maker = std::function<std::unique_ptr<Controller>(ForgeonProject&)>;

    // The controller is made with the project and the view host.
    ProjectController()
        : m_make([](ForgeonProject& project)
                 { return std::make_unique<Controller>(project, ViewEditorHost::Get()); })
    {
    }
    // The controller is made by the maker.
    explicit ProjectController(Maker make) : m_make(std::move(make)) {}

    // Null while no project is open.
    Controller* Get()
    {
        ForgeonProject* project = MainFrameAccess::GetProject();
        if (project != m_project)
        {
            m_controller.reset();
            m_project = project;
            if (project != nullptr)
                m_controller = m_make(*project);
        }
        return m_controller.get();
    }
    // The controller made last, without looking at the open project.
    Controller* Current() const { return m_controller.get(); }

private:
    Maker m_make;
    std::unique_ptr<Controller> m_controller;
    ForgeonProject* m_project = nullptr;
};
