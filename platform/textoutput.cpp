#include "textoutput.h"

#include "error.h"

#include <QFileInfo>
#include <QSaveFile>

namespace platform {

namespace {

constexpr std::size_t blockSize = 64 * 1024;

} // namespace

TextOutput::TextOutput(const std::string &path)
    : m_file(std::make_unique<QSaveFile>(QString::fromStdString(path))), m_path(path)
{
    const QFileInfo target(m_file->fileName());
    if (target.isDir())
        throw Error("Cannot write \"" + path + "\": it is a folder, not a file.");
    // Never rename over a device, a pipe or a socket.
    if (target.exists() && !target.isFile())
        throw Error("Cannot write \"" + path + "\": it is not a regular file.");
    m_file->setDirectWriteFallback(false);
    if (!m_file->open(QIODevice::WriteOnly))
        throw Error("Cannot open \"" + path +
                    "\" for writing: " + m_file->errorString().toStdString() + ".");
}

TextOutput::~TextOutput() = default;

void TextOutput::fail() const
{
    throw Error("Cannot write \"" + m_path + "\": " + m_file->errorString().toStdString() +
                ". A file of that name was left as it was.");
}

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
    const auto size = static_cast<qint64>(m_pending.size());
    if (m_file->write(m_pending.data(), size) != size)
        fail();
    m_written += size;
    m_pending.clear();
}

void TextOutput::commit()
{
    writePending();
    // A write cut short (a full disk, a file size limit) can pass unnoticed through the
    // buffer, so the size on disk is checked before the file takes the target's name.
    if (!m_file->flush() || m_file->size() != m_written) {
        const std::string written = std::to_string(m_file->size());
        m_file->cancelWriting();
        throw Error("Cannot write \"" + m_path + "\": only " + written + " of " +
                    std::to_string(m_written) +
                    " bytes reached the disk. A file of that name was left as it was.");
    }
    if (!m_file->commit())
        fail();
}

} // namespace platform
