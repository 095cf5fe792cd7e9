#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The roster request as bytes on the wire: one HTTP/1.0 POST with the fixed account as form fields.

struct ServerAddress {
    std::string host;
    uint16_t port = 80;
};

// "host" or "host:port" (port 80 when absent); an unusable port keeps 80.
ServerAddress parseServerAddress(const std::string &text);

// BRINDLEMARK_SERVER when set, else the address the program was built with.
ServerAddress rosterServerAddress();

// Values stay letters and digits, a space becomes "+", every other byte "%XX".
std::string formEncode(std::string_view value);

// "auth_name=qbm&auth_pass=wexpalcorn&"
std::string rosterRequestBody();

// "/xml/school/roster.php?id=" + identifier + suffix
std::string rosterPathAndQuery(int32_t teamId, const std::string &pageSuffix);

// The whole request: direct (origin form) or for a proxy (absolute form with the server's port). A proxy
// authorization value, when given, goes in a Proxy-Authorization line after Host.
std::string buildRosterRequest(const ServerAddress &server, int32_t teamId, const std::string &pageSuffix,
                               bool viaProxy, const std::string &proxyAuthorization = {});

// "Basic " and the base64 of "login:password" (UTF-8 bytes as given).
std::string basicProxyAuthorization(const std::string &login, const std::string &password);

// A Proxy-Authenticate value offers the Basic scheme.
bool offersBasicScheme(const std::string &challenge);
