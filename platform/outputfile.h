#pragma once

#include "message.h"
#include "textoutput.h"

#include <cstddef>
#include <string>

namespace platform {

// The file behind a TextOutput: Qt's save file in the program (savefile.cpp), a plain file
// where the calculation is built without Qt.
class TextOutput::File
{
public:
    // Starts a new file for path. Throws Error as TextOutput's constructor says.
    explicit File(const std::string &path);
    // Discards the new file unless commit() succeeded.
    ~File();
    // Hands size bytes to the file. Throws Error when they cannot be written.
    void write(const char *data, std::size_t size);
    // Checks that all written bytes reached the disk and puts the file in place of the target.
    // Throws Error otherwise, having discarded the new file.
    void commit(long long written);

private:
    struct Parts;
    std::unique_ptr<Parts> m_parts;
};

// What a message says after a failed write: what became of the target.
Message afterFailedWrite(const std::string &path, bool existed);

} // namespace platform
