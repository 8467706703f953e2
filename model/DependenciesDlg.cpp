#include "model/DependenciesDlg.h"

#include "platform/core/MessageBox.h"

#include <utility>

namespace
{
DependenciesDlg::ModalHandler& InstalledHandler()
{
    static DependenciesDlg::ModalHandler handler;
    return handler;
}
} // namespace

DependenciesDlg::DependenciesDlg(const std::vector<DependencyRecord*>& records, void* parent)
    : m_records(records), m_parent(parent)
{
}

int DependenciesDlg::DoModal()
{
    const ModalHandler& handler = InstalledHandler();
    return handler ? handler(*this) : IDCANCEL;
}

DependenciesDlg::ModalHandler DependenciesDlg::SetModalHandler(ModalHandler handler)
{
    return std::exchange(InstalledHandler(), std::move(handler));
}

ScriptedDependenciesDlg::ScriptedDependenciesDlg()
    : m_previous(DependenciesDlg::SetModalHandler([this](DependenciesDlg& dialog)
                                                  { return Show(dialog); }))
{
}

ScriptedDependenciesDlg::~ScriptedDependenciesDlg()
{
    DependenciesDlg::SetModalHandler(std::move(m_previous));
}

void ScriptedDependenciesDlg::AnswerOk(std::vector<bool> selection)
{
    m_answers.push_back({IDOK, std::move(selection)});
}

void ScriptedDependenciesDlg::AnswerCancel()
{
    m_answers.push_back({IDCANCEL, {}});
}

int ScriptedDependenciesDlg::Show(DependenciesDlg& dialog)
{
    m_titles.push_back(dialog.GetTitle());
    if (m_answers.empty())
    {
        ++m_unscripted;
        return IDCANCEL;
    }
    const Answer answer = std::move(m_answers.front());
    m_answers.pop_front();
    if (answer.result == IDOK)
    {
        const std::vector<DependencyRecord*>& records = dialog.GetRecords();
        for (std::size_t i = 0; i < records.size(); ++i)
            records[i]->selected = i < answer.selection.size() && answer.selection[i];
    }
    return answer.result;
}
