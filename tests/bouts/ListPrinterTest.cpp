#include "bouts/ListPrinter.h"
#include "bouts/MeetLists.h"
#include "meet/Meet.h"
#include "support/TempDir.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPdfWriter>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

#include <algorithm>
#include <cmath>

using namespace korvanda;
using namespace Qt::StringLiterals;

namespace {

// Three teams, 130 wrestlers and 65 bouts on three mats with every kind of
// result: every list but the tally runs over more than one page.
Meet scheduledMeetWithResults()
{
    Meet meet;
    const char* teams[] = { "OTT", "LYN", "BAD" };
    meet.teamList.setRowCount(1);
    for (const char* team : { "Riverbend Otters\tOTT", "Lakeside Lynx\tLYN", "B\xe4renfels Badgers\tBAD" })
        meet.teamList.appendRow(team);
    meet.roster.setRowCount(1);
    for (int w = 1; w <= 130; ++w)
        meet.roster.appendRow((w == 7 ? std::string("Zo\xeb M\xfcller") : "Wrestler " + std::to_string(w)) + "\t"
            + std::to_string(6 + w % 9) + ".5\t" + std::to_string(50 + w % 60) + "\t" + std::to_string(1 + w % 5)
            + ".0\t" + teams[w % 3] + "\t60" + (w % 11 ? "\tYes\t" : "\t\t") + std::to_string((w + 1) / 2));
    const char* results[] = { "Fall", "TechFall", "SupDec", "MajDec", "Decision", "Draw", "Forfeit", "Scratch" };
    meet.boutGrid.setRowCount(1);
    for (int b = 1; b <= 65; ++b) {
        const std::string code = b % 5 ? results[b % 8] : "";
        const bool both = code == "Draw" || code == "Scratch";
        std::string row = std::to_string(b) + "\t" + std::to_string(1 + b % 3) + "\t";
        for (int w : { 2 * b - 1, 2 * b }) {
            const bool winner = w % 2 == 1;
            row += "\t";
            for (int column = 0; column < 5; ++column)
                row += meet.roster.cell(w, column) + "\t";
            row += (code.empty() ? "" : winner ? "8\t" : "2\t") + std::string(winner || both ? code : "") + "\t";
        }
        meet.boutGrid.appendRow(row);
    }
    return meet;
}

// A page as it shows on paper: no blanks at the ends of lines and no empty
// lines at its foot.
QStringList visibleLines(const PrintPage& page)
{
    QStringList lines;
    for (const std::string& line : page)
        lines.append(QString::fromLatin1(line).remove(QRegularExpression(u" +$"_s)));
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

class ListPrinterTest : public QObject {
    Q_OBJECT

private slots:
    void everyListInPdfReadsBackPageForPageAsItsTextFile()
    {
        const QString pdftotext = QStandardPaths::findExecutable(u"pdftotext"_s);
        if (pdftotext.isEmpty())
            QFAIL("pdftotext (poppler-utils) is needed to read the PDFs back");
        TempDir dir;
        const Meet meet = scheduledMeetWithResults();
        const QRectF area = ListPrinter::pageLayout().paintRect(QPageLayout::Point);
        for (MeetList list : allMeetLists) {
            const QString name = QString::fromLatin1(listName(list));
            const std::string text = listText(meet, list, { true, true, true }, { "Saturday", "Dec", 5, 2026 });
            const ListPrinter printer(text, name);
            const QString file = QString::fromStdString((dir.path() / listFileName(list)).string()) + u".pdf"_s;
            QVERIFY2(printer.writePdf(file.toStdString()), qPrintable(name));

            // Left alone, pdftotext guesses columns from the words above and
            // below and loses runs of blanks; told the pitch of the type and
            // where the printable area starts, it reads every blank back.
            QBuffer sink;
            sink.open(QIODevice::WriteOnly);
            QPdfWriter writer(&sink);
            writer.setPageLayout(ListPrinter::pageLayout());
            const qreal pitch = QFontMetricsF(printer.fontFor(writer), &writer).horizontalAdvance(QLatin1Char('M')) * 72
                / writer.resolution();
            QProcess reader;
            reader.start(pdftotext,
                { u"-layout"_s, u"-fixed"_s, QString::number(pitch, 'f', 6), u"-x"_s, QString::number(area.left()),
                    u"-y"_s, QString::number(area.top()), u"-W"_s, QString::number(std::ceil(area.width())), u"-H"_s,
                    QString::number(std::ceil(area.height())), u"-enc"_s, u"Latin1"_s, file, u"-"_s });
            QVERIFY2(reader.waitForFinished(30000) && reader.exitCode() == 0, qPrintable(name));
            const QByteArray read = reader.readAllStandardOutput();

            // pdftotext ends every page with a form feed, the last one too.
            const auto breaks = std::count(text.begin(), text.end(), '\f');
            QCOMPARE(read.count('\f'), breaks + 1);
            QCOMPARE(printer.pageCount(), breaks + 1);
            const std::vector<PrintPage> expected = printPages(text);
            const std::vector<PrintPage> got = printPages(std::string_view(read.constData(), read.size()));
            for (std::size_t page = 0; page < expected.size(); ++page)
                QCOMPARE(visibleLines(got[page]), visibleLines(expected[page]));
        }
    }
};

QTEST_MAIN(ListPrinterTest)
#include "ListPrinterTest.moc"
