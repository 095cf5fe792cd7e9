#include "retrieval/roster_request.h"

#include "brindlemark_config.h"

#include <QByteArray>
#include <cstdlib>

namespace {

bool isAlphaNumeric(unsigned char c)
{
    return (c >= '0' && c <= '9') || ((c | 0x20) >= 'a' && (c | 0x20) <= 'z');
}

std::string trimmed(const std::string &s)
{
    const size_t first = s.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    return s.substr(first, s.find_last_not_of(" \t\r\n") - first + 1);
}

} // namespace

ServerAddress parseServerAddress(const std::string &text)
{
    ServerAddress address;
    const std::string t = trimmed(text);
    const size_t colon = t.rfind(':');
    address.host = t.substr(0, colon);
    if (colon != std::string::npos) {
        const std::string port = t.substr(colon + 1);
        char *end = nullptr;
        const long value = std::strtol(port.c_str(), &end, 10);
        if (!port.empty() && *end == '\0' && value > 0 && value <= 65535)
            address.port = static_cast<uint16_t>(value);
    }
    return address;
}

ServerAddress rosterServerAddress()
{
    const char *fromEnvironment = std::getenv("BRINDLEMARK_SERVER");
    if (fromEnvironment && *fromEnvironment)
        return parseServerAddress(fromEnvironment);
    return parseServerAddress(BRINDLEMARK_DEFAULT_SERVER);
}

std::string formEncode(std::string_view value)
{
    static const char hex[] = "0123456789ABCDEF";
    std::string out;
    for (const char ch : value) {
        const auto c = static_cast<unsigned char>(ch);
        if (isAlphaNumeric(c)) {
            out += ch;
        } else if (c == ' ') {
            out += '+';
        } else {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 0x0F];
        }
    }
    return out;
}

std::string rosterRequestBody()
{
    // Each field line ends in "&", the last one included.
    return "auth_name=" + formEncode("qbm") + "&auth_pass=" + formEncode("wexpalcorn") + "&";
}

std::string rosterPathAndQuery(int32_t teamId, const std::string &pageSuffix)
{
    return "/xml/school/roster.php?id=" + std::to_string(teamId) + pageSuffix;
}

std::string basicProxyAuthorization(const std::string &login, const std::string &password)
{
    const std::string pair = login + ":" + password;
    return "Basic " + QByteArray(pair.data(), static_cast<qsizetype>(pair.size())).toBase64().toStdString();
}

bool offersBasicScheme(const std::string &challenge)
{
    const QByteArray value = QByteArray(challenge.data(), static_cast<qsizetype>(challenge.size())).trimmed();
    const qsizetype space = value.indexOf(' ');
    return (space < 0 ? value : value.first(space)).toLower() == "basic";
}

std::string buildRosterRequest(const ServerAddress &server, int32_t teamId, const std::string &pageSuffix,
                               bool viaProxy, const std::string &proxyAuthorization)
{
    const std::string body = rosterRequestBody();
    const std::string target = viaProxy ? "http://" + server.host + ":" + std::to_string(server.port) +
                                              rosterPathAndQuery(teamId, pageSuffix)
                                        : rosterPathAndQuery(teamId, pageSuffix);
    std::string request = "POST " + target + " HTTP/1.0\r\n";
    if (!viaProxy)
        request += "Connection: keep-alive\r\n";
    request += "Content-Type: application/x-www-form-urlencoded\r\n";
    request += "Content-Length: " + std::to_string(body.size()) + "\r\n";
    if (viaProxy)
        request += "Proxy-Connection: keep-alive\r\n";
    request += "Host: " + server.host + "\r\n";
    if (!proxyAuthorization.empty())
        request += "Proxy-Authorization: " + proxyAuthorization + "\r\n";
    request += "Accept: text/html, */*\r\n";
    request += "User-Agent: Mozilla/3.0 (compatible; Indy Library)\r\n";
    request += "\r\n";
    return request + body;
}
