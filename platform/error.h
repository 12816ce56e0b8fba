#pragma once

#include "message.h"

#include <memory>
#include <stdexcept>
#include <string>

namespace platform {

// The program's one error type. Its message is meant for the user: it says what failed and
// names the file, line and value where there is one. what() is the message in English; the
// window shows message() in the user's language.
class Error : public std::runtime_error
{
public:
    explicit Error(const Message &message)
        : std::runtime_error(message.english()), m_message(message.nested())
    { }

    const Message &message() const { return *m_message; }

private:
    std::shared_ptr<const Message> m_message; // shared, so that copying an Error never throws
};

// The system's words for an error number, as the system writes them in the user's language
// ("No space left on device", "Auf dem Gerät ist kein Speicherplatz mehr verfügbar"): every
// message gives them as a sentence of their own, after the program's.
std::string systemReason(int error);

} // namespace platform
