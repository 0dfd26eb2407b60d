#pragma once

#include <QString>

#include <exception>
#include <string>

namespace pellax {

// Base of every error the program reports to the user. The message is the text
// shown in the error box; the top-level handler adds the closing full stop.
class Exception : public std::exception {
public:
    explicit Exception(QString message);
    const QString& message() const noexcept { return message_; }
    const char* what() const noexcept override { return utf8_.c_str(); }

private:
    QString message_;
    std::string utf8_;
};

// Raised when a list is indexed outside its items.
class EListError : public Exception {
public:
    using Exception::Exception;
};

// A text that does not convert to the number or value asked for.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// The platform has run out of something it hands out, such as timers.
class EOutOfResources : public Exception {
public:
    using Exception::Exception;
};

// An operation that the object's current state does not allow.
class EInvalidOperation : public Exception {
public:
    using Exception::Exception;
};

// A component placed where it cannot work.
class EComponentError : public Exception {
public:
    using Exception::Exception;
};

// A settings-store operation that failed.
class ERegistryException : public Exception {
public:
    using Exception::Exception;
};

// The text a failure is reported with: the exception's message, with a full
// stop added when it has none.
QString errorText(std::exception_ptr error);

}  // namespace pellax
