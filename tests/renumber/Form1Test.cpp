#include "renumber/Form1.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Records what the window asks of the world instead of doing it.
struct Recorder {
    QStringList messages;
    QStringList viewed;
    bool viewerStarts = true;
    int ends = 0;

    Form1Services services()
    {
        return {[this](QWidget*, const QString& text) { messages << text; },
                [this](const QString& directory, const QString& fileName) {
                    viewed << QDir(directory).filePath(fileName);
                    return viewerStarts;
                },
                [this] { ++ends; }};
    }
};

void writeFile(const QTemporaryDir& dir, const char* name, const QByteArray& bytes)
{
    QFile file(dir.filePath(QString::fromLatin1(name)));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray renumbered(const QTemporaryDir& dir)
{
    QFile file(dir.filePath(QStringLiteral("_boutsheets_renumbered_v2.txt")));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString shown(const QTemporaryDir& dir, const QString& name)
{
    return QDir::toNativeSeparators(dir.path()) + QDir::separator() + name;
}

template <typename T>
T* control(Form1& form, const char* name)
{
    auto* widget = form.findChild<T*>(QString::fromLatin1(name));
    if (!widget)
        qFatal("no control %s", name);
    return widget;
}

QString label(Form1& form, const char* name)
{
    return control<QLabel>(form, name)->text();
}

QString box(Form1& form, const char* name)
{
    return control<QPlainTextEdit>(form, name)->toPlainText();
}

void click(Form1& form, const char* name)
{
    QTest::mouseClick(control<QPushButton>(form, name), Qt::LeftButton);
}

// On its box: the check box is as wide as the window.
void clickCheck(Form1& form)
{
    auto* check = control<QCheckBox>(form, "Check1");
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(6, check->height() / 2));
}

} // namespace

class Form1Test : public QObject {
    Q_OBJECT

private slots:
    void startsWithItsCaptionsAndHiddenControls()
    {
        QTemporaryDir dir;
        Recorder recorder;
        Form1 form(dir.path(), recorder.services());
        form.show();
        QCOMPARE(form.windowTitle(), QStringLiteral("Quillon"));
        const std::pair<const char*, const char*> captions[] = {
            {"Command2", "Generate Renumbered Bout Sheets "}, {"Command1", "Open Renumbered Bout Sheets"},
            {"Command3", "Open Current Bout List"},           {"Command4", "About"},
            {"Check1", "Show Sample Results"},
        };
        for (const auto& [name, caption] : captions)
            QCOMPARE(control<QAbstractButton>(form, name)->text(), QString::fromLatin1(caption));
        QCOMPARE(label(form, "Label8"), QStringLiteral("Quillon"));
        QCOMPARE(label(form, "Label2"), QStringLiteral("This program must be in the same directory as "
                                                       "\"boutsheets.txt\" and \"_current_meet_v2.txt\""));
        QVERIFY(label(form, "Label3").contains(QStringLiteral("bout numbers from  first and last columns")));
        QVERIFY(label(form, "Label5").startsWith(QStringLiteral("-Next, it copies boutsheets.txt into a new file")));

        QVERIFY(!control<QCheckBox>(form, "Check1")->isChecked());
        for (const char* hidden : {"Command1", "Command3", "Text1", "Text2", "Text3"})
            QVERIFY2(!control<QWidget>(form, hidden)->isVisible(), hidden);
        for (const char* empty : {"Label1", "Label4", "Label6", "Label7", "Label9", "Label10", "Label11"})
            QVERIFY2(label(form, empty).isEmpty(), empty);

        clickCheck(form);
        for (const char* name : {"Text1", "Text2", "Text3"})
            QVERIFY2(control<QWidget>(form, name)->isVisible(), name);
        QCOMPARE(label(form, "Label9"), QStringLiteral("BOUT MAPPINGS"));
        QCOMPARE(label(form, "Label10"), QStringLiteral("EXISTING BOUT SHEETS FROM KORVANDA"));
        QCOMPARE(label(form, "Label11"), QStringLiteral("RENUMBERED BOUT SHEETS FROM THIS PROGRAM"));
        clickCheck(form);
        QVERIFY(!control<QWidget>(form, "Text2")->isVisible());
        QCOMPARE(label(form, "Label9"), QStringLiteral("BOUT MAPPINGS"));

        // Nothing to read in the directory: the message, then the end.
        click(form, "Command2");
        QCOMPARE(recorder.ends, 1);
        QCOMPARE(recorder.messages.size(), 1);
        QVERIFY(recorder.messages[0].contains("same directory (" + QDir::toNativeSeparators(dir.path()) + ")"));
        QVERIFY(renumbered(dir).isEmpty());
        QVERIFY(!control<QWidget>(form, "Command1")->isVisible());
    }

    void generateWithSampleFillsBoxesAndShowsOpenButtons()
    {
        QTemporaryDir dir;
        writeFile(dir, "_current_meet_v2.txt", "Bout Mat KV\r\n7   2   12\r\n");
        writeFile(dir, "BoutSheets.Txt", "Riverside\r\nCaf\xe9 \xc9lite\r\n  Bout 12\r\n\f\r\n");
        Recorder recorder;
        Form1 form(dir.path(), recorder.services());
        form.show();
        clickCheck(form);
        click(form, "Command2");

        QVERIFY(recorder.messages.isEmpty());
        QCOMPARE(renumbered(dir), QByteArray("Caf\xe9 \xc9lite\r\n  Bout 7  (KV#12)\r\n\f\r\n\r\n"));
        QVERIFY(control<QWidget>(form, "Command1")->isVisible());
        QVERIFY(control<QWidget>(form, "Command3")->isVisible());
        QCOMPARE(label(form, "Label1"), "Opened File " + shown(dir, QStringLiteral("_current_meet_v2.txt")));
        QCOMPARE(label(form, "Label7"), "Opened File " + shown(dir, QStringLiteral("boutsheets.txt")) + " successfully.");
        QCOMPARE(label(form, "Label4"), "All done.  New renumbered bout sheets are here: " +
                                            shown(dir, QStringLiteral("_boutsheets_renumbered_v2.txt")));
        QVERIFY(label(form, "Label6").startsWith(QStringLiteral("Next, you may open the file in Wordpad")));
        QCOMPARE(label(form, "Label9"), QStringLiteral("current_meet_v2 bouts"));
        QCOMPARE(label(form, "Label10"), QStringLiteral("boutsheets.txt"));
        QCOMPARE(label(form, "Label11"), QStringLiteral("_boutsheets_renumbered_v2.txt"));
        QCOMPARE(box(form, "Text1"), QStringLiteral("KV Bout# / Python Bout#)\n12        /       7"));
        const QString input = QStringLiteral("\nCaf\u00e9 \u00c9lite\n  Bout 12\n\f\n");
        QCOMPARE(box(form, "Text2"), input);
        QCOMPARE(box(form, "Text3"), QStringLiteral("\nCaf\u00e9 \u00c9lite\n  Bout 7  (KV#12)\n\f\n"));

        click(form, "Command2");
        QCOMPARE(box(form, "Text2"), input); // this run's lines only
        QCOMPARE(recorder.ends, 0);
    }

    void openButtonsStartTheViewerOrSayWhy()
    {
        QTemporaryDir dir;
        writeFile(dir, "_current_meet_v2.txt", "KV\r\n7   2   12\r\n");
        writeFile(dir, "boutsheets.txt", "Team\r\nBout 12\r\n");
        Recorder recorder;
        Form1 form(dir.path(), recorder.services());
        form.show();
        click(form, "Command2");
        QVERIFY(label(form, "Label1").isEmpty()); // no sample asked for
        click(form, "Command1");
        click(form, "Command3");
        QCOMPARE(recorder.viewed, QStringList({dir.filePath(QStringLiteral("_boutsheets_renumbered_v2.txt")),
                                               dir.filePath(QStringLiteral("_current_meet_v2.txt"))}));
        QVERIFY(recorder.messages.isEmpty());

        recorder.viewerStarts = false;
        click(form, "Command1");
        QVERIFY(QFile::remove(dir.filePath(QStringLiteral("_current_meet_v2.txt"))));
        recorder.viewerStarts = true;
        click(form, "Command3");
        QCOMPARE(recorder.viewed.size(), 3); // no viewer for a file that is gone
        QCOMPARE(recorder.messages,
                 QStringList({"Can't find either c:\\windows\\write.exe or the file to be opened " +
                                  shown(dir, QStringLiteral("_boutsheets_renumbered_v2.txt")) +
                                  ").  Open the file manually",
                              "Can't find either c:\\windows\\write.exe or the file to be opened " +
                                  shown(dir, QStringLiteral("_current_meet_v2.txt")) + ".  Open the file manually"}));
        click(form, "Command4");
        QVERIFY(recorder.messages.last().contains(QStringLiteral("Korvanda")));
        QCOMPARE(recorder.ends, 0);
    }
};

QTEST_MAIN(Form1Test)
#include "Form1Test.moc"
