#include "editors/logic/ControlStates.h"

#include "platform/core/StringTable.h"

void ControlStates::SetText(int id, const CString& text)
{
    State& state = At(id);
    state.text = text;
    state.hasText = true;
}

bool ControlStates::HasText(int id) const
{
    const State* state = Find(id);
    return state != nullptr && state->hasText;
}

CString ControlStates::GetText(int id) const
{
    const State* state = Find(id);
    return state != nullptr ? state->text : CString();
}

bool ControlStates::IsEnabled(int id) const
{
    const State* state = Find(id);
    return state == nullptr || state->enabled;
}

bool ControlStates::IsChecked(int id) const
{
    const State* state = Find(id);
    return state != nullptr && state->checked;
}

void ControlStates::SetItems(int id, std::vector<CString> items)
{
    State& state = At(id);
    state.items = std::move(items);
    state.selection = -1;
}

const std::vector<CString>& ControlStates::GetItems(int id) const
{
    static const std::vector<CString> none;
    const State* state = Find(id);
    return state != nullptr ? state->items : none;
}

int ControlStates::GetSelection(int id) const
{
    const State* state = Find(id);
    return state != nullptr ? state->selection : -1;
}

ControlStates::State& ControlStates::At(int id)
{
    const auto [entry, added] = m_states.try_emplace(id);
    if (added)
        m_order.push_back(id);
    return entry->second;
}

const ControlStates::State* ControlStates::Find(int id) const
{
    const auto found = m_states.find(id);
    return found != m_states.end() ? &found->second : nullptr;
}

void RegisterToolTipStrings(const std::vector<ToolTip>& tips)
{
    for (const ToolTip& tip : tips)
        RegisterStringResource(tip.stringId, tip.text);
}

std::vector<ToolTip> WithToolTipStrings(std::vector<ToolTip> tips)
{
    RegisterToolTipStrings(tips);
    return tips;
}

std::vector<ControlStates::Shown> ControlStates::ShownIn(const std::vector<int>& ids) const
{
    std::vector<Shown> shown;
    for (int id : ids)
        shown.push_back({GetText(id), IsChecked(id), GetSelection(id)});
    return shown;
}

CString CellOf(const std::vector<ListRow>& rows, int row, int column)
{
    if (row < 0 || row >= static_cast<int>(rows.size()) || column < 0 ||
        column >= static_cast<int>(rows[static_cast<std::size_t>(row)].cells.size()))
        return {};
    return rows[static_cast<std::size_t>(row)].cells[static_cast<std::size_t>(column)];
}
