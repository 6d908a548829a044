#pragma once

#include <memory>
#include <string>

namespace korvanda {

class RequestHandler;

// How much the server takes on: connections answered at once and waiting
// in line (beyond them it takes no new one until there is room), requests
// of one device at once, and how long a slow device may take to send.
struct ServerLimits {
    int threads = 48;
    int connectionsWaiting = 256;
    int requestsPerAddress = 12;
    int secondsPerRead = 5;
};

// Listens on every address of the laptop at one port and hands each request
// to the handler, only while started. Stopping, and the end of the server,
// close every connection.
class NetworkServer {
public:
    explicit NetworkServer(RequestHandler& handler, ServerLimits limits = {});
    ~NetworkServer();
    NetworkServer(const NetworkServer&) = delete;
    NetworkServer& operator=(const NetworkServer&) = delete;

    // False, with the reason in `error` (Latin-1), when the port cannot be
    // had, most often because another program holds it.
    bool start(int port, std::string& error);
    void stop();
    bool running() const;

private:
    struct Listener;
    RequestHandler& handler_;
    ServerLimits limits_;
    std::unique_ptr<Listener> listener_;
};

} // namespace korvanda
