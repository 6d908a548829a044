#include "meet/Meet.h"
#include "shell/SettingsControls.h"
#include "support/FakeDialogs.h"
#include "support/TempDir.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QtTest>

using namespace korvanda;

// Two stand-in windows carrying the controls of the settings file by name,
// so the file's rules are tried apart from the real windows.
class SettingsControlsTest : public QObject {
    Q_OBJECT

    struct Windows {
        QWidget team;
        QWidget roster;

        Windows()
        {
            addBox(team, "NumMatsBox", "1");
            for (const char* name : {"AssumePresentCheck", "OmitAbsentsCheck", "BSheetSkillsCheck", "BListSkillsCheck"})
                addCheck(team, name);
            const char* boxes[][2] = {{"IdealDiffAgeBox", "0"}, {"IdealDiffWeightBox", "7"}, {"IdealDiffSkillBox", "0"},
                                      {"MaxDiffAgeBox", "1"},   {"MaxDiffWeightBox", "10"},  {"MaxDiffSkillBox", "2"},
                                      {"MinBoutsBox", "1"},     {"MaxBoutsBox", "3"}};
            for (const auto& box : boxes)
                addBox(roster, box[0], box[1]);
            for (const char* name : {"AgeCheck", "WeightCheck", "SkillCheck", "CompCheck", "SameTeamCheck"})
                addCheck(roster, name);
        }
        static void addBox(QWidget& window, const char* name, const char* text)
        {
            auto* box = new QLineEdit(QString::fromLatin1(text), &window);
            box->setObjectName(QString::fromLatin1(name));
        }
        static void addCheck(QWidget& window, const char* name)
        {
            auto* box = new QCheckBox(&window);
            box->setObjectName(QString::fromLatin1(name));
            box->setChecked(true);
        }
        QString text(QWidget& window, const char* name)
        {
            return window.findChild<QLineEdit*>(QString::fromLatin1(name))->text();
        }
        Qt::CheckState state(QWidget& window, const char* name)
        {
            return window.findChild<QCheckBox*>(QString::fromLatin1(name))->checkState();
        }
    };

private slots:
    void missingFileKeepsDefaults()
    {
        TempDir dir;
        Meet meet;
        meet.directory = dir.path();
        Windows w;
        loadSettings(meet, w.team, w.roster);
        QCOMPARE(w.text(w.roster, "MaxDiffWeightBox"), QStringLiteral("10"));
        QCOMPARE(w.state(w.team, "OmitAbsentsCheck"), Qt::Checked);
    }

    void recordsApplyByNameAndOddOnesAreSkipped()
    {
        TempDir dir;
        dir.write("KorvandaSettings.Csv", "2,\"TextBox\",\"MaxDiffWeightBox\",\"12\"\r\n"
                                          "3,\"TextBox\",\"MaxDiffAgeBox\",\"9\"\r\n"
                                          "2,\"TextBox\",\"NoSuchBox\",\"9\"\r\n"
                                          "1,\"CheckBox\",\"OmitAbsentsCheck\",0\r\n"
                                          "1,\"CheckBox\",\"BListSkillsCheck\",2\r\n"
                                          "1,\"CheckBox\",\"AssumePresentCheck\",7\r\n"
                                          "2,\"TextBox\",\"IdealDiffSkillBox\",\"1,5\"\r\n"
                                          "2,\"TextBox\",\"MaxDiffWeightBox\",\"14\"\r\n");
        Meet meet;
        meet.directory = dir.path();
        Windows w;
        loadSettings(meet, w.team, w.roster);
        QCOMPARE(w.text(w.roster, "MaxDiffWeightBox"), QStringLiteral("14"));
        QCOMPARE(w.text(w.roster, "MaxDiffAgeBox"), QStringLiteral("1"));
        QCOMPARE(w.text(w.roster, "IdealDiffSkillBox"), QStringLiteral("1,5"));
        QCOMPARE(w.state(w.team, "OmitAbsentsCheck"), Qt::Unchecked);
        QCOMPARE(w.state(w.team, "BListSkillsCheck"), Qt::PartiallyChecked);
        QCOMPARE(w.state(w.team, "AssumePresentCheck"), Qt::Checked);
    }

    void savesEighteenLinesOncePerRun()
    {
        TempDir dir;
        Meet meet;
        meet.directory = dir.path();
        Windows w;
        FakeDialogs dialogs;
        w.team.findChild<QCheckBox*>(QStringLiteral("OmitAbsentsCheck"))->setChecked(false);
        w.roster.findChild<QLineEdit*>(QStringLiteral("MinBoutsBox"))->setText(QStringLiteral("1,5"));
        saveSettings(meet, dialogs, w.team, w.roster);
        const std::string expected = "1,\"TextBox\",\"NumMatsBox\",\"1\"\r\n"
                                     "1,\"CheckBox\",\"AssumePresentCheck\",1\r\n"
                                     "1,\"CheckBox\",\"OmitAbsentsCheck\",0\r\n"
                                     "1,\"CheckBox\",\"BSheetSkillsCheck\",1\r\n"
                                     "1,\"CheckBox\",\"BListSkillsCheck\",1\r\n"
                                     "2,\"TextBox\",\"IdealDiffAgeBox\",\"0\"\r\n"
                                     "2,\"TextBox\",\"IdealDiffWeightBox\",\"7\"\r\n"
                                     "2,\"TextBox\",\"IdealDiffSkillBox\",\"0\"\r\n"
                                     "2,\"TextBox\",\"MaxDiffAgeBox\",\"1\"\r\n"
                                     "2,\"TextBox\",\"MaxDiffWeightBox\",\"10\"\r\n"
                                     "2,\"TextBox\",\"MaxDiffSkillBox\",\"2\"\r\n"
                                     "2,\"TextBox\",\"MinBoutsBox\",\"1,5\"\r\n"
                                     "2,\"TextBox\",\"MaxBoutsBox\",\"3\"\r\n"
                                     "2,\"CheckBox\",\"AgeCheck\",1\r\n"
                                     "2,\"CheckBox\",\"WeightCheck\",1\r\n"
                                     "2,\"CheckBox\",\"SkillCheck\",1\r\n"
                                     "2,\"CheckBox\",\"CompCheck\",1\r\n"
                                     "2,\"CheckBox\",\"SameTeamCheck\",1\r\n";
        QCOMPARE(dir.read("KorvandaSettings.Csv"), expected);
        QVERIFY(meet.settingsSaved);

        w.roster.findChild<QLineEdit*>(QStringLiteral("MinBoutsBox"))->setText(QStringLiteral("2"));
        saveSettings(meet, dialogs, w.team, w.roster);
        QCOMPARE(dir.read("KorvandaSettings.Csv"), expected);

        Windows fresh;
        loadSettings(meet, fresh.team, fresh.roster);
        QCOMPARE(fresh.text(fresh.roster, "MinBoutsBox"), QStringLiteral("1,5"));
        QCOMPARE(fresh.state(fresh.team, "OmitAbsentsCheck"), Qt::Unchecked);
        QVERIFY(dialogs.shown.empty());
    }
};

QTEST_MAIN(SettingsControlsTest)
#include "SettingsControlsTest.moc"
