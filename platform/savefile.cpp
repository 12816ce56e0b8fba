// The result file through Qt's QSaveFile: a temporary file beside the target, renamed over it
// once complete.
#include "error.h"
#include "outputfile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace platform {

namespace {

// The system's words for an error, to follow a colon: "no space left on device".
std::string cause(const QString &text)
{
    std::string words = text.toStdString();
    if (!words.empty() && words[0] >= 'A' && words[0] <= 'Z' &&
        (words.size() < 2 || !(words[1] >= 'A' && words[1] <= 'Z')))
        words[0] = static_cast<char>(words[0] - 'A' + 'a');
    return words;
}

} // namespace

struct TextOutput::File::Parts
{
    explicit Parts(const std::string &path) : file(QString::fromStdString(path)), path(path) { }

    // Throws the error of a write that failed after the file was started.
    [[noreturn]] void fail(const std::string &why) const
    {
        throw Error("Cannot write \"" + path + "\": " + why + "." +
                    afterFailedWrite(path, existed));
    }

    QSaveFile file;
    const std::string path;
    bool existed = false;
};

TextOutput::File::File(const std::string &path) : m_parts(std::make_unique<Parts>(path))
{
    QSaveFile &file = m_parts->file;
    const QFileInfo target(file.fileName());
    if (target.isDir())
        throw Error("Cannot write \"" + path + "\": it is a folder, not a file.");
    // Never rename over a device, a pipe or a socket.
    if (target.exists() && !target.isFile())
        throw Error("Cannot write \"" + path + "\": it is not a regular file.");
    m_parts->existed = target.exists();
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly)) {
        // The new file is made in the target's folder, so a folder that cannot be written is
        // what stops it, whatever the error says about the file.
        const QString folder = target.absolutePath();
        if (target.absoluteDir().exists() && ::access(QFile::encodeName(folder), W_OK) != 0)
            throw Error("Cannot write \"" + path + "\": the folder \"" + folder.toStdString() +
                        "\" cannot be written (" +
                        cause(QString::fromLocal8Bit(std::strerror(errno))) + ").");
        throw Error("Cannot open \"" + path +
                    "\" for writing: " + file.errorString().toStdString() + ".");
    }
}

TextOutput::File::~File() = default;

void TextOutput::File::write(const char *data, std::size_t size)
{
    const auto length = static_cast<qint64>(size);
    if (m_parts->file.write(data, length) != length)
        m_parts->fail(cause(m_parts->file.errorString()));
}

void TextOutput::File::commit(long long written)
{
    QSaveFile &file = m_parts->file;
    // A write cut short (a full disk, a file size limit) can pass unnoticed through the
    // buffer, so the size on disk is checked before the file takes the target's name.
    const bool flushed = file.flush();
    if (!flushed || file.size() != written) {
        const std::string reached = std::to_string(file.size());
        const std::string why = flushed ? "" : " (" + cause(file.errorString()) + ")";
        file.cancelWriting();
        m_parts->fail("only " + reached + " of " + std::to_string(written) +
                      " bytes reached the disk" + why);
    }
    if (!file.commit())
        m_parts->fail(cause(file.errorString()));
}

} // namespace platform
