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

// The whole request: direct (origin form) or for a proxy (absolute form with the server's port).
std::string buildRosterRequest(const ServerAddress &server, int32_t teamId, const std::string &pageSuffix,
                               bool viaProxy);
