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
    QList<QPair<QString, QString>> viewed;
    bool viewerStarts = true;
    int ends = 0;

    Form1Services services()
    {
        Form1Services services;
        services.inform = [this](QWidget*, const QString& text) { messages << text; };
        services.openInViewer = [this](const QString& directory, const QString& fileName) {
            viewed << qMakePair(directory, fileName);
            return viewerStarts;
        };
        services.endProgram = [this] { ++ends; };
        return services;
    }
};

void writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    QFile file(dir.filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(const QTemporaryDir& dir, const QString& name)
{
    QFile file(dir.filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString shownFile(const QTemporaryDir& dir, const QString& name)
{
    return QDir::toNativeSeparators(dir.path()) + QDir::separator() + name;
}

} // namespace

class Form1Test : public QObject {
    Q_OBJECT

private:
    template <typename T>
    T* control(Form1& form, const char* name)
    {
        auto* widget = form.findChild<T*>(QString::fromLatin1(name));
        if (!widget)
            qFatal("no control %s", name);
        return widget;
    }

    QString labelText(Form1& form, const char* name) { return control<QLabel>(form, name)->text(); }

    void click(Form1& form, const char* name) { QTest::mouseClick(control<QPushButton>(form, name), Qt::LeftButton); }

    // On its box: the check box is as wide as the window.
    void clickCheck(QCheckBox* check) { QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(6, check->height() / 2)); }

private slots:
    void startsWithItsCaptionsAndHiddenParts()
    {
        QTemporaryDir dir;
        Recorder recorder;
        Form1 form(dir.path(), recorder.services());
        form.show();
        QCOMPARE(form.windowTitle(), QStringLiteral("Quillon"));
        QCOMPARE(control<QPushButton>(form, "Command2")->text(), QStringLiteral("Generate Renumbered Bout Sheets "));
        QCOMPARE(control<QPushButton>(form, "Command1")->text(), QStringLiteral("Open Renumbered Bout Sheets"));
        QCOMPARE(control<QPushButton>(form, "Command3")->text(), QStringLiteral("Open Current Bout List"));
        QCOMPARE(control<QPushButton>(form, "Command4")->text(), QStringLiteral("About"));
        QCOMPARE(control<QCheckBox>(form, "Check1")->text(), QStringLiteral("Show Sample Results"));
        QCOMPARE(labelText(form, "Label8"), QStringLiteral("Quillon"));
        QCOMPARE(labelText(form, "Label2"),
                 QStringLiteral("This program must be in the same directory as \"boutsheets.txt\" and "
                                "\"_current_meet_v2.txt\""));
        QVERIFY(labelText(form, "Label3").contains(QStringLiteral("bout numbers from  first and last columns")));
        QVERIFY(labelText(form, "Label5").endsWith(QStringLiteral("(and preserving the Korvanda bout # for reference)")));

        QVERIFY(!control<QCheckBox>(form, "Check1")->isChecked());
        QVERIFY(control<QPushButton>(form, "Command2")->isVisible());
        QVERIFY(control<QPushButton>(form, "Command4")->isVisible());
        for (const char* hidden : {"Command1", "Command3"})
            QVERIFY2(!form.findChild<QWidget*>(QString::fromLatin1(hidden))->isVisible(), hidden);
        for (const char* box : {"Text1", "Text2", "Text3"})
            QVERIFY2(!control<QPlainTextEdit>(form, box)->isVisible(), box);
        for (const char* label : {"Label1", "Label4", "Label6", "Label7", "Label9", "Label10", "Label11"})
            QVERIFY2(labelText(form, label).isEmpty(), label);
    }

    void sampleCheckShowsAndHidesTheBoxes()
    {
        QTemporaryDir dir;
        Recorder recorder;
        Form1 form(dir.path(), recorder.services());
        form.show();
        auto* check = control<QCheckBox>(form, "Check1");
        clickCheck(check);
        QVERIFY(check->isChecked());
        for (const char* box : {"Text1", "Text2", "Text3"})
            QVERIFY2(control<QPlainTextEdit>(form, box)->isVisible(), box);
        QCOMPARE(labelText(form, "Label9"), QStringLiteral("BOUT MAPPINGS"));
        QCOMPARE(labelText(form, "Label10"), QStringLiteral("EXISTING BOUT SHEETS FROM KORVANDA"));
        QCOMPARE(labelText(form, "Label11"), QStringLiteral("RENUMBERED BOUT SHEETS FROM THIS PROGRAM"));
        clickCheck(check);
        for (const char* box : {"Text1", "Text2", "Text3"})
            QVERIFY2(!control<QPlainTextEdit>(form, box)->isVisible(), box);
        QCOMPARE(labelText(form, "Label9"), QStringLiteral("BOUT MAPPINGS"));
    }

    void generateWritesSheetsAndReports()
    {
        QTemporaryDir dir;
        writeFile(dir, QStringLiteral("_current_meet_v2.txt"), "Bout Mat KV\r\n7   2   12\r\n");
        writeFile(dir, QStringLiteral("BoutSheets.Txt"), "Riverside\r\nCaf\xe9 \xc9lite\r\n  Bout 12\r\n  Mat 2\r\n");
        Recorder recorder;
        Form1 form(dir.path(), recorder.services());
        form.show();
        clickCheck(control<QCheckBox>(form, "Check1"));
        click(form, "Command2");

        QVERIFY(recorder.messages.isEmpty());
        QCOMPARE(recorder.ends, 0);
        QCOMPARE(readFile(dir, QStringLiteral("_boutsheets_renumbered_v2.txt")),
                 QByteArray("Caf\xe9 \xc9lite\r\n  Bout 7  (KV#12)\r\n  Mat 2\r\n\r\n"));
        QVERIFY(control<QPushButton>(form, "Command1")->isVisible());
        QVERIFY(control<QPushButton>(form, "Command3")->isVisible());
        QCOMPARE(labelText(form, "Label1"), "Opened File " + shownFile(dir, QStringLiteral("_current_meet_v2.txt")));
        QCOMPARE(labelText(form, "Label7"),
                 "Opened File " + shownFile(dir, QStringLiteral("boutsheets.txt")) + " successfully.");
        QCOMPARE(labelText(form, "Label4"), "All done.  New renumbered bout sheets are here: " +
                                                shownFile(dir, QStringLiteral("_boutsheets_renumbered_v2.txt")));
        QVERIFY(labelText(form, "Label6").startsWith(QStringLiteral("Next, you may open the file in Wordpad")));
        QCOMPARE(labelText(form, "Label9"), QStringLiteral("current_meet_v2 bouts"));
        QCOMPARE(labelText(form, "Label10"), QStringLiteral("boutsheets.txt"));
        QCOMPARE(labelText(form, "Label11"), QStringLiteral("_boutsheets_renumbered_v2.txt"));
        QCOMPARE(control<QPlainTextEdit>(form, "Text1")->toPlainText(),
                 QStringLiteral("KV Bout# / Python Bout#)\n12        /       7"));
        const QString input = QStringLiteral("\nCaf\u00e9 \u00c9lite\n  Bout 12\n  Mat 2\n");
        QCOMPARE(control<QPlainTextEdit>(form, "Text2")->toPlainText(), input);
        QCOMPARE(control<QPlainTextEdit>(form, "Text3")->toPlainText(),
                 QStringLiteral("\nCaf\u00e9 \u00c9lite\n  Bout 7  (KV#12)\n  Mat 2\n"));

        // A second run shows this run's lines only.
        click(form, "Command2");
        QCOMPARE(control<QPlainTextEdit>(form, "Text2")->toPlainText(), input);
    }

    void sampleOffLeavesBoxesAndHeadingsAlone()
    {
        QTemporaryDir dir;
        writeFile(dir, QStringLiteral("_current_meet_v2.txt"), "KV\r\n7   2   12\r\n");
        writeFile(dir, QStringLiteral("boutsheets.txt"), "Team\r\nBout 12\r\n");
        Recorder recorder;
        Form1 form(dir.path(), recorder.services());
        form.show();
        click(form, "Command2");
        QCOMPARE(readFile(dir, QStringLiteral("_boutsheets_renumbered_v2.txt")), QByteArray("Bout 7  (KV#12)\r\n\r\n"));
        for (const char* label : {"Label1", "Label7", "Label9", "Label10", "Label11"})
            QVERIFY2(labelText(form, label).isEmpty(), label);
        QVERIFY(control<QPlainTextEdit>(form, "Text2")->toPlainText().isEmpty());
        QVERIFY(!labelText(form, "Label4").isEmpty());
    }

    void missingFilesEndTheProgramWithoutOutput()
    {
        for (const bool mappingThere : {false, true}) {
            QTemporaryDir dir;
            if (mappingThere)
                writeFile(dir, QStringLiteral("_current_meet_v2.txt"), "KV\r\n7   2   12\r\n");
            else
                writeFile(dir, QStringLiteral("boutsheets.txt"), "Team\r\nBout 12\r\n");
            Recorder recorder;
            Form1 form(dir.path(), recorder.services());
            form.show();
            click(form, "Command2");
            QCOMPARE(recorder.ends, 1);
            QCOMPARE(recorder.messages.size(), 1);
            const QString missing = mappingThere ? QStringLiteral("boutsheets.txt") : QStringLiteral("_current_meet_v2.txt");
            QVERIFY(recorder.messages[0].startsWith("This program and " + missing +
                                                    " must both be in same directory (" +
                                                    QDir::toNativeSeparators(dir.path()) + "), but " + missing +
                                                    " cannot be found.  Reminder: did you "));
            QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("_boutsheets_renumbered_v2.txt"))));
            QVERIFY(!control<QPushButton>(form, "Command1")->isVisible());
            QVERIFY(labelText(form, "Label4").isEmpty());
        }
    }

    void openButtonsStartTheViewerOrSayWhy()
    {
        QTemporaryDir dir;
        writeFile(dir, QStringLiteral("_current_meet_v2.txt"), "KV\r\n7   2   12\r\n");
        writeFile(dir, QStringLiteral("boutsheets.txt"), "Team\r\nBout 12\r\n");
        Recorder recorder;
        Form1 form(dir.path(), recorder.services());
        form.show();
        click(form, "Command2");
        click(form, "Command1");
        click(form, "Command3");
        QCOMPARE(recorder.viewed.size(), 2);
        QCOMPARE(recorder.viewed[0], qMakePair(dir.path(), QStringLiteral("_boutsheets_renumbered_v2.txt")));
        QCOMPARE(recorder.viewed[1], qMakePair(dir.path(), QStringLiteral("_current_meet_v2.txt")));
        QVERIFY(recorder.messages.isEmpty());

        recorder.viewerStarts = false;
        click(form, "Command1");
        QVERIFY(QFile::remove(dir.filePath(QStringLiteral("_current_meet_v2.txt"))));
        recorder.viewerStarts = true;
        click(form, "Command3");
        QCOMPARE(recorder.viewed.size(), 3); // no viewer for a file that is gone
        QCOMPARE(recorder.messages,
                 QStringList({"Can't find either c:\\windows\\write.exe or the file to be opened " +
                                  shownFile(dir, QStringLiteral("_boutsheets_renumbered_v2.txt")) +
                                  ").  Open the file manually",
                              "Can't find either c:\\windows\\write.exe or the file to be opened " +
                                  shownFile(dir, QStringLiteral("_current_meet_v2.txt")) + ".  Open the file manually"}));
        QCOMPARE(recorder.ends, 0);
    }

    void aboutTellsWhereTheToolComesFrom()
    {
        QTemporaryDir dir;
        Recorder recorder;
        Form1 form(dir.path(), recorder.services());
        form.show();
        click(form, "Command4");
        QCOMPARE(recorder.messages.size(), 1);
        QVERIFY(recorder.messages[0].contains(QStringLiteral("Korvanda")));
    }
};

QTEST_MAIN(Form1Test)
#include "Form1Test.moc"
