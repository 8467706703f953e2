#include "platform/core/ScriptedMessageBoxes.h"

#include <utility>

ScriptedMessageBoxes::ScriptedMessageBoxes(std::initializer_list<int> answers)
    : m_answers(answers),
      m_previous(SetMessageBoxHandler([this](const std::string& text, UINT type, UINT helpId)
                                      { return Show(text, type, helpId); }))
{
}

ScriptedMessageBoxes::~ScriptedMessageBoxes()
{
    SetMessageBoxHandler(std::move(m_previous));
}

void ScriptedMessageBoxes::Answer(int answer)
{
    m_answers.push_back(answer);
}

int ScriptedMessageBoxes::Show(const std::string& text, UINT type, UINT helpId)
{
    m_shown.push_back({text, type, helpId});
    if (m_answers.empty())
    {
        ++m_unscripted;
        return DefaultMessageBoxButton(type);
    }
    const int answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

std::vector<std::string> ScriptedMessageBoxes::ShownTexts() const
{
    std::vector<std::string> texts;
    for (const ShownBox& box : m_shown)
        texts.push_back(box.text);
    return texts;
}
