#include "bouts/ListPrinter.h"
#include "bouts/MatchScreen.h"
#include "bouts/MeetLists.h"
#include "bouts/ScheduleScreen.h"
#include "meet/Meet.h"
#include "meet/TableModels.h"
#include "support/FakeDialogs.h"
#include "support/FakePrintChoices.h"
#include "support/TempDir.h"
#include "teams/TeamScreen.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPdfWriter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QtTest>

#include <algorithm>
#include <cmath>

using namespace korvanda;
using namespace Qt::StringLiterals;

namespace {

// The pages as the text file holds them, blanks at the ends of lines and
// empty lines at the ends of pages left out: neither shows on paper.
std::vector<PrintPage> visiblePages(std::vector<PrintPage> pages)
{
    for (PrintPage& page : pages) {
        for (std::string& line : page)
            line.erase(line.find_last_not_of(' ') + 1);
        while (!page.empty() && page.back().empty())
            page.pop_back();
    }
    return pages;
}

} // namespace

class ListPrinterTest : public QObject {
    Q_OBJECT

    // Three teams, 130 wrestlers and 65 bouts on three mats with every kind
    // of result: every list but the tally runs over more than one page.
    struct Meet130 {
        TempDir dir;
        Meet meet;
        FakeDialogs dialogs;
        FakePrintChoices choices;
        TableModels models { meet };
        TeamScreen team { meet, models, dialogs };
        ScheduleScreen schedule;
        MatchScreen screen { meet, models, dialogs, team, schedule };

        Meet130()
        {
            meet.directory = dir.path();
            const char* teams[] = { "OTT", "LYN", "BAD" };
            meet.teamList.setRowCount(1);
            meet.teamList.appendRow("Riverbend Otters\tOTT");
            meet.teamList.appendRow("Lakeside Lynx\tLYN");
            meet.teamList.appendRow("B\xe4renfels Badgers\tBAD");
            meet.roster.setRowCount(1);
            for (int w = 1; w <= 130; ++w) {
                const std::string name = w == 7 ? "Zo\xeb M\xfcller" : "Wrestler " + std::to_string(w);
                meet.roster.appendRow(name + "\t" + std::to_string(6 + w % 9) + ".5\t" + std::to_string(50 + w % 60)
                    + "\t" + std::to_string(1 + w % 5) + ".0\t" + teams[w % 3] + "\t" + std::to_string(60 + w % 40)
                    + (w % 11 ? "\tYes\t" : "\t\t") + std::to_string((w + 1) / 2));
            }
            const char* results[]
                = { "Fall", "TechFall", "SupDec", "MajDec", "Decision", "Draw", "Forfeit", "Scratch" };
            meet.boutGrid.setRowCount(1);
            for (int b = 1; b <= 65; ++b) {
                const std::string code = b % 5 ? results[b % 8] : "";
                const bool both = code == "Draw" || code == "Scratch";
                const auto side = [&](int w, bool winner) {
                    return meet.roster.cell(w, 0) + "\t" + meet.roster.cell(w, 1) + "\t" + meet.roster.cell(w, 2) + "\t"
                        + meet.roster.cell(w, 3) + "\t" + meet.roster.cell(w, 4) + "\t"
                        + (code.empty()  ? ""
                                : winner ? "8"
                                         : "2")
                        + "\t" + (winner || both ? code : "");
                };
                meet.boutGrid.appendRow(std::to_string(b) + "\t" + std::to_string(1 + b % 3) + "\t\t"
                    + side(2 * b - 1, true) + "\t\t" + side(2 * b, false));
            }
            models.refresh();
            screen.setPrintChoices(choices);
        }

        void click(const char* name)
        {
            QTest::mouseClick(screen.findChild<QPushButton*>(QString::fromLatin1(name)), Qt::LeftButton);
        }
    };

private slots:
    void everyListExportedToPdfReadsBackPageForPageAsItsTextFile()
    {
        const QString pdftotext = QStandardPaths::findExecutable(u"pdftotext"_s);
        if (pdftotext.isEmpty())
            QFAIL("pdftotext (poppler-utils) is needed to read the PDFs back");
        Meet130 m;
        m.click("WriteFilesButton");
        for (MeetList list : allMeetLists) {
            const QString name = QString::fromLatin1(listName(list));
            m.choices.list = list;
            m.choices.file = QString::fromStdString((m.dir.path() / (name.toStdString() + ".pdf")).string());
            m.click("ExportPdfButton");
            QVERIFY2(m.dialogs.shown.empty(), qPrintable(name));

            const std::string text = m.dir.read(listFileName(list));
            const ListPrinter printer(text, name);
            // pdftotext guesses columns from the words above and below unless
            // it is told the pitch of the type and where the printable area
            // starts; told both, it reads every blank back.
            QBuffer sink;
            sink.open(QIODevice::WriteOnly);
            QPdfWriter writer(&sink);
            writer.setPageLayout(ListPrinter::pageLayout());
            const qreal pitch = QFontMetricsF(printer.fontFor(writer), &writer).horizontalAdvance(QLatin1Char('M')) * 72
                / writer.resolution();
            const QRectF area = ListPrinter::pageLayout().paintRect(QPageLayout::Point);
            QProcess reader;
            reader.start(pdftotext,
                { u"-layout"_s, u"-fixed"_s, QString::number(pitch, 'f', 6), u"-x"_s,
                    QString::number(std::lround(area.left())), u"-y"_s, QString::number(std::lround(area.top())),
                    u"-W"_s, QString::number(std::ceil(area.width())), u"-H"_s,
                    QString::number(std::ceil(area.height())), u"-enc"_s, u"Latin1"_s, m.choices.file, u"-"_s });
            QVERIFY2(reader.waitForFinished(30000) && reader.exitCode() == 0, qPrintable(name));
            const QByteArray read = reader.readAllStandardOutput();

            // pdftotext ends every page with a form feed, the last one too.
            const std::size_t breaks = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\f'));
            QCOMPARE(static_cast<std::size_t>(read.count('\f')), breaks + 1);
            QCOMPARE(printer.pageCount(), static_cast<int>(breaks + 1));
            std::vector<PrintPage> readPages
                = visiblePages(printPages(std::string_view(read.constData(), static_cast<std::size_t>(read.size()))));
            readPages.pop_back();
            const std::vector<PrintPage> expected = visiblePages(printPages(text));
            QCOMPARE(readPages.size(), expected.size());
            for (std::size_t page = 0; page < expected.size(); ++page)
                for (std::size_t line = 0; line < std::max(expected[page].size(), readPages[page].size()); ++line) {
                    const std::string want = line < expected[page].size() ? expected[page][line] : "(none)";
                    const std::string got = line < readPages[page].size() ? readPages[page][line] : "(none)";
                    QVERIFY2(want == got,
                        qPrintable(u"%1 page %2 line %3:\n want \"%4\"\n  got \"%5\""_s.arg(name)
                                       .arg(page + 1)
                                       .arg(line + 1)
                                       .arg(QString::fromLatin1(want))
                                       .arg(QString::fromLatin1(got))));
                }
        }
    }
};

QTEST_MAIN(ListPrinterTest)
#include "ListPrinterTest.moc"
