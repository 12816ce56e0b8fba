#pragma once

#include <cstddef>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>

namespace platform {

// A text file that is replaced whole or not at all: the lines go to a temporary file beside
// the target, which takes the target's name only when commit() succeeds. Until then, and
// whenever writing fails, a file of that name stays as it was and no partial file is left.
class TextOutput
{
public:
    // Starts the file. Throws Error when the path names a folder or something other than a
    // file, when its folder cannot be written, or when no file can be created there.
    explicit TextOutput(const std::string &path);
    // Discards what was written unless commit() succeeded.
    ~TextOutput();
    TextOutput(const TextOutput &) = delete;
    TextOutput &operator=(const TextOutput &) = delete;

    // Lines are gathered and handed to the file in blocks of this many bytes, and at commit().
    static constexpr std::size_t blockSize = 64 * 1024;

    // Writes the values on one line, separated by blanks and ended by a line feed.
    void printLine(std::initializer_list<std::string_view> values);
    // Puts the file in place of the target. Throws Error when the file cannot be completed.
    void commit();

    // Where the lines go; outputfile.h.
    class File;

private:
    void writePending();

    std::unique_ptr<File> m_file;
    std::string m_pending; // lines not yet handed to the file
    long long m_written = 0; // bytes handed to the file so far
};

} // namespace platform
