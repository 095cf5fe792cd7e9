#include "retrieval/roster_request.h"

#include <gtest/gtest.h>

TEST(RosterRequest, DirectRequestCarriesSixHeadersInOrder)
{
    const std::string expected = "POST /xml/school/roster.php?id=123 HTTP/1.0\r\n"
                                 "Connection: keep-alive\r\n"
                                 "Content-Type: application/x-www-form-urlencoded\r\n"
                                 "Content-Length: 35\r\n"
                                 "Host: 10.1.2.3\r\n"
                                 "Accept: text/html, */*\r\n"
                                 "User-Agent: Mozilla/3.0 (compatible; Indy Library)\r\n"
                                 "\r\n"
                                 "auth_name=qbm&auth_pass=wexpalcorn&";
    EXPECT_EQ(buildRosterRequest({"10.1.2.3", 80}, 123, "", false), expected);
    EXPECT_EQ(rosterRequestBody().size(), 35u);
}

TEST(RosterRequest, ProxyRequestUsesAbsoluteFormAndProxyConnection)
{
    const std::string expected =
        "POST http://10.1.2.3:80/xml/school/roster.php?id=123&act=abilities HTTP/1.0\r\n"
        "Content-Type: application/x-www-form-urlencoded\r\n"
        "Content-Length: 35\r\n"
        "Proxy-Connection: keep-alive\r\n"
        "Host: 10.1.2.3\r\n"
        "Accept: text/html, */*\r\n"
        "User-Agent: Mozilla/3.0 (compatible; Indy Library)\r\n"
        "\r\n"
        "auth_name=qbm&auth_pass=wexpalcorn&";
    EXPECT_EQ(buildRosterRequest({"10.1.2.3", 80}, 123, "&act=abilities", true), expected);
}

TEST(RosterRequest, ServerPortGoesIntoAbsoluteFormButNeverIntoHost)
{
    const std::string request = buildRosterRequest({"127.0.0.1", 8080}, -5, "", true);
    EXPECT_EQ(request.rfind("POST http://127.0.0.1:8080/xml/school/roster.php?id=-5 HTTP/1.0\r\n", 0), 0u);
    EXPECT_NE(request.find("\r\nHost: 127.0.0.1\r\n"), std::string::npos);
}

TEST(RosterRequest, FormEncodingKeepsLettersAndDigitsOnly)
{
    EXPECT_EQ(formEncode("wexpalcorn"), "wexpalcorn");
    EXPECT_EQ(formEncode("a b&c=1"), "a+b%26c%3D1");
    EXPECT_EQ(formEncode("\xE0_"), "%E0%5F");
}

TEST(ServerAddress, ParsesHostAndOptionalPort)
{
    const ServerAddress plain = parseServerAddress("10.0.0.7");
    EXPECT_EQ(plain.host, "10.0.0.7");
    EXPECT_EQ(plain.port, 80);
    const ServerAddress withPort = parseServerAddress(" 127.0.0.1:5050 ");
    EXPECT_EQ(withPort.host, "127.0.0.1");
    EXPECT_EQ(withPort.port, 5050);
    EXPECT_EQ(parseServerAddress("host:99999").port, 80);
}
