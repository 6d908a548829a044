// One request from a device in the gym, anything in it: the method on the
// first line, the path on the second, then "name: value" header lines up to
// an empty line, then the body; "$TOKEN" anywhere stands for mat 1's code.
// Every answer carries the pages' protections; a file is served only at its
// own path; only mat 1's bouts ever change, and only with its code; a JSON
// answer is JSON; a result stored once is never stored twice.
#include "FuzzMeet.h"

#include "network/PageFiles.h"
#include "network/RequestHandler.h"

#include <nlohmann/json.hpp>

#include <string>

using namespace korvanda;

namespace {

Meet gymMeet()
{
    Meet meet = fuzzsupport::scratchMeet({ fuzzsupport::tigers, fuzzsupport::lions });
    meet.boutGrid.setRowCount(1);
    meet.boutGrid.appendRow("1\t1\t\tKim Sorel\t9.0\t62\t2.0\tTIG\t\t\t\tLu Pell\t9.5\t64\t2.5\tLIO\t\t");
    meet.boutGrid.appendRow("2\t2\t\tMo Hart\t10.0\t70\t1.0\tLIO\t\t\t\tNed Roe\t10.0\t71\t1.0\tTIG\t\t");
    meet.boutGrid.appendRow("3\t1\t\tOla Ek\t9.0\t60\t1.0\tTIG\t\t\t\tPia Lund\t9.0\t61\t1.0\tLIO\t\t");
    return meet;
}

std::string replaced(std::string text, const std::string& token)
{
    for (std::size_t at = text.find("$TOKEN"); at != std::string::npos; at = text.find("$TOKEN", at + token.size()))
        text.replace(at, 6, token);
    return text;
}

WebRequest readRequest(const std::string& input)
{
    WebRequest request;
    request.address = "10.0.0.9";
    std::size_t at = 0;
    auto line = [&]() {
        const std::size_t end = input.find('\n', at);
        std::string text = input.substr(at, end == std::string::npos ? std::string::npos : end - at);
        at = end == std::string::npos ? input.size() : end + 1;
        return text;
    };
    request.method = line();
    request.path = line();
    for (std::string header = line(); !header.empty(); header = line()) {
        const std::size_t colon = header.find(": ");
        if (colon != std::string::npos)
            request.headers[header.substr(0, colon)] = header.substr(colon + 2);
    }
    request.body = input.substr(at);
    return request;
}

bool hasHeader(const WebAnswer& answer, const std::string& name, const std::string& value)
{
    for (const auto& [key, given] : answer.headers)
        if (key == name && given == value)
            return true;
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Meet meet = gymMeet();
    const Meet before = meet;
    PhoneResults results;
    int stored = 0;
    RequestHandler handler([&](const PhoneResult& result) {
        const PhoneAnswer answer = results.store(meet, result);
        stored += answer.stored && !answer.again;
        return answer;
    });
    handler.setCodes(makeScorerCodes(2));
    handler.publish(makeSnapshot(meet, CheckValues {}, nullptr));
    const std::string token = handler.codes()->mats.at(0).token;
    const WebRequest request = readRequest(replaced(std::string(reinterpret_cast<const char*>(data), size), token));

    // The same request twice: a phone re-sending after a lost answer.
    for (int round = 0; round < 2; ++round) {
        const WebAnswer answer = handler.handle(request);
        FUZZ_CHECK(hasHeader(answer, "X-Content-Type-Options", "nosniff"));
        for (const auto& [name, value] : answer.headers)
            FUZZ_CHECK(name.rfind("Access-Control", 0) != 0);
        if (answer.status == 200 && answer.contentType.rfind("application/json", 0) != 0)
            FUZZ_CHECK(findPageFile(request.path) && findPageFile(request.path)->bytes == answer.body);
        if (answer.contentType.rfind("application/json", 0) == 0)
            FUZZ_CHECK(!nlohmann::json::parse(answer.body, nullptr, false).is_discarded());
    }
    FUZZ_CHECK(stored <= 1);
    const bool withCode = request.headers.count("x-scorer-token") && request.headers.at("x-scorer-token") == token;
    for (int row = 1; row < meet.boutGrid.rowCount(); ++row)
        for (int column = 0; column < BoutColumn::Count; ++column) {
            const bool changed = meet.boutGrid.cell(row, column) != before.boutGrid.cell(row, column);
            FUZZ_CHECK(!changed || (withCode && row != 2));
        }
    return 0;
}
