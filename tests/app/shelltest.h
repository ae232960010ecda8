// Shared fixture parts of the shell tests: a scratch folder and scripted message boxes.
#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <utility>
#include <deque>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "platform/codepage.h"
#include "platform/msgbox.h"

// Answers message boxes from a queue (IDOK when empty); records "caption:text"
// in UTF-8, and each text and type as shown.
class ScriptedMessageBoxes {
public:
    ScriptedMessageBoxes()
    {
        m_previous = SetMessageBoxHandler([this](const CString& text, const CString& caption, UINT nType) {
            m_shown.push_back(CP932ToUtf8(caption) + ":" + CP932ToUtf8(text));
            m_texts.push_back(text);
            m_types.push_back(nType);
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
    std::vector<CString> m_texts;
    std::vector<UINT> m_types;

private:
    MessageBoxHandler m_previous;
};

// The per-user folders of XDG pointed into a scratch folder for one test.
class ScratchUserFolders {
public:
    ScratchUserFolders()
    {
        QDir(m_dir.path()).mkpath(QStringLiteral("config/tavrin"));
        QDir(m_dir.path()).mkdir(QStringLiteral("run"));
        QFile::setPermissions(RuntimeDir(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        for (const char* name : {"XDG_CONFIG_HOME", "XDG_RUNTIME_DIR"}) m_saved.emplace_back(name, qgetenv(name));
        qputenv("XDG_CONFIG_HOME", ConfigDir().toLocal8Bit());
        qputenv("XDG_RUNTIME_DIR", RuntimeDir().toLocal8Bit());
    }
    ~ScratchUserFolders()
    {
        for (const auto& [name, value] : m_saved) value.isNull() ? qunsetenv(name) : qputenv(name, value);
    }
    QString ConfigDir() const { return m_dir.path() + QStringLiteral("/config"); }
    QString RuntimeDir() const { return m_dir.path() + QStringLiteral("/run"); }
    std::string IniPath() const { return (ConfigDir() + QStringLiteral("/tavrin/TavrinSysytemV8.ini")).toStdString(); }

private:
    QTemporaryDir m_dir;
    std::vector<std::pair<const char*, QByteArray>> m_saved;
};
