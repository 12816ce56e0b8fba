#pragma once

#include "dialogs.h"
#include "platform/resultdisplay.h"

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <sys/resource.h>
#include <vector>

// A window stand-in that records every text written to the output fields, in order, as
// "y'=text" and "y=text". onAbscissaRead, when set, runs when the abscissa is read.
class RecordingDisplay : public platform::ResultDisplay
{
public:
    explicit RecordingDisplay(std::string abscissa = "2.2") : abscissa(std::move(abscissa)) { }

    std::string abscissaText() const override
    {
        if (onAbscissaRead)
            onAbscissaRead();
        return abscissa;
    }
    void showDerivativeText(const std::string &text) override { writes.push_back("y'=" + text); }
    void showValueText(const std::string &text) override { writes.push_back("y=" + text); }

    std::string abscissa;
    std::vector<std::string> writes;
    std::function<void()> onAbscissaRead;
};

// A temporary folder for the files of one test, removed with what it holds.
class Files
{
public:
    Files()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "tabderiv-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            throw std::runtime_error("cannot make a temporary folder");
        m_folder = pattern;
    }
    ~Files()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_folder, ignored);
    }
    Files(const Files &) = delete;
    Files &operator=(const Files &) = delete;

    std::string folder() const { return m_folder; }

    std::string path(const std::string &name) const { return m_folder + "/" + name; }

    std::string write(const std::string &name, const std::string &content) const
    {
        std::ofstream(path(name), std::ios::binary) << content;
        return path(name);
    }

    // The names of the files and folders in the temporary folder, sorted.
    std::vector<std::string> entries() const { return list(m_folder); }

    // The names of the files and folders in folder, sorted.
    static std::vector<std::string> list(const std::string &folder)
    {
        std::vector<std::string> names;
        for (const auto &entry : std::filesystem::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
        std::ranges::sort(names);
        return names;
    }

    static bool exists(const std::string &path) { return std::filesystem::exists(path); }

    static std::string read(const std::string &path)
    {
        std::ifstream in(path, std::ios::binary);
        std::stringstream content;
        content << in.rdbuf();
        return content.str();
    }

private:
    std::string m_folder;
};

// While it lives, no file of this process may grow past the given size: writing fails
// partway, as on a full disk, without root and without mounting anything.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit tiny = m_old;
        tiny.rlim_cur = bytes;
        m_set = setrlimit(RLIMIT_FSIZE, &tiny) == 0;
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_old); }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

    bool set() const { return m_set; }

private:
    rlimit m_old {};
    bool m_set = false;
};
