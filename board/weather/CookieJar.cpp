#include "board/weather/CookieJar.h"

#include <algorithm>

bool CookieJar::ParseLine(const QByteArray &line, Cookie &cookie)
{
    QByteArray text = line;
    static const QByteArray httpOnly = "#HttpOnly_";
    if (text.startsWith(httpOnly))
        text.remove(0, httpOnly.size());
    const QList<QByteArray> fields = text.split('\t');
    if (fields.size() != 7 || fields[0].isEmpty() || fields[0].startsWith('#'))
        return false;
    cookie.domain = fields[0].toLower();
    if (cookie.domain.startsWith('.'))
        cookie.domain.remove(0, 1);
    cookie.includeSubdomains = fields[1] == "TRUE";
    cookie.path = fields[2].isEmpty() ? QByteArray("/") : fields[2];
    cookie.secure = fields[3] == "TRUE";
    cookie.expires = fields[4].toLongLong();
    cookie.name = fields[5];
    cookie.value = fields[6];
    return true;
}

bool CookieJar::DomainMatches(const Cookie &cookie, const QByteArray &host)
{
    if (host == cookie.domain)
        return true;
    return cookie.includeSubdomains && host.endsWith('.' + cookie.domain);
}

void CookieJar::Store(const Cookie &cookie, qint64 nowSeconds)
{
    const auto same = [&cookie](const Cookie &held) {
        return held.domain == cookie.domain && held.path == cookie.path && held.name == cookie.name;
    };
    const bool expired = cookie.expires != 0 && cookie.expires <= nowSeconds;
    const auto held = std::find_if(m_cookies.begin(), m_cookies.end(), same);
    if (held == m_cookies.end()) {
        if (!expired)
            m_cookies.append(cookie);
    } else if (expired) {
        m_cookies.erase(held);
    } else {
        *held = cookie;
    }
}

void CookieJar::TakeAnswer(const QString &host, const QList<QByteArray> &lines,
                           const QList<QByteArray> &namesSet, qint64 nowSeconds)
{
    const QByteArray hostName = host.toLower().toUtf8();
    QList<QByteArray> kept;
    for (const QByteArray &line : lines) {
        Cookie cookie;
        if (ParseLine(line, cookie)) {
            Store(cookie, nowSeconds);
            kept.append(cookie.name);
        }
    }
    m_cookies.removeIf([&](const Cookie &held) {
        return namesSet.contains(held.name) && !kept.contains(held.name) &&
               DomainMatches(held, hostName);
    });
}

void CookieJar::TakeCookie2(const QString &host, const QByteArray &value, qint64 nowSeconds)
{
    // Cookies are separated by commas outside quoted strings, attributes by semicolons.
    QList<QByteArray> cookies{{}};
    bool quoted = false;
    for (const char c : value) {
        if (c == '"')
            quoted = !quoted;
        if (c == ',' && !quoted)
            cookies.append(QByteArray());
        else
            cookies.last().append(c);
    }
    for (const QByteArray &text : cookies) {
        const QList<QByteArray> parts = text.split(';');
        const qsizetype equals = parts[0].indexOf('=');
        if (equals <= 0)
            continue;
        Cookie cookie;
        cookie.domain = host.toLower().toUtf8();
        cookie.path = "/";
        cookie.name = parts[0].left(equals).trimmed();
        cookie.value = parts[0].mid(equals + 1).trimmed();
        for (qsizetype i = 1; i < parts.size(); ++i) {
            const QByteArray attribute = parts[i].trimmed();
            const qsizetype assign = attribute.indexOf('=');
            const QByteArray key = (assign < 0 ? attribute : attribute.left(assign)).toLower();
            QByteArray setting = assign < 0 ? QByteArray() : attribute.mid(assign + 1).trimmed();
            if (setting.size() >= 2 && setting.startsWith('"') && setting.endsWith('"'))
                setting = setting.mid(1, setting.size() - 2);
            if (key == "path" && setting.startsWith('/'))
                cookie.path = setting;
            else if (key == "max-age")
                cookie.expires = nowSeconds + std::max<qint64>(setting.toLongLong(), -1);
        }
        Store(cookie, nowSeconds);
    }
}

QByteArray CookieJar::HeaderValue(const QString &host, const QByteArray &path,
                                  qint64 nowSeconds) const
{
    const QByteArray hostName = host.toLower().toUtf8();
    QByteArray header;
    for (const Cookie &cookie : m_cookies) {
        if (cookie.secure || (cookie.expires != 0 && cookie.expires <= nowSeconds))
            continue;
        if (!DomainMatches(cookie, hostName))
            continue;
        // A path matches itself and what lies below it, not "/weatherinfox" for "/weatherinfo".
        const bool below = path.startsWith(cookie.path) &&
                           (path.size() == cookie.path.size() || cookie.path.endsWith('/') ||
                            path.at(cookie.path.size()) == '/');
        if (!below)
            continue;
        if (!header.isEmpty())
            header += "; ";
        header += cookie.name + '=' + cookie.value;
    }
    return header;
}
