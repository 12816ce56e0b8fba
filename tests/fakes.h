#pragma once

#include "platform/filedialog.h"
#include "platform/resultdisplay.h"

#include <QDir>
#include <QTemporaryDir>
#include <fstream>
#include <optional>
#include <sstream>
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

// A window stand-in that records every text written to the output fields, in order, as
// "y'=text" and "y=text".
class RecordingDisplay : public platform::ResultDisplay
{
public:
    explicit RecordingDisplay(std::string abscissa = "2.2") : abscissa(std::move(abscissa)) { }

    std::string abscissaText() const override { return abscissa; }
    void showDerivativeText(const std::string &text) override { writes.push_back("y'=" + text); }
    void showValueText(const std::string &text) override { writes.push_back("y=" + text); }

    std::string abscissa;
    std::vector<std::string> writes;
};

// A temporary folder for the files of one test.
class Files
{
public:
    std::string path(const std::string &name) const
    {
        return m_dir.filePath(QString::fromStdString(name)).toStdString();
    }

    std::string write(const std::string &name, const std::string &content) const
    {
        std::ofstream(path(name), std::ios::binary) << content;
        return path(name);
    }

    // The names of the files and folders in the temporary folder.
    QStringList entries() const
    {
        return QDir(m_dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
    }

    static std::string read(const std::string &path)
    {
        std::ifstream in(path, std::ios::binary);
        std::stringstream content;
        content << in.rdbuf();
        return content.str();
    }

private:
    QTemporaryDir m_dir;
};
