#pragma once

#include <string>

namespace platform {

// The window as the calculation sees it: the typed abscissa and the two output fields.
class ResultDisplay
{
public:
    virtual ~ResultDisplay() = default;

    // The current text of the abscissa box.
    virtual std::string abscissaText() const = 0;
    // Replaces the text of the derivative field (y').
    virtual void showDerivativeText(const std::string &text) = 0;
    // Replaces the text of the value field (y).
    virtual void showValueText(const std::string &text) = 0;
};

} // namespace platform
