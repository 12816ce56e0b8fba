// The result file as a plain file, for builds of the calculation without Qt: the check that
// every machine computes the same bits runs them. It writes the target directly.
#include "catalogue.h"
#include "error.h"
#include "outputfile.h"

#include <fstream>

namespace platform {

struct TextOutput::File::Parts
{
    std::ofstream out;
    std::string path;
};

TextOutput::File::File(const std::string &path) : m_parts(std::make_unique<Parts>())
{
    m_parts->path = path;
    m_parts->out.open(path, std::ios::binary | std::ios::trunc);
    if (!m_parts->out)
        throw Error(Message(texts::cannotOpenFileForWriting, {Message::Name {path}}));
}

TextOutput::File::~File() = default;

void TextOutput::File::write(const char *data, std::size_t size)
{
    if (!m_parts->out.write(data, static_cast<std::streamsize>(size)))
        throw Error(Message(texts::cannotWriteFile, {Message::Name {m_parts->path}})
                        .then(afterFailedWrite(m_parts->path, false)));
}

void TextOutput::File::commit(long long /*written*/)
{
    m_parts->out.close();
    if (!m_parts->out)
        throw Error(Message(texts::cannotWriteFile, {Message::Name {m_parts->path}})
                        .then(afterFailedWrite(m_parts->path, false)));
}

} // namespace platform
