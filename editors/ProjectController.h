#pragma once

#include "editors/ViewEditorHost.h"
#include "model/MainFrameAccess.h"

#include <memory>

// The controller of a pane view, made for the open project with the view host and made again
// when another project is opened.
template <class Controller, class Host = ViewEditorHost> class ProjectController
{
public:
    // Null while no project is open.
    Controller* Get()
    {
        ForgeonProject* project = MainFrameAccess::GetProject();
        if (project != m_project)
        {
            m_controller.reset();
            m_project = project;
            if (project != nullptr)
                m_controller = std::make_unique<Controller>(*project, Host::Get());
        }
        return m_controller.get();
    }
    // The controller made last, without looking at the open project.
    Controller* Current() const { return m_controller.get(); }

private:
    std::unique_ptr<Controller> m_controller;
    ForgeonProject* m_project = nullptr;
};
