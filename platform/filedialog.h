#pragma once

#include <string>

namespace platform {

// The common file dialog as the calculation sees it: one object serves both choices and keeps
// the chosen path in FileName() until the next choice.
class FileDialog
{
public:
    virtual ~FileDialog() = default;

    // Lets the user choose a file to read. Returns false when the user cancelled.
    virtual bool ShowOpen() = 0;
    // Lets the user choose a file to write. Returns false when the user cancelled.
    virtual bool ShowSave() = 0;
    // The path of the last choice, UTF-8.
    virtual std::string FileName() const = 0;
};

} // namespace platform
