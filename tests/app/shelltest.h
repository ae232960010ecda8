// Shared fixture parts of the shell tests: a scratch folder and scripted message boxes.
#pragma once

#include <QTemporaryDir>
#include <deque>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "platform/codepage.h"
#include "platform/msgbox.h"

// Answers message boxes from a queue (IDOK when empty) and records "caption:text" in UTF-8.
class ScriptedMessageBoxes {
public:
    ScriptedMessageBoxes()
    {
        m_previous = SetMessageBoxHandler([this](const CString& text, const CString& caption, UINT) {
            m_shown.push_back(CP932ToUtf8(caption) + ":" + CP932ToUtf8(text));
            if (m_answers.empty()) return IDOK;
            const int answer = m_answers.front();
            m_answers.pop_front();
            return answer;
        });
    }
    ~ScriptedMessageBoxes() { SetMessageBoxHandler(m_previous); }
    ScriptedMessageBoxes(const ScriptedMessageBoxes&) = delete;
    ScriptedMessageBoxes& operator=(const ScriptedMessageBoxes&) = delete;

    std::deque<int> m_answers;
    std::vector<std::string> m_shown;

private:
    MessageBoxHandler m_previous;
};
