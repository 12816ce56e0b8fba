#pragma once

// The file dialogs of tests, fuzz targets, benchmarks and the same-bits driver. Nothing here
// needs Qt.

#include "platform/filedialog.h"

#include <optional>
#include <string>
#include <vector>

// A file dialog that answers from a script: every choice takes the next answer, and an empty
// answer (std::nullopt) cancels. Records which choices were shown.
class ScriptedDialog : public platform::FileDialog
{
public:
    explicit ScriptedDialog(std::vector<std::optional<std::string>> answers)
        : m_answers(std::move(answers))
    { }

    bool ShowOpen() override { return choose("open"); }
    bool ShowSave() override { return choose("save"); }
    std::string FileName() const override { return m_fileName; }

    std::vector<std::string> shown;

private:
    bool choose(const std::string &kind)
    {
        shown.push_back(kind);
        if (m_next >= m_answers.size() || !m_answers[m_next++])
            return false;
        m_fileName = *m_answers[m_next - 1];
        return true;
    }

    std::vector<std::optional<std::string>> m_answers;
    std::size_t m_next = 0;
    std::string m_fileName;
};

// A dialog that chooses the same two paths every time: open, then save.
class FixedDialog : public platform::FileDialog
{
public:
    FixedDialog(std::string open, std::string save)
        : m_open(std::move(open)), m_save(std::move(save))
    { }

    bool ShowOpen() override
    {
        m_fileName = m_open;
        return true;
    }
    bool ShowSave() override
    {
        m_fileName = m_save;
        return true;
    }
    std::string FileName() const override { return m_fileName; }

private:
    std::string m_open, m_save, m_fileName;
};
