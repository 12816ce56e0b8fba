// The result file through Qt's QSaveFile: a temporary file beside the target, renamed over it
// once complete.
#include "catalogue.h"
#include "error.h"
#include "outputfile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <unistd.h>

namespace platform {

namespace {

using Name = Message::Name;
using Plain = Message::Plain;

// A reason Qt gives, as Qt writes it in the user's language; the message ends the sentence.
std::string cause(QString text)
{
    text = text.trimmed();
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text.toStdString();
}

} // namespace

struct TextOutput::File::Parts
{
    explicit Parts(const std::string &path) : file(QString::fromStdString(path)), path(path) { }

    // Throws the error of a write that failed after the file was started.
    // why is the reason, a Plain text or a Message.
    [[noreturn]] void fail(Message::Argument why) const
    {
        throw Error(Message(texts::cannotWrite, {Name {path}, std::move(why)})
                        .then(afterFailedWrite(path, existed)));
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
        throw Error(Message(texts::writeFolder, {Name {path}}));
    // Never rename over a device, a pipe or a socket.
    if (target.exists() && !target.isFile())
        throw Error(Message(texts::writeNotRegular, {Name {path}}));
    m_parts->existed = target.exists();
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly)) {
        // The new file is made in the target's folder, so a folder that cannot be written is
        // what stops it, whatever the error says about the file.
        const QString folder = target.absolutePath();
        if (target.absoluteDir().exists() && ::access(QFile::encodeName(folder), W_OK) != 0) {
            const int error = errno;
            throw Error(
                Message(texts::folderNotWritable,
                        {Name {path}, Name {folder.toStdString()}, Plain {systemReason(error)}}));
        }
        throw Error(
            Message(texts::cannotOpenForWriting, {Name {path}, Plain {cause(file.errorString())}}));
    }
}

TextOutput::File::~File() = default;

void TextOutput::File::write(const char *data, std::size_t size)
{
    const auto length = static_cast<qint64>(size);
    if (m_parts->file.write(data, length) != length)
        m_parts->fail(Plain {cause(m_parts->file.errorString())});
}

void TextOutput::File::commit(long long written)
{
    QSaveFile &file = m_parts->file;
    // A write cut short (a full disk, a file size limit) can pass unnoticed through the
    // buffer, so the size on disk is checked before the file takes the target's name.
    const bool flushed = file.flush();
    if (!flushed || file.size() != written) {
        const Message::Plural reached {file.size()};
        const Message why = flushed
            ? Message(texts::bytesCutShort, reached, {Message::Count {written}})
            : Message(texts::bytesCutShortBecause, reached,
                      {Message::Count {written}, Plain {cause(file.errorString())}});
        file.cancelWriting();
        m_parts->fail(why.nested());
    }
    if (!file.commit())
        m_parts->fail(Plain {cause(file.errorString())});
}

} // namespace platform
