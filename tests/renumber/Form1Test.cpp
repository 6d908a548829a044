#include "renumber/Form1.h"

#include "support/TempDir.h"

#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QtTest>

namespace {

QWidget* control(Form1& form, const char* name)
{
    auto* widget = form.findChild<QWidget*>(QString::fromLatin1(name));
    if (!widget)
        qFatal("no control %s", name);
    return widget;
}

// A label's or a sample box's text.
QString text(Form1& form, const char* name)
{
    auto* label = qobject_cast<QLabel*>(control(form, name));
    return label ? label->text() : qobject_cast<QPlainTextEdit*>(control(form, name))->toPlainText();
}

// Near the left end: the check box is as wide as the window.
void click(Form1& form, const char* name)
{
    QTest::mouseClick(control(form, name), Qt::LeftButton, {}, QPoint(6, control(form, name)->height() / 2));
}

} // namespace

class Form1Test : public QObject {
    Q_OBJECT

private slots:
    void generateFillsTheWindowAndOpensItsFiles()
    {
        TempDir dir;
        const QString path = QString::fromStdString(dir.path().string());
        const QString shown = QDir::toNativeSeparators(path) + QDir::separator();
        dir.write("_current_meet_v2.txt", "Bout Mat KV\r\n7   2   12\r\n");
        dir.write("BoutSheets.Txt", "Riverside\r\nCaf\xe9 \xc9lite\r\n  Bout 12\r\n\f\r\n");
        // What the window asks of the world is recorded instead of done.
        QStringList messages, viewed;
        bool viewerStarts = true;
        int ends = 0;
        Form1 form(path,
            { [&](QWidget*, const QString& message) { messages << message; },
                [&](const QString& directory, const QString& fileName) {
                    viewed << QDir(directory).filePath(fileName);
                    return viewerStarts;
                },
                [&] { ++ends; }, {} });
        form.show();
        for (const char* hidden : { "Command1", "Command3", "Text1", "Text2", "Text3" })
            QVERIFY2(!control(form, hidden)->isVisible(), hidden);
        click(form, "Check1");
        QVERIFY(control(form, "Text1")->isVisible() && control(form, "Text3")->isVisible());

        click(form, "Command2");
        QVERIFY(messages.isEmpty());
        QCOMPARE(QByteArray::fromStdString(dir.read("_boutsheets_renumbered_v2.txt")),
            QByteArray("Caf\xe9 \xc9lite\r\n  Bout 7  (KV#12)\r\n\f\r\n\r\n"));
        QVERIFY(control(form, "Command1")->isVisible() && control(form, "Command3")->isVisible());
        const std::pair<const char*, QString> texts[] = {
            { "Label1", "Opened File " + shown + "_current_meet_v2.txt" },
            { "Label7", "Opened File " + shown + "boutsheets.txt successfully." },
            { "Label4", "All done.  New renumbered bout sheets are here: " + shown + "_boutsheets_renumbered_v2.txt" },
            { "Label10", "boutsheets.txt" },
            { "Text1", "KV Bout# / Python Bout#)\n12        /       7" },
            { "Text2", QStringLiteral("\nCaf\u00e9 \u00c9lite\n  Bout 12\n\f\n") },
            { "Text3", QStringLiteral("\nCaf\u00e9 \u00c9lite\n  Bout 7  (KV#12)\n\f\n") },
        };
        for (const auto& [name, expected] : texts)
            QCOMPARE(text(form, name), expected);
        click(form, "Command2");
        QCOMPARE(text(form, "Text2"), texts[5].second); // this run's lines only

        // The open buttons start the viewer, or say why they cannot.
        click(form, "Command1");
        click(form, "Command3");
        viewerStarts = false;
        click(form, "Command1");
        std::filesystem::remove(dir.path() / "_current_meet_v2.txt");
        viewerStarts = true;
        click(form, "Command3"); // the file is gone: no viewer
        const QString out = QDir(path).filePath("_boutsheets_renumbered_v2.txt");
        QCOMPARE(viewed, QStringList({ out, QDir(path).filePath("_current_meet_v2.txt"), out }));
        const QString cannot = "Can't find either c:\\windows\\write.exe or the file to be opened " + shown;
        QCOMPARE(messages,
            QStringList({ cannot + "_boutsheets_renumbered_v2.txt).  Open the file manually",
                cannot + "_current_meet_v2.txt.  Open the file manually" }));

        // Without the mapping file the program ends after its message.
        QCOMPARE(ends, 0);
        click(form, "Command2");
        QCOMPARE(ends, 1);
        QVERIFY(messages.last().contains("same directory (" + QDir::toNativeSeparators(path) + ")"));
    }

    // "Folder..." moves the window to another folder's files, as a start
    // there would; a folder it cannot use is named and the window stays.
    void folderChosenOrRefused()
    {
        TempDir first, second;
        for (const TempDir* dir : { &first, &second }) {
            dir->write("_current_meet_v2.txt", "Bout Mat KV\r\n7   2   12\r\n");
            dir->write("boutsheets.txt", "Riverside\r\n  Bout 12\r\n");
        }
        second.write("_current_meet_v2.txt", "Bout Mat KV\r\n");
        first.write("Notes.Txt", "x");
        const QString start = QString::fromStdString(first.path().string());
        const QString next = QString::fromStdString(second.path().string());
        QStringList messages, choices;
        Form1 form(start,
            { [&](QWidget*, const QString& message) { messages << message; },
                [](const QString&, const QString&) { return true; }, [] {},
                [&](QWidget*, const QString&) { return choices.isEmpty() ? QString() : choices.takeFirst(); } });
        form.show();
        click(form, "Command2");
        QVERIFY(control(form, "Command1")->isVisible());

        const struct {
            QString choice;
            QString message;
            QString folder;
        } steps[] = {
            { QString(), QString(), start },
            { start + "/Gone", "The folder \"" + start + "/Gone\" does not exist.", start },
            { start + "/Notes.Txt", "\"" + start + "/Notes.Txt\" is a file, not a folder.", start },
            { QStringLiteral("/proc"), QStringLiteral("The folder \"/proc\" cannot be written."), start },
            { next, QString(), next },
        };
        for (const auto& step : steps) {
            choices = QStringList { step.choice };
            messages.clear();
            click(form, "FolderButton");
            QCOMPARE(messages, step.message.isEmpty() ? QStringList() : QStringList { step.message });
            QCOMPARE(text(form, "FolderLabel"), step.folder);
        }
        QVERIFY(!control(form, "Command1")->isVisible() && text(form, "Label4").isEmpty());

        // The mapping read in the first folder is not carried over: bout 12
        // keeps no new number of 7 in the second.
        click(form, "Command2");
        QCOMPARE(QByteArray::fromStdString(second.read("_boutsheets_renumbered_v2.txt")),
            QByteArray("  Bout 0  (KV#12)\r\n\r\n"));
    }
};

QTEST_MAIN(Form1Test)
#include "Form1Test.moc"
