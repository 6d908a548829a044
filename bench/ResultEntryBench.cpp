// Enters two hundred results on the bout window through key events alone,
// as a scorer at the table types them: the bout number and Enter, the
// points, the winner's and the kind of win's keys, Enter. Reports the
// keystrokes and the milliseconds per result; every result is checked to
// have reached its bout, so a lost key fails the run instead of timing it.
#include "CountingDialogs.h"
#include "bouts/MatchScreen.h"
#include "bouts/ResultEntry.h"
#include "bouts/ScheduleScreen.h"
#include "meet/Meet.h"
#include "meet/TableModels.h"
#include "teams/TeamScreen.h"

#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iterator>
#include <string>
#include <unistd.h>

using namespace korvanda;

namespace {

constexpr int bouts = 200;

// One kind of win each, in turn: points, winner, and the stored code.
struct Kind {
    const char* points1;
    const char* points2;
    int winner;
    int type;
};
constexpr Kind kinds[] = { { "", "", 1, ResultType::Fall }, { "5", "2", 1, ResultType::Decision },
    { "2", "10", 2, ResultType::MajDec }, { "17", "1", 1, ResultType::TechFall }, { "0", "14", 2, ResultType::SupDec },
    { "3", "3", 0, ResultType::Draw }, { "", "", 2, ResultType::Forfeit }, { "", "", 0, ResultType::Scratch } };

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const auto dir = std::filesystem::temp_directory_path() / ("korvanda-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);

    Meet meet;
    meet.directory = dir;
    CountingDialogs dialogs(false);
    TableModels models(meet);
    TeamScreen team(meet, models, dialogs);
    ScheduleScreen schedule;
    MatchScreen screen(meet, models, dialogs, team, schedule);
    meet.boutGrid.setRowCount(1);
    for (int n = 1; n <= bouts; ++n) {
        const std::string number = std::to_string(n);
        meet.boutGrid.appendRow(
            number + "\t1\t\tRed " + number + "\t10.0\t70\t1.0\tR\t\t\t\tGreen " + number + "\t10.0\t71\t1.0\tG");
    }
    models.refresh();
    screen.show();
    if (!QTest::qWaitForWindowActive(&screen)) {
        std::fprintf(stderr, "FAILED: the bout window never became active\n");
        return 1;
    }

    auto* boutBox = screen.findChild<QLineEdit*>(QStringLiteral("BoutNumberBox"));
    int digits = 0;
    int others = 0;
    auto key = [&](Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), k, modifiers);
        ++others;
    };
    auto type = [&](const char* text) {
        QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(text));
        digits += static_cast<int>(std::strlen(text));
    };
    boutBox->setFocus();

    const auto start = std::chrono::steady_clock::now();
    for (int n = 1; n <= bouts; ++n) {
        const Kind& kind = kinds[(n - 1) % std::size(kinds)];
        type(std::to_string(n).c_str());
        key(Qt::Key_Enter);
        if (*kind.points1 || *kind.points2) {
            type(kind.points1);
            key(Qt::Key_Tab);
            type(kind.points2);
        }
        if (kind.winner)
            key(static_cast<Qt::Key>(Qt::Key_0 + kind.winner), Qt::AltModifier);
        const QKeySequence access = QKeySequence::mnemonic(
            screen.findChild<QRadioButton*>(QStringLiteral("WinByOption%1").arg(kind.type))->text());
        key(access[0].key(), access[0].keyboardModifiers());
        key(Qt::Key_Enter);
    }
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();

    for (int n = 1; n <= bouts; ++n) {
        const Kind& kind = kinds[(n - 1) % std::size(kinds)];
        const int column = kind.winner == 2 ? BoutColumn::Winner2 : BoutColumn::Winner1;
        if (meet.boutGrid.cell(n, column) != resultCodes[static_cast<std::size_t>(kind.type)]) {
            std::fprintf(stderr, "FAILED: bout %d holds no %s\n", n, resultCodes[static_cast<std::size_t>(kind.type)]);
            return 1;
        }
    }
    std::filesystem::remove_all(dir);
    if (dialogs.shown != 0) {
        std::fprintf(stderr, "FAILED: %d messages while entering results\n", dialogs.shown);
        return 1;
    }
    std::printf(
        "%d results by keyboard: %.2f keystrokes per result (%.2f digits, %.2f other keys), %.3f ms per result\n",
        bouts, double(digits + others) / bouts, double(digits) / bouts, double(others) / bouts, ms / bouts);
    return 0;
}
