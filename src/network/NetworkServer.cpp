#include "network/NetworkServer.h"

#include "network/RequestHandler.h"

#include <httplib.h>

#include <atomic>
#include <cctype>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace korvanda {

namespace {

std::string lowerCase(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// The threads that answer, with a bounded line of connections waiting for
// them: once it is full the server stops taking new connections until one
// is done, so a flood of them cannot eat the laptop's memory.
class BoundedQueue : public httplib::TaskQueue {
public:
    BoundedQueue(int threads, int waiting)
        : capacity_(static_cast<std::size_t>(waiting))
    {
        for (int k = 0; k < threads; ++k)
            workers_.emplace_back([this] { work(); });
    }

    void enqueue(std::function<void()> task) override
    {
        std::unique_lock lock(mutex_);
        roomLeft_.wait(lock, [this] { return tasks_.size() < capacity_ || stopping_; });
        tasks_.push_back(std::move(task));
        taskReady_.notify_one();
    }

    void shutdown() override
    {
        {
            const std::lock_guard lock(mutex_);
            stopping_ = true;
        }
        taskReady_.notify_all();
        roomLeft_.notify_all();
        for (auto& worker : workers_)
            worker.join();
    }

private:
    void work()
    {
        for (;;) {
            std::function<void()> task;
            {
                std::unique_lock lock(mutex_);
                taskReady_.wait(lock, [this] { return !tasks_.empty() || stopping_; });
                if (tasks_.empty())
                    return;
                task = std::move(tasks_.front());
                tasks_.pop_front();
            }
            roomLeft_.notify_one();
            task();
        }
    }

    std::size_t capacity_;
    std::mutex mutex_;
    std::condition_variable taskReady_;
    std::condition_variable roomLeft_;
    std::deque<std::function<void()>> tasks_;
    std::vector<std::thread> workers_;
    bool stopping_ = false;
};

// Requests of one device being answered at once: a phone needs a few, a
// device asking many at a time is told to wait.
class AddressCount {
public:
    bool enter(const std::string& address, int limit)
    {
        const std::lock_guard lock(mutex_);
        int& count = counts_[address];
        if (count >= limit)
            return false;
        ++count;
        return true;
    }
    // Leaves when the answer is done, however it ends.
    struct Left {
        AddressCount& count;
        const std::string& address;
        ~Left()
        {
            const std::lock_guard lock(count.mutex_);
            if (--count.counts_[address] <= 0)
                count.counts_.erase(address);
        }
    };

private:
    std::mutex mutex_;
    std::map<std::string, int> counts_;
};

} // namespace

struct NetworkServer::Listener {
    httplib::Server server;
    AddressCount inFlight;
    std::thread thread;
};

NetworkServer::NetworkServer(RequestHandler& handler, ServerLimits limits)
    : handler_(handler)
    , limits_(limits)
{
}

NetworkServer::~NetworkServer()
{
    stop();
}

bool NetworkServer::running() const
{
    return listener_ != nullptr;
}

bool NetworkServer::start(int port, std::string& error)
{
    stop();
    auto listener = std::make_unique<Listener>();
    auto& server = listener->server;
    const ServerLimits limits = limits_;
    server.new_task_queue = [limits] { return new BoundedQueue(limits.threads, limits.connectionsWaiting); };
    // One program per port: the library would otherwise let a second one
    // share it, and phones would reach either at random.
    server.set_socket_options([](socket_t sock) {
        int yes = 1;
        setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof(yes));
    });
    server.set_payload_max_length(maxRequestBody);
    server.set_read_timeout(limits_.secondsPerRead, 0);
    server.set_write_timeout(limits_.secondsPerRead, 0);
    // A phone asks again every second or two; a connection kept longer only
    // holds a thread.
    server.set_keep_alive_timeout(1);
    server.set_keep_alive_max_count(20);
    // The library's own refusals (a request line or header too long, a body
    // too large) carry the same protections as every answer.
    httplib::Headers protections;
    for (const auto& [name, value] : protectionHeaders())
        protections.emplace(name, value);
    server.set_default_headers(protections);
    const auto answer
        = [this, &inFlight = listener->inFlight](const httplib::Request& request, httplib::Response& response) {
              if (!inFlight.enter(request.remote_addr, limits_.requestsPerAddress)) {
                  response.status = 429;
                  response.set_content("{\"message\":\"Too many requests from this device at once.\"}",
                      "application/json; charset=utf-8");
                  return;
              }
              const AddressCount::Left left { inFlight, request.remote_addr };
              WebRequest asked { request.method, request.path, {}, request.body, request.remote_addr };
              for (const auto& [name, value] : request.headers)
                  asked.headers.emplace(lowerCase(name), value);
              const WebAnswer given = handler_.handle(asked);
              response.status = given.status;
              for (const auto& [name, value] : given.headers)
                  if (!response.has_header(name.c_str()))
                      response.set_header(name.c_str(), value);
              if (given.status != 304)
                  response.set_content(given.body, given.contentType.c_str());
          };
    server.Get(".*", answer);
    server.Post(".*", answer);
    server.Put(".*", answer);
    server.Delete(".*", answer);
    server.Options(".*", answer);
    server.Patch(".*", answer);
    const std::string portProblem = "Port " + std::to_string(port)
        + " is in use by another program or not allowed. Choose another port and start again.";
    if (!server.bind_to_port("0.0.0.0", port)) {
        error = portProblem;
        return false;
    }
    auto ended = std::make_shared<std::atomic<bool>>(false);
    listener->thread = std::thread([&server, ended] {
        server.listen_after_bind();
        *ended = true;
    });
    // The library ignores a stop that comes before it listens, so a start
    // returns only once it does.
    while (!server.is_running() && !*ended)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    // Bound but not listening: the director must not see "serving".
    if (*ended) {
        listener->thread.join();
        error = portProblem;
        return false;
    }
    listener_ = std::move(listener);
    return true;
}

void NetworkServer::stop()
{
    if (!listener_)
        return;
    listener_->server.stop();
    if (listener_->thread.joinable())
        listener_->thread.join();
    listener_.reset();
}

} // namespace korvanda
