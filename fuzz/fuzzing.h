#pragma once

#include "platform/filedialog.h"
#include "platform/resultdisplay.h"

#include <cstdio>
#include <cstdlib>
#include <regex>
#include <string>

// Stops the run with a finding: libFuzzer keeps the input that broke the invariant.
[[noreturn]] inline void violated(const std::string &what)
{
    std::fprintf(stderr, "invariant violated: %s\n", what.c_str());
    std::abort();
}

// A dialog that chooses the given paths, open then save.
class FixedDialog : public platform::FileDialog
{
public:
    FixedDialog(std::string open, std::string save)
        : m_open(std::move(open)), m_save(std::move(save))
    { }
    bool ShowOpen() override
    {
        m_name = m_open;
        return true;
    }
    bool ShowSave() override
    {
        m_name = m_save;
        return true;
    }
    std::string FileName() const override { return m_name; }

private:
    std::string m_open, m_save, m_name;
};

// A display that checks every text it is given against the "0.0000" pattern (or empty, when
// the fields are cleared).
class CheckingDisplay : public platform::ResultDisplay
{
public:
    explicit CheckingDisplay(std::string abscissa) : m_abscissa(std::move(abscissa)) { }
    std::string abscissaText() const override { return m_abscissa; }
    void showDerivativeText(const std::string &text) override { check(text); }
    void showValueText(const std::string &text) override { check(text); }
    int shown = 0;

private:
    void check(const std::string &text)
    {
        static const std::regex pattern("-?[0-9]+\\.[0-9]{4}");
        if (!text.empty() && !std::regex_match(text, pattern))
            violated("shown text \"" + text + "\"");
        if (text == "-0.0000")
            violated("shown negative zero");
        ++shown;
    }
    std::string m_abscissa;
};
