#pragma once

#include <functional>
#include <memory>
#include <vector>

class ForgeonProject;

// The project merge as the model sees it: the merge library registers a factory of its
// ProjectMerger, and the store creates one for its two merge inputs.
class ProjectMergerInterface
{
public:
    virtual ~ProjectMergerInterface() = default;

    // Merges the second project into the first; true on success.
    virtual bool Merge() = 0;
};

using ProjectMergerFactory = std::function<std::unique_ptr<ProjectMergerInterface>(
    ForgeonProject* first, ForgeonProject* second)>;

// Installs the factory (an empty one removes it) and returns the previous one.
ProjectMergerFactory SetProjectMergerFactory(ProjectMergerFactory factory);

// A merger of second into first; null while no factory is installed.
std::unique_ptr<ProjectMergerInterface> CreateProjectMerger(ForgeonProject* first,
                                                            ForgeonProject* second);

// Test double: installed as the factory for its lifetime, its mergers answer the given result
// and record the two projects of every merge run.
class ScriptedProjectMerger
{
public:
    struct MergeRun
    {
        ForgeonProject* first;
        ForgeonProject* second;
    };

    explicit ScriptedProjectMerger(bool result);
    ~ScriptedProjectMerger();
    ScriptedProjectMerger(const ScriptedProjectMerger&) = delete;
    ScriptedProjectMerger& operator=(const ScriptedProjectMerger&) = delete;

    const std::vector<MergeRun>& Runs() const { return m_runs; }

private:
    bool m_result;
    std::vector<MergeRun> m_runs;
    ProjectMergerFactory m_previous;
};
