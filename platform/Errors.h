#pragma once

#include <QString>
#include <exception>
#include <string>

// A failure that ends the running handler and is shown by the default error report
// with its own text.
class BoardError : public std::exception
{
public:
    explicit BoardError(QString text) : m_text(std::move(text)), m_utf8(m_text.toStdString()) {}
    const QString &text() const noexcept { return m_text; }
    const char *what() const noexcept override { return m_utf8.c_str(); }

private:
    QString m_text;
    std::string m_utf8;
};

// Ends a handler without any message; thrown after the program's own failure messages.
struct SilentAbort
{
};
