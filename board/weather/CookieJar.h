#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The cookies that weather answers set, kept in memory for as long as the client lives.
// libcurl parses "Set-Cookie" and hands the result over as Netscape cookie-file lines; the
// jar keeps them and builds the "Cookie" header itself, so that the header goes last.
// It does not persist anything to disk.
class CookieJar
{
public:
    // Takes the cookies of one answer from `host`: `lines` are libcurl's cookie list after
    // the transfer, `namesSet` the names the answer's "Set-Cookie" headers carried. A name
    // that was set but that libcurl dropped was expired by the server and is removed.
    void TakeAnswer(const QString &host, const QList<QByteArray> &lines,
                    const QList<QByteArray> &namesSet, qint64 nowSeconds);

    // Takes one "Set-cookie2" header value (RFC 2965, which libcurl ignores) for `host`.
    void TakeCookie2(const QString &host, const QByteArray &value, qint64 nowSeconds);

    // The value of the "Cookie" header for a request to host and path, empty when no cookie
    // applies.
    QByteArray HeaderValue(const QString &host, const QByteArray &path, qint64 nowSeconds) const;

private:
    struct Cookie
    {
        QByteArray domain; // lower case, without a leading dot
        bool includeSubdomains = false;
        QByteArray path;
        bool secure = false;
        qint64 expires = 0; // 0: for the life of the process
        QByteArray name;
        QByteArray value;
    };
    static bool ParseLine(const QByteArray &line, Cookie &cookie);
    static bool DomainMatches(const Cookie &cookie, const QByteArray &host);
    void Store(const Cookie &cookie, qint64 nowSeconds);

    QList<Cookie> m_cookies;
};
