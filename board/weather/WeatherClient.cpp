#include "board/weather/WeatherClient.h"

#include <QDateTime>
#include <curl/curl.h>

#include <memory>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace Weather {

QString DefaultHost()
{
    return u"127.0.0.1:8088"_s;
}

QString ServiceHost(const QString &setting)
{
    const QString host = setting.trimmed();
    return host.isEmpty() ? DefaultHost() : host;
}

namespace {

// What one transfer collects from libcurl's callbacks.
struct Transfer
{
    qsizetype maxBody = 0;
    QByteArray body;
    bool tooLarge = false;
    QByteArray statusLine;
    QList<QByteArray> namesSet;
    QList<QByteArray> cookie2;
};

size_t OnBody(char *data, size_t size, size_t count, void *user)
{
    auto *transfer = static_cast<Transfer *>(user);
    const size_t bytes = size * count;
    if (transfer->body.size() + qsizetype(bytes) > transfer->maxBody) {
        transfer->tooLarge = true;
        return 0; // libcurl ends the transfer with a write error
    }
    transfer->body.append(data, qsizetype(bytes));
    return bytes;
}

size_t OnHeader(char *data, size_t size, size_t count, void *user)
{
    auto *transfer = static_cast<Transfer *>(user);
    const size_t bytes = size * count;
    QByteArray line(data, qsizetype(bytes));
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    if (line.startsWith("HTTP/")) {
        transfer->statusLine = line;
        return bytes;
    }
    const qsizetype colon = line.indexOf(':');
    if (colon <= 0)
        return bytes;
    const QByteArray name = line.left(colon).trimmed().toLower();
    const QByteArray value = line.mid(colon + 1).trimmed();
    if (name == "set-cookie")
        transfer->namesSet.append(value.left(value.indexOf('=')).trimmed());
    else if (name == "set-cookie2")
        transfer->cookie2.append(value);
    return bytes;
}

// A space, a line break or any other control character would end the request line early or
// smuggle a header into the request.
bool FitsRequestLine(const QByteArray &target)
{
    return std::none_of(target.begin(), target.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte <= 0x20 || byte == 0x7f;
    });
}

using CurlHandle = std::unique_ptr<CURL, decltype(&curl_easy_cleanup)>;
using CurlUrl = std::unique_ptr<CURLU, decltype(&curl_url_cleanup)>;
using CurlList = std::unique_ptr<curl_slist, decltype(&curl_slist_free_all)>;

CurlList RequestHeaders(const QByteArray &cookie)
{
    // Content-Type, Accept, User-Agent, Cookie in this order; libcurl writes Host first.
    curl_slist *list = nullptr;
    list = curl_slist_append(list, "Content-Type: text/html");
    list = curl_slist_append(list, "Accept: text/html, */*");
    list = curl_slist_append(list, "User-Agent: Mozilla/3.0 (compatible; Indy Library)");
    if (!cookie.isEmpty())
        list = curl_slist_append(list, QByteArray("Cookie: " + cookie).constData());
    return CurlList(list, &curl_slist_free_all);
}

QList<QByteArray> CookieLines(CURL *curl)
{
    curl_slist *cookies = nullptr;
    QList<QByteArray> lines;
    if (curl_easy_getinfo(curl, CURLINFO_COOKIELIST, &cookies) != CURLE_OK)
        return lines;
    for (curl_slist *item = cookies; item; item = item->next)
        lines.append(QByteArray(item->data));
    curl_slist_free_all(cookies);
    return lines;
}

FetchOutcome Failure(const QString &text)
{
    FetchOutcome outcome;
    outcome.error = text;
    return outcome;
}

// The URL libcurl connects to ("http://host/"; the target goes on the request line as it
// is) and the host name the cookies belong to, or nothing when `host` names no host.
std::optional<QString> SetServiceUrl(CURLU *url, const QString &host)
{
    for (const char16_t c : {u'/', u'@', u'?', u'#'}) {
        if (host.contains(QChar(c)))
            return std::nullopt;
    }
    const QByteArray base = "http://" + host.toUtf8() + '/';
    char *name = nullptr;
    if (curl_url_set(url, CURLUPART_URL, base.constData(), 0) != CURLUE_OK ||
        curl_url_get(url, CURLUPART_HOST, &name, 0) != CURLUE_OK)
        return std::nullopt;
    const QString hostName = QString::fromUtf8(name);
    curl_free(name);
    return hostName;
}

void Configure(CURL *c, CURLU *url, const QByteArray &target, curl_slist *headers,
               const Limits &limits, Transfer &transfer, char *errorText)
{
    curl_easy_setopt(c, CURLOPT_CURLU, url);
    curl_easy_setopt(c, CURLOPT_REQUEST_TARGET, target.constData());
    curl_easy_setopt(c, CURLOPT_HTTPGET, 1L);
    curl_easy_setopt(c, CURLOPT_HTTP_VERSION, long(CURL_HTTP_VERSION_1_1));
    curl_easy_setopt(c, CURLOPT_HTTPHEADER, headers);
    curl_easy_setopt(c, CURLOPT_FOLLOWLOCATION, 0L);
    curl_easy_setopt(c, CURLOPT_PROXY, "");      // the environment's proxy settings are not ours
    curl_easy_setopt(c, CURLOPT_COOKIEFILE, ""); // parse what answers set; the jar sends
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT_MS, long(limits.connect.count()));
    curl_easy_setopt(c, CURLOPT_TIMEOUT_MS, long(limits.total.count()));
    curl_easy_setopt(c, CURLOPT_MAXFILESIZE_LARGE, curl_off_t(limits.maxBody));
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, &OnBody);
    curl_easy_setopt(c, CURLOPT_WRITEDATA, &transfer);
    curl_easy_setopt(c, CURLOPT_HEADERFUNCTION, &OnHeader);
    curl_easy_setopt(c, CURLOPT_HEADERDATA, &transfer);
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, errorText);
}

FetchOutcome Conclude(CURL *c, CURLcode result, Transfer &transfer, const Limits &limits,
                      const char *errorText)
{
    FetchOutcome outcome;
    outcome.heldBytes = transfer.body.size();
    if (transfer.tooLarge || result == CURLE_FILESIZE_EXCEEDED) {
        outcome.error = u"天气服务请求失败：回答超过 %1 KiB。"_s.arg(limits.maxBody / 1024);
        return outcome;
    }
    if (result != CURLE_OK) {
        const char *why = errorText[0] ? errorText : curl_easy_strerror(result);
        outcome.error = u"天气服务请求失败："_s + QString::fromUtf8(why);
        return outcome;
    }
    long status = 0;
    curl_easy_getinfo(c, CURLINFO_RESPONSE_CODE, &status);
    if (status < 200 || status > 299) {
        outcome.error = transfer.statusLine.isEmpty() ? u"HTTP %1"_s.arg(status)
                                                      : QString::fromUtf8(transfer.statusLine);
        return outcome;
    }
    outcome.ok = true;
    outcome.body = std::move(transfer.body);
    return outcome;
}

} // namespace

WeatherClient::WeatherClient(Limits limits) : m_limits(limits)
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

FetchOutcome WeatherClient::Get(const QString &host, const QString &target)
{
    const QByteArray targetBytes = target.toUtf8();
    if (!FitsRequestLine(targetBytes))
        return Failure(u"天气服务请求失败：城市代码里有空格或控制字符。"_s);
    CurlUrl url(curl_url(), &curl_url_cleanup);
    const std::optional<QString> hostName = SetServiceUrl(url.get(), host);
    if (!hostName)
        return Failure(
            u"天气服务请求失败：Params.ini 里 [Weather] Host 的值“%1”不是主机名。"_s.arg(host));

    const qint64 now = QDateTime::currentSecsSinceEpoch();
    const qsizetype query = targetBytes.indexOf('?');
    const QByteArray path = query < 0 ? targetBytes : targetBytes.left(query);
    QByteArray cookie;
    {
        std::lock_guard lock(m_cookieMutex);
        cookie = m_cookies.HeaderValue(*hostName, path, now);
    }
    const CurlList headers = RequestHeaders(cookie);
    CurlHandle curl(curl_easy_init(), &curl_easy_cleanup);
    Transfer transfer;
    transfer.maxBody = m_limits.maxBody;
    char errorText[CURL_ERROR_SIZE] = {};
    Configure(curl.get(), url.get(), targetBytes, headers.get(), m_limits, transfer, errorText);
    const CURLcode result = curl_easy_perform(curl.get());
    {
        std::lock_guard lock(m_cookieMutex);
        m_cookies.TakeAnswer(*hostName, CookieLines(curl.get()), transfer.namesSet, now);
        for (const QByteArray &value : std::as_const(transfer.cookie2))
            m_cookies.TakeCookie2(*hostName, value, now);
    }
    return Conclude(curl.get(), result, transfer, m_limits, errorText);
}

} // namespace Weather
