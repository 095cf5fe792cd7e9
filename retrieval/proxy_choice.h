#pragma once

#include <string>

// The proxy as the Settings dialog holds it at the moment of a request. The port stays text: it is
// read as a number only when the proxy is used, and a port that is not one fails the request.
struct ProxyChoice {
    bool use = false;
    std::string host;     // windows-1251
    std::string portText; // windows-1251
    // The login the proxy gets when it asks for one (UTF-8); sent only then, never shown anywhere.
    std::string login;
    std::string password;
};
