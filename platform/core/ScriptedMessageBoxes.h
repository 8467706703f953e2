#pragma once

#include "platform/core/MessageBox.h"

#include <cstddef>
#include <deque>
#include <initializer_list>
#include <string>
#include <vector>

// Test double for message boxes: installed as the handler for its lifetime, it records every
// box and answers from a script. A box shown with the script used up gets the default button
// and is counted, so a test can assert that no box went unscripted.
class ScriptedMessageBoxes
{
public:
    struct ShownBox
    {
        std::string text;
        UINT type;
        UINT helpId;
    };

    explicit ScriptedMessageBoxes(std::initializer_list<int> answers = {});
    ~ScriptedMessageBoxes();
    ScriptedMessageBoxes(const ScriptedMessageBoxes&) = delete;
    ScriptedMessageBoxes& operator=(const ScriptedMessageBoxes&) = delete;

    // Queues the answer to the next box not yet answered.
    void Answer(int answer);

    const std::vector<ShownBox>& Shown() const { return m_shown; }
    // The texts of the boxes shown, in order.
    std::vector<std::string> ShownTexts() const;
    std::size_t UnscriptedCount() const { return m_unscripted; }
    std::size_t PendingAnswers() const { return m_answers.size(); }

private:
    int Show(const std::string& text, UINT type, UINT helpId);

    std::deque<int> m_answers;
    std::vector<ShownBox> m_shown;
    std::size_t m_unscripted = 0;
    MessageBoxHandler m_previous;
};
