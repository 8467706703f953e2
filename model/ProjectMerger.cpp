#include "model/ProjectMerger.h"

#include <utility>

namespace
{
ProjectMergerFactory& InstalledFactory()
{
    static ProjectMergerFactory factory;
    return factory;
}

class RecordingMerger : public ProjectMergerInterface
{
public:
    RecordingMerger(ForgeonProject* first, ForgeonProject* second, bool result,
                    std::vector<ScriptedProjectMerger::MergeRun>& runs)
        : m_first(first), m_second(second), m_result(result), m_runs(runs)
    {
    }

    bool Merge() override
    {
        m_runs.push_back({m_first, m_second});
        return m_result;
    }

private:
    ForgeonProject* m_first;
    ForgeonProject* m_second;
    bool m_result;
    std::vector<ScriptedProjectMerger::MergeRun>& m_runs;
};
} // namespace

ProjectMergerFactory SetProjectMergerFactory(ProjectMergerFactory factory)
{
    return std::exchange(InstalledFactory(), std::move(factory));
}

std::unique_ptr<ProjectMergerInterface> CreateProjectMerger(ForgeonProject* first,
                                                            ForgeonProject* second)
{
    const ProjectMergerFactory& factory = InstalledFactory();
    return factory ? factory(first, second) : nullptr;
}

ScriptedProjectMerger::ScriptedProjectMerger(bool result)
    : m_result(result),
      m_previous(SetProjectMergerFactory(
          [this](ForgeonProject* first, ForgeonProject* second)
          { return std::make_unique<RecordingMerger>(first, second, m_result, m_runs); }))
{
}

ScriptedProjectMerger::~ScriptedProjectMerger()
{
    SetProjectMergerFactory(std::move(m_previous));
}
