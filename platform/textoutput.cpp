#include "textoutput.h"

#include "catalogue.h"
#include "outputfile.h"

#include <filesystem>

namespace platform {

Message afterFailedWrite(const std::string &path, bool existed)
{
    if (!existed)
        return Message(texts::noFileWritten);
    return Message(texts::existingFileKept,
                   {Message::Name {std::filesystem::path(path).filename().string()}});
}

TextOutput::TextOutput(const std::string &path) : m_file(std::make_unique<File>(path)) { }

TextOutput::~TextOutput() = default;

void TextOutput::printLine(std::initializer_list<std::string_view> values)
{
    const char *separator = "";
    for (const std::string_view value : values) {
        m_pending += separator;
        m_pending += value;
        separator = " ";
    }
    m_pending += '\n';
    if (m_pending.size() >= blockSize)
        writePending();
}

void TextOutput::writePending()
{
    m_file->write(m_pending.data(), m_pending.size());
    m_written += static_cast<long long>(m_pending.size());
    m_pending.clear();
}

void TextOutput::commit()
{
    writePending();
    m_file->commit(m_written);
}

} // namespace platform
