#pragma once
#include <QString>
#include <stdexcept>

// A database or SQL failure: the driver's text, "\r\n" and the statement that failed.
class EDatabaseError : public std::runtime_error {
public:
    explicit EDatabaseError(const QString& message);
    const QString& Message() const { return m_message; }

private:
    QString m_message;
};

// A failure the user must read (bad input, a refused operation); shown by the error handler.
class EMqError : public std::runtime_error {
public:
    explicit EMqError(const QString& message);
    const QString& Message() const { return m_message; }

private:
    QString m_message;
};

// Ends an action after its message was shown; the application-wide handler ignores it.
class EAbort : public std::exception {
public:
    const char* what() const noexcept override { return "aborted"; }
};
