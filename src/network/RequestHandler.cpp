#include "network/RequestHandler.h"

#include "bouts/ResultEntry.h"
#include "meet/TextFile.h"
#include "meet/Utf8Text.h"
#include "network/PageFiles.h"

#include <nlohmann/json.hpp>

#include <algorithm>

namespace korvanda {

namespace {

using nlohmann::json;

const char* const staleCode = "This mat card is no longer valid. Ask the table for the new card.";
const char* const unreadable = "The result could not be read. Reload the page.";

} // namespace

const std::vector<std::pair<std::string, std::string>>& protectionHeaders()
{
    static const std::vector<std::pair<std::string, std::string>> headers {
        { "Content-Security-Policy",
            "default-src 'none'; script-src 'self'; style-src 'self'; img-src 'self'; connect-src 'self'; "
            "base-uri 'none'; form-action 'none'; frame-ancestors 'none'" },
        { "X-Content-Type-Options", "nosniff" },
        { "Referrer-Policy", "no-referrer" },
        { "X-Frame-Options", "DENY" },
        { "Cross-Origin-Resource-Policy", "same-origin" },
    };
    return headers;
}

namespace {

WebAnswer jsonAnswer(int status, const json& body)
{
    return { status, "application/json; charset=utf-8", body.dump(), { { "Cache-Control", "no-store" } } };
}

WebAnswer message(int status, const std::string& text)
{
    return jsonAnswer(status, json { { "message", utf8FromLatin1(text) } });
}

std::string header(const WebRequest& request, const std::string& name)
{
    const auto found = request.headers.find(name);
    return found == request.headers.end() ? std::string() : found->second;
}

// The body as JSON, or null when it is too large, too deep or no JSON.
json readBody(const WebRequest& request)
{
    if (request.body.size() > maxRequestBody)
        return nullptr;
    bool tooDeep = false;
    json::parser_callback_t depthLimit = [&](int depth, json::parse_event_t, json&) {
        if (depth > maxJsonDepth)
            tooDeep = true;
        return !tooDeep;
    };
    json body = json::parse(request.body, depthLimit, false);
    if (tooDeep || !body.is_object())
        return nullptr;
    return body;
}

std::string textField(const json& body, const char* name)
{
    const auto found = body.find(name);
    return found != body.end() && found->is_string() ? latin1FromUtf8(found->get<std::string>()).text : std::string();
}

int numberField(const json& body, const char* name)
{
    const auto found = body.find(name);
    if (found == body.end() || !found->is_number_integer())
        return -1;
    const auto value = found->get<long long>();
    return value < 0 || value > 1000000 ? -1 : static_cast<int>(value);
}

bool isJson(const WebRequest& request)
{
    const std::string type = header(request, "content-type");
    return type.rfind("application/json", 0) == 0;
}

} // namespace

std::string resultSummary(const PhoneResult& result)
{
    const int type = std::clamp(result.resultType, 0, static_cast<int>(resultTypeCaptions.size()) - 1);
    std::string text = type ? resultTypeCaptions[static_cast<std::size_t>(type)] : "no result type";
    if (result.winner == 1)
        text += ", Red (" + result.name1 + ") wins";
    else if (result.winner == 2)
        text += ", Green (" + result.name2 + ") wins";
    if (!result.points1.empty() || !result.points2.empty())
        text += ", " + result.points1 + "-" + result.points2;
    // The phone's own words go into the log file: no line of theirs.
    return withoutFileBreakers(text);
}

RequestHandler::RequestHandler(ResultSink storeResult, Clock clock)
    : storeResult_(std::move(storeResult))
    , clock_(std::move(clock))
    , codes_(std::make_shared<const ScorerCodes>())
{
}

void RequestHandler::publish(std::shared_ptr<const MeetSnapshot> snapshot)
{
    snapshot_.store(std::move(snapshot));
}

void RequestHandler::setCodes(ScorerCodes codes)
{
    codes_.store(std::make_shared<const ScorerCodes>(std::move(codes)));
    const std::lock_guard lock(mutex_);
    devices_.clear();
}

std::shared_ptr<const ScorerCodes> RequestHandler::codes() const
{
    return codes_.load();
}

std::vector<ScorerDevice> RequestHandler::devices() const
{
    const std::lock_guard lock(mutex_);
    std::vector<ScorerDevice> list;
    for (const auto& [key, device] : devices_)
        list.push_back(device);
    return list;
}

std::vector<NetworkLogEntry> RequestHandler::takeLog()
{
    const std::lock_guard lock(mutex_);
    return std::exchange(log_, {});
}

void RequestHandler::log(NetworkLogEntry entry)
{
    entry.time = std::time(nullptr);
    const std::lock_guard lock(mutex_);
    // A flood of refusals must not fill the laptop's memory before the
    // window takes them.
    if (log_.size() < 10000)
        log_.push_back(std::move(entry));
}

WebAnswer RequestHandler::handle(const WebRequest& request)
{
    WebAnswer answer;
    const bool get = request.method == "GET" || request.method == "HEAD";
    const bool post = request.method == "POST";
    if (request.path == "/api/meet")
        answer = get ? meetData(request) : message(405, "Not allowed.");
    else if (request.path == "/api/pin")
        answer = post ? pinLogin(request) : message(405, "Not allowed.");
    else if (request.path == "/api/mat")
        answer = get ? matData(request) : message(405, "Not allowed.");
    else if (request.path == "/api/result")
        answer = post ? result(request) : message(405, "Not allowed.");
    else if (const PageFile* page = findPageFile(request.path); page && get)
        answer = { 200, std::string(page->contentType), std::string(page->bytes), { { "Cache-Control", "no-cache" } } };
    else
        answer = page ? message(405, "Not allowed.") : message(404, "Not found.");
    for (const auto& pair : protectionHeaders())
        answer.headers.push_back(pair);
    return answer;
}

WebAnswer RequestHandler::meetData(const WebRequest& request) const
{
    const auto snapshot = snapshot_.load();
    if (!snapshot)
        return message(503, "The meet is not open yet.");
    const std::string tag = "\"v" + std::to_string(snapshot->version) + "\"";
    if (header(request, "if-none-match") == tag)
        return { 304, "", "", { { "ETag", tag }, { "Cache-Control", "no-cache" } } };
    return { 200, "application/json; charset=utf-8", snapshot->meetJson,
        { { "ETag", tag }, { "Cache-Control", "no-cache" } } };
}

bool RequestHandler::pinLocked(const std::string& address)
{
    const auto now = clock_();
    const std::lock_guard lock(mutex_);
    const auto found = pinTries_.find(address);
    return found != pinTries_.end() && found->second.lockedUntil > now;
}

void RequestHandler::pinFailed(const std::string& address)
{
    const auto now = clock_();
    const std::lock_guard lock(mutex_);
    if (pinTries_.size() > 10000)
        std::erase_if(pinTries_, [&](const auto& entry) {
            return entry.second.lockedUntil <= now && now - entry.second.since > std::chrono::minutes(1);
        });
    PinTries& tries = pinTries_[address];
    if (now - tries.since > std::chrono::minutes(1)) {
        tries.since = now;
        tries.failures = 0;
    }
    if (++tries.failures >= pinAttemptsPerMinute)
        tries.lockedUntil = now + pinLockout;
}

WebAnswer RequestHandler::pinLogin(const WebRequest& request)
{
    if (pinLocked(request.address))
        return message(429, "Too many wrong PINs from this phone. Wait five minutes, or scan the mat card.");
    const json body = isJson(request) ? readBody(request) : json();
    if (body.is_null())
        return message(400, "The PIN could not be read.");
    const auto codes = codes_.load();
    const MatCode* code = codes->byPin(textField(body, "pin"));
    if (!code) {
        pinFailed(request.address);
        return message(403, "That PIN is not valid. Check the mat card.");
    }
    sawDevice(request, code->mat, false);
    return jsonAnswer(200, json { { "mat", code->mat }, { "token", code->token } });
}

const MatCode* RequestHandler::scorerOf(const WebRequest& request, std::shared_ptr<const ScorerCodes>& codes)
{
    codes = codes_.load();
    const std::string token = header(request, "x-scorer-token");
    return token.empty() ? nullptr : codes->byToken(token);
}

void RequestHandler::sawDevice(const WebRequest& request, int mat, bool sentResult)
{
    const std::string waiting = header(request, "x-results-waiting");
    const std::lock_guard lock(mutex_);
    ScorerDevice& device = devices_[{ request.address, mat }];
    device.address = request.address;
    device.mat = mat;
    device.lastSeen = std::time(nullptr);
    if (sentResult)
        ++device.resultsSent;
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (!waiting.empty() && waiting.size() < 6 && std::all_of(waiting.begin(), waiting.end(), digit))
        device.waiting = std::stoi(waiting);
}

WebAnswer RequestHandler::matData(const WebRequest& request)
{
    std::shared_ptr<const ScorerCodes> codes;
    const MatCode* code = scorerOf(request, codes);
    if (!code)
        return jsonAnswer(401, json { { "message", staleCode }, { "stale", true } });
    sawDevice(request, code->mat, false);
    const auto snapshot = snapshot_.load();
    if (!snapshot)
        return message(503, "The meet is not open yet.");
    const auto found = snapshot->matJson.find(code->mat);
    if (found != snapshot->matJson.end())
        return { 200, "application/json; charset=utf-8", found->second, { { "Cache-Control", "no-store" } } };
    return jsonAnswer(200, json { { "mat", code->mat }, { "bouts", json::array() } });
}

WebAnswer RequestHandler::result(const WebRequest& request)
{
    std::shared_ptr<const ScorerCodes> codes;
    const MatCode* code = scorerOf(request, codes);
    if (!code) {
        // Whoever holds no card gets the refusal in the log, not his words.
        log({ 0, 0, 0, "", request.address, std::string("refused: ") + staleCode });
        return jsonAnswer(401, json { { "message", staleCode }, { "stale", true } });
    }
    const json body = isJson(request) ? readBody(request) : json();
    PhoneResult sent;
    if (!body.is_null()) {
        sent.id = textField(body, "id");
        sent.bout = numberField(body, "bout");
        sent.name1 = textField(body, "red");
        sent.name2 = textField(body, "green");
        sent.winner = numberField(body, "winner");
        sent.resultType = numberField(body, "type");
        sent.points1 = textField(body, "points1");
        sent.points2 = textField(body, "points2");
    }
    NetworkLogEntry entry { 0, code->mat, std::max(sent.bout, 0), resultSummary(sent), request.address, "" };
    sawDevice(request, code->mat, true);
    const bool complete = sent.id.size() >= 8 && sent.id.size() <= 64 && sent.bout > 0 && sent.winner >= 0
        && sent.winner <= 2 && sent.resultType >= 0 && sent.points1.size() <= 10 && sent.points2.size() <= 10;
    if (!complete) {
        entry.outcome = std::string("refused: ") + unreadable;
        log(entry);
        return message(400, unreadable);
    }
    sent.mat = code->mat;
    const PhoneAnswer answer = storeResult_(sent);
    if (answer.stored) {
        entry.outcome = answer.again ? "stored before" : "stored";
        log(entry);
        return jsonAnswer(200, json { { "stored", true }, { "again", answer.again } });
    }
    json messages = json::array();
    entry.outcome = "refused:";
    for (const auto& text : answer.messages) {
        messages.push_back(utf8FromLatin1(text));
        entry.outcome += " " + text;
    }
    log(entry);
    return jsonAnswer(answer.retry ? 503 : 422, json { { "stored", false }, { "messages", messages } });
}

} // namespace korvanda
