#pragma once

#include "network/MeetSnapshot.h"
#include "network/PhoneResults.h"
#include "network/ScorerCodes.h"

#include <atomic>
#include <chrono>
#include <ctime>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

namespace korvanda {

// One request as the server read it. Header names are in lower case.
struct WebRequest {
    std::string method;
    // Without the query.
    std::string path;
    std::map<std::string, std::string> headers;
    std::string body;
    // The device's address, which the PIN limit counts by.
    std::string address;
};

struct WebAnswer {
    int status = 200;
    std::string contentType;
    std::string body;
    std::vector<std::pair<std::string, std::string>> headers;
};

// A mat scorer's phone as the director's list shows it.
struct ScorerDevice {
    std::string address;
    int mat = 0;
    std::time_t lastSeen = 0;
    int resultsSent = 0;
    // Results still waiting on the phone, as it said last.
    int waiting = 0;
};

// One result that came in over the network, stored or refused.
struct NetworkLogEntry {
    std::time_t time = 0;
    int mat = 0;
    int bout = 0;
    // "Fall, Red (name) wins, 5-2" and the like.
    std::string result;
    std::string device;
    // "stored", "stored before" or "refused: " and the messages.
    std::string outcome;
};

inline constexpr std::size_t maxRequestBody = 4096;
inline constexpr int maxJsonDepth = 3;
// Wrong PINs one address may try within a minute before it waits.
inline constexpr int pinAttemptsPerMinute = 5;
inline constexpr std::chrono::minutes pinLockout { 5 };

// The pages, the spectators' data and the scorers' results: every answer
// the meet gives over the network. Called from the server's threads; it
// reads only the latest published snapshot and hands each result to
// `storeResult`, which stores it on the window thread and answers when the
// restore file holds it. Texts in the log and the device list are Latin-1.
class RequestHandler {
public:
    using ResultSink = std::function<PhoneAnswer(const PhoneResult&)>;
    using Clock = std::function<std::chrono::steady_clock::time_point()>;

    explicit RequestHandler(ResultSink storeResult, Clock clock = std::chrono::steady_clock::now);

    WebAnswer handle(const WebRequest& request);

    // After every change of the meet, from the window thread.
    void publish(std::shared_ptr<const MeetSnapshot> snapshot);
    // New mat codes shut out every phone that held the old ones.
    void setCodes(ScorerCodes codes);
    std::shared_ptr<const ScorerCodes> codes() const;

    std::vector<ScorerDevice> devices() const;
    // The log entries since the last call.
    std::vector<NetworkLogEntry> takeLog();

private:
    WebAnswer meetData(const WebRequest& request) const;
    WebAnswer pinLogin(const WebRequest& request);
    WebAnswer matData(const WebRequest& request);
    WebAnswer result(const WebRequest& request);
    const MatCode* scorerOf(const WebRequest& request, std::shared_ptr<const ScorerCodes>& codes);
    void sawDevice(const WebRequest& request, int mat, bool sentResult);
    bool pinLocked(const std::string& address);
    void pinFailed(const std::string& address);
    void log(NetworkLogEntry entry);

    ResultSink storeResult_;
    Clock clock_;
    std::atomic<std::shared_ptr<const MeetSnapshot>> snapshot_;
    std::atomic<std::shared_ptr<const ScorerCodes>> codes_;

    struct PinTries {
        std::chrono::steady_clock::time_point since;
        int failures = 0;
        std::chrono::steady_clock::time_point lockedUntil;
    };
    // The device list, the PIN tries and the log are the network's own,
    // never the meet's tables.
    mutable std::mutex mutex_;
    std::map<std::string, PinTries> pinTries_;
    std::map<std::pair<std::string, int>, ScorerDevice> devices_;
    std::vector<NetworkLogEntry> log_;
};

// What every answer carries, the server's own refusals included: scripts
// and styles only from the laptop's own files, never inline, nothing a
// browser may guess a type for, and no other site framing the pages.
const std::vector<std::pair<std::string, std::string>>& protectionHeaders();

// The result as one line of the network log.
std::string resultSummary(const PhoneResult& result);

} // namespace korvanda
