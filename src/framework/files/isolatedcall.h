#pragma once

#include <QByteArray>

#include <functional>
#include <optional>

namespace pellax {

// What work run apart answers: a status and a code of its own choosing, and
// bytes.
struct IsolatedReply {
    int status = 0;
    int code = 0;
    QByteArray payload;
};

// Runs `work` in a child process and returns its reply. Work that crashes,
// ends without replying, runs out of the memory it is allowed (a gigabyte more
// than the program holds), or is still running after `seconds` gives nothing.
// For calls into a library that may crash or loop on damaged input: the
// program goes on either way. `work` must not touch Qt's GUI or event loop.
std::optional<IsolatedReply> runIsolated(const std::function<IsolatedReply()>& work, int seconds);

}  // namespace pellax
