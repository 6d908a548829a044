#include "network/NetworkServer.h"

#include "network/RequestHandler.h"

#include <httplib.h>

#include <gtest/gtest.h>

#include <unistd.h>

using namespace korvanda;

TEST(NetworkServerTest, RefusesOverlongRequestsWithItsProtections)
{
    RequestHandler handler([](const PhoneResult&) { return PhoneAnswer {}; });
    NetworkServer server(handler);
    const int port = 20000 + static_cast<int>(getpid() % 20000);
    std::string error;
    ASSERT_TRUE(server.start(port, error)) << error;
    httplib::Client client("127.0.0.1", port);
    const auto page = client.Get("/spectator.js");
    ASSERT_TRUE(page);
    EXPECT_EQ(page->status, 200);
    EXPECT_EQ(page->get_header_value("X-Content-Type-Options"), "nosniff");
    const auto tooLong = client.Get(("/" + std::string(10000, 'a')).c_str());
    ASSERT_TRUE(tooLong);
    EXPECT_EQ(tooLong->status, 414);
    EXPECT_EQ(tooLong->get_header_value("X-Content-Type-Options"), "nosniff");
}
