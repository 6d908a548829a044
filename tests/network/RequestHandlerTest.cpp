#include "network/RequestHandler.h"

#include "bouts/ResultEntry.h"
#include "meetcheck/CheckMeets.h"
#include "support/FakeDialogs.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace korvanda;

namespace {

// Two mats; bout 2 on mat 2 already has a result.
Meet gymMeet(const std::filesystem::path& folder)
{
    Meet meet = meetWith({},
        { boutRow(1, 1, "Ann", "TIG", "<img src=x onerror=alert(1)>", "LIO"), boutRow(2, 2, "Cy", "LIO", "Dee", "TIG"),
            boutRow(3, 1, "Eve", "TIG", "Fay", "LIO"), boutRow(4, 2, "Gus", "LIO", "Hal", "TIG") });
    meet.boutGrid.setCell(2, BoutColumn::Winner1, "Fall");
    meet.directory = folder;
    return meet;
}

// The meet, its phones' results and the handler, all on the test's thread.
struct Gym {
    explicit Gym(const std::filesystem::path& folder)
        : meet(gymMeet(folder))
        , handler([this](const PhoneResult& result) { return results.store(meet, result); })
    {
        handler.setCodes(makeScorerCodes(2));
        publish();
    }
    void publish() { handler.publish(snapshot = makeSnapshot(meet, CheckValues {}, snapshot)); }
    WebAnswer get(const std::string& path, std::map<std::string, std::string> headers = {})
    {
        return handler.handle({ "GET", path, std::move(headers), "", "10.0.0.5" });
    }
    WebAnswer post(const std::string& path, const std::string& body, const std::string& token = {},
        const std::string& address = "10.0.0.5")
    {
        std::map<std::string, std::string> headers { { "content-type", "application/json" } };
        if (!token.empty())
            headers["x-scorer-token"] = token;
        return handler.handle({ "POST", path, headers, body, address });
    }
    std::string token(int mat) { return handler.codes()->mats.at(static_cast<std::size_t>(mat - 1)).token; }

    Meet meet;
    PhoneResults results;
    RequestHandler handler;
    std::shared_ptr<const MeetSnapshot> snapshot;
};

std::string header(const WebAnswer& answer, const std::string& name)
{
    for (const auto& [key, value] : answer.headers)
        if (key == name)
            return value;
    return {};
}

std::string resultBody(const std::string& id, int bout, const std::string& red, const std::string& green, int winner,
    int type, const std::string& points1, const std::string& points2)
{
    return R"({"id":")" + id + R"(","bout":)" + std::to_string(bout) + R"(,"red":")" + red + R"(","green":")" + green
        + R"(","winner":)" + std::to_string(winner) + R"(,"type":)" + std::to_string(type) + R"(,"points1":")" + points1
        + R"(","points2":")" + points2 + R"("})";
}

} // namespace

TEST(RequestHandlerTest, OnlyTheCompiledInPagesAndTheDataAreServedWithTheirProtections)
{
    TempDir folder;
    Gym gym(folder.path());
    const WebAnswer page = gym.get("/");
    EXPECT_EQ(page.status, 200);
    EXPECT_EQ(page.contentType, "text/html; charset=utf-8");
    EXPECT_NE(page.body.find("Find a wrestler"), std::string::npos);
    EXPECT_NE(header(page, "Content-Security-Policy").find("script-src 'self'"), std::string::npos);
    EXPECT_EQ(header(page, "Content-Security-Policy").find("unsafe-inline"), std::string::npos);
    EXPECT_EQ(header(page, "X-Content-Type-Options"), "nosniff");
    EXPECT_EQ(gym.get("/scorer").status, 200);
    EXPECT_EQ(gym.get("/scorer.js").contentType, "text/javascript; charset=utf-8");
    for (const char* path : { "/Restore.Csv", "/../Restore.Csv", "/%2e%2e/Teams.Csv", "/api", "/style.css/" }) {
        const WebAnswer refused = gym.get(path);
        EXPECT_EQ(refused.status, 404) << path;
        EXPECT_EQ(header(refused, "X-Content-Type-Options"), "nosniff") << path;
        EXPECT_EQ(header(refused, "Access-Control-Allow-Origin"), "") << path;
    }
    EXPECT_EQ(gym.post("/", "{}").status, 405);
    EXPECT_EQ(gym.get("/api/result").status, 405);
}

TEST(RequestHandlerTest, SpectatorsGetNotModifiedUntilWhatTheySeeChanges)
{
    TempDir folder;
    Gym gym(folder.path());
    EXPECT_EQ(RequestHandler([](const PhoneResult&) { return PhoneAnswer {}; })
                  .handle({ "GET", "/api/meet", {}, "", "" })
                  .status,
        503)
        << "nothing published yet";
    const WebAnswer first = gym.get("/api/meet");
    ASSERT_EQ(first.status, 200);
    EXPECT_EQ(header(first, "ETag"), "\"v1\"");
    // Names travel as JSON text; the page puts them in as text.
    EXPECT_NE(first.body.find(R"("name":"<img src=x onerror=alert(1)>")"), std::string::npos);
    EXPECT_NE(first.body.find(R"("start":"09:05")"), std::string::npos) << "bout 3 is second on mat 1";
    EXPECT_EQ(gym.get("/api/meet", { { "if-none-match", "\"v1\"" } }).status, 304);
    gym.publish();
    EXPECT_EQ(gym.get("/api/meet", { { "if-none-match", "\"v1\"" } }).status, 304) << "an unchanged meet";
    gym.meet.boutGrid.setCell(1, BoutColumn::Winner2, "Forfeit");
    gym.publish();
    const WebAnswer changed = gym.get("/api/meet", { { "if-none-match", "\"v1\"" } });
    EXPECT_EQ(changed.status, 200);
    EXPECT_EQ(header(changed, "ETag"), "\"v2\"");
}

TEST(RequestHandlerTest, APinOpensItsMatAndWrongOnesAreLimitedPerAddress)
{
    TempDir folder;
    Gym gym(folder.path());
    const MatCode mat2 = gym.handler.codes()->mats.at(1);
    EXPECT_EQ(mat2.token.size(), 32u);
    EXPECT_EQ(mat2.pin.size(), 6u);
    const WebAnswer opened = gym.post("/api/pin", R"({"pin":")" + mat2.pin + R"("})");
    EXPECT_EQ(opened.status, 200);
    EXPECT_EQ(opened.body, R"({"mat":2,"token":")" + mat2.token + R"("})");

    const std::string wrong = mat2.pin == "000000" ? "000001" : "000000";
    for (int k = 0; k < pinAttemptsPerMinute; ++k)
        EXPECT_EQ(gym.post("/api/pin", R"({"pin":")" + wrong + R"("})").body,
            R"({"message":"That PIN is not valid. Check the mat card."})");
    EXPECT_EQ(gym.post("/api/pin", R"({"pin":")" + mat2.pin + R"("})").status, 429) << "even the right one, for now";
    EXPECT_EQ(gym.post("/api/pin", R"({"pin":")" + mat2.pin + R"("})", {}, "10.0.0.6").status, 200)
        << "another phone is not held back";
}

TEST(RequestHandlerTest, NewCodesShutOutEveryPhoneThatHeldTheOldOnes)
{
    TempDir folder;
    Gym gym(folder.path());
    const std::string old = gym.token(1);
    EXPECT_EQ(gym.get("/api/mat", { { "x-scorer-token", old } }).status, 200);
    EXPECT_EQ(gym.get("/api/mat").status, 401);
    std::string guess = old;
    guess.back() = guess.back() == '0' ? '1' : '0';
    EXPECT_EQ(gym.get("/api/mat", { { "x-scorer-token", guess } }).status, 401);
    const ScorerCodes three = codesForMats(*gym.handler.codes(), 3);
    EXPECT_EQ(std::vector(three.mats.begin(), three.mats.begin() + 2), gym.handler.codes()->mats) << "cards stay good";
    EXPECT_FALSE(ScorerCodes { gym.handler.codes()->mats }.byPin(three.mats[2].pin));
    gym.handler.setCodes(makeScorerCodes(2));
    EXPECT_NE(gym.token(1), old);
    const WebAnswer stale = gym.get("/api/mat", { { "x-scorer-token", old } });
    EXPECT_EQ(stale.status, 401);
    EXPECT_EQ(
        stale.body, R"({"message":"This mat card is no longer valid. Ask the table for the new card.","stale":true})");
    const WebAnswer sent = gym.post("/api/result", resultBody("aaaaaaaa01", 1, "Ann", "x", 1, 1, "", ""), old);
    EXPECT_EQ(sent.status, 401);
    EXPECT_EQ(gym.meet.boutGrid.cell(1, BoutColumn::Winner1), "");
    const NetworkLogEntry refused = gym.handler.takeLog().at(0);
    EXPECT_EQ(refused.outcome, "refused: This mat card is no longer valid. Ask the table for the new card.");
    EXPECT_EQ(refused.result, "") << "a phone without a card puts no words of its own into the log";
}

TEST(RequestHandlerTest, APhoneResultIsStoredOnceAsAcceptAtTheBoutWindowStoresIt)
{
    TempDir phone;
    TempDir window;
    Gym gym(phone.path());
    const std::string body = resultBody("r-000000001", 3, "Eve", "Fay", 2, 5, "2", "7");
    const WebAnswer stored = gym.post("/api/result", body, gym.token(1));
    EXPECT_EQ(stored.status, 200);
    EXPECT_EQ(stored.body, R"({"again":false,"stored":true})");

    Meet table = gymMeet(window.path());
    FakeDialogs dialogs;
    ResultEntry entry { "3", "", "", "", "", "2", "7", 2, ResultType::Decision };
    ASSERT_TRUE(acceptResult(table, entry, dialogs));
    EXPECT_EQ(phone.read("Restore.Csv"), window.read("Restore.Csv"));

    // The answer was lost on the way; the phone sends the same result again.
    phone.write("Restore.Csv", "untouched");
    EXPECT_EQ(gym.post("/api/result", body, gym.token(1)).body, R"({"again":true,"stored":true})");
    EXPECT_EQ(phone.read("Restore.Csv"), "untouched");
    const auto log = gym.handler.takeLog();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].result, "Decision, Green (Fay) wins, 2-7");
    EXPECT_EQ(log[0].outcome, "stored");
    EXPECT_EQ(log[1].outcome, "stored before");
    ASSERT_EQ(gym.handler.devices().size(), 1u);
    EXPECT_EQ(gym.handler.devices()[0].resultsSent, 2);

    // The laptop restarted and knows no ids: the bout holding exactly this
    // result answers for it.
    gym.results = PhoneResults {};
    EXPECT_EQ(gym.post("/api/result", body, gym.token(1)).body, R"({"again":true,"stored":true})");
}

TEST(RequestHandlerTest, RefusalsTellTheScorerWhy)
{
    TempDir folder;
    Gym gym(folder.path());
    const struct {
        std::string body;
        std::string answer;
    } cases[] = {
        { resultBody("r-000000010", 2, "Cy", "Dee", 2, 1, "", ""),
            R"({"messages":["Bout 2 is not on mat 1."],"stored":false})" },
        { resultBody("r-000000011", 9, "Cy", "Dee", 2, 1, "", ""),
            R"({"messages":["Bout 9 is not on mat 1."],"stored":false})" },
        { resultBody("r-000000012", 1, "Ann", "Bo\\r\\nforged", 2, 1, "", ""),
            R"({"messages":["Bout 1 has other wrestlers now. Reload the page and check the bout."],"stored":false})" },
        { resultBody("r-000000013", 1, "Ann", "<img src=x onerror=alert(1)>", 1, 5, "2", "5"),
            R"({"messages":["Points inconsistent with winner"],"stored":false})" },
    };
    for (const auto& c : cases) {
        const WebAnswer refused = gym.post("/api/result", c.body, gym.token(1));
        EXPECT_EQ(refused.status, 422) << c.body;
        EXPECT_EQ(refused.body, c.answer);
    }
    EXPECT_EQ(gym.meet.boutGrid.cell(1, BoutColumn::Points1), "") << "nothing stored";
    for (const auto& entry : gym.handler.takeLog())
        EXPECT_EQ(entry.result.find_first_of("\r\n"), std::string::npos) << "a name cannot start a line of the log";
}

TEST(RequestHandlerTest, OversizedDeepOrForeignBodiesAreNotRead)
{
    TempDir folder;
    Gym gym(folder.path());
    const std::string token = gym.token(1);
    const std::string padded = resultBody("r-000000020", 1, std::string(maxRequestBody, 'A'), "", 1, 1, "", "");
    EXPECT_EQ(gym.post("/api/result", padded, token).status, 400);
    EXPECT_EQ(gym.post("/api/result", R"({"id":"r-000000021","bout":1,"x":[[[[1]]]]})", token).status, 400);
    EXPECT_EQ(gym.post("/api/result", "[1,2]", token).status, 400);
    EXPECT_EQ(gym.post("/api/result", R"({"id":"short","bout":1,"type":1,"winner":1})", token).status, 400);
    auto form = gym.handler.handle({ "POST", "/api/pin", { { "content-type", "text/plain" } }, R"({"pin":"1"})", "a" });
    EXPECT_EQ(form.status, 400) << "only JSON, which a form on another site cannot send";
    EXPECT_EQ(gym.meet.boutGrid.cell(1, BoutColumn::Winner1), "");
}
