#include "widgets/SettingsControls.h"
#include "meet/Meet.h"
#include "meet/SettingsFile.h"
#include "support/FakeDialogs.h"
#include "support/TempDir.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QtTest>

using namespace korvanda;

class SettingsControlsTest : public QObject {
    Q_OBJECT

private slots:
    // What the file puts into the controls shows in what is written back:
    // the last record of a control wins, records for another window or an
    // unknown control and check states other than 0, 1, 2 are skipped.
    void recordsApplyByNameAndEighteenLinesAreWrittenOnce()
    {
        // Stand-ins for the two windows: each text box holds its line number,
        // each check box is checked. The expected bytes below pin the names.
        QWidget team;
        QWidget roster;
        int line = 0;
        for (const SettingRecord& c : savedControls()) {
            QWidget* window = c.window == 1 ? &team : &roster;
            const QString text = QString::number(++line);
            QWidget* control = c.kind == ControlKind::TextBox ? static_cast<QWidget*>(new QLineEdit(text, window))
                                                              : new QCheckBox(window);
            control->setObjectName(QString::fromStdString(c.control));
            if (auto* check = qobject_cast<QCheckBox*>(control))
                check->setChecked(true);
        }
        TempDir dir;
        dir.write("KorvandaSettings.Csv",
            "2,\"TextBox\",\"MaxDiffWeightBox\",\"12\"\r\n"
            "3,\"TextBox\",\"MaxDiffAgeBox\",\"0\"\r\n"
            "1,\"TextBox\",\"MaxDiffAgeBox\",\"0\"\r\n"
            "2,\"TextBox\",\"NoSuchBox\",\"0\"\r\n"
            "1,\"CheckBox\",\"OmitAbsentsCheck\",0\r\n"
            "1,\"CheckBox\",\"BListSkillsCheck\",2\r\n"
            "1,\"CheckBox\",\"AssumePresentCheck\",7\r\n"
            "2,\"TextBox\",\"MinBoutsBox\",\"1,5\"\r\n"
            "2,\"TextBox\",\"MaxDiffWeightBox\",\"14\"\r\n");
        Meet meet;
        meet.directory = dir.path();
        FakeDialogs dialogs;
        loadSettings(meet, team, roster);
        saveSettings(meet, dialogs, team, roster);
        const std::string expected = "1,\"TextBox\",\"NumMatsBox\",\"1\"\r\n"
                                     "1,\"CheckBox\",\"AssumePresentCheck\",1\r\n"
                                     "1,\"CheckBox\",\"OmitAbsentsCheck\",0\r\n"
                                     "1,\"CheckBox\",\"BSheetSkillsCheck\",1\r\n"
                                     "1,\"CheckBox\",\"BListSkillsCheck\",2\r\n"
                                     "2,\"TextBox\",\"IdealDiffAgeBox\",\"6\"\r\n"
                                     "2,\"TextBox\",\"IdealDiffWeightBox\",\"7\"\r\n"
                                     "2,\"TextBox\",\"IdealDiffSkillBox\",\"8\"\r\n"
                                     "2,\"TextBox\",\"MaxDiffAgeBox\",\"9\"\r\n"
                                     "2,\"TextBox\",\"MaxDiffWeightBox\",\"14\"\r\n"
                                     "2,\"TextBox\",\"MaxDiffSkillBox\",\"11\"\r\n"
                                     "2,\"TextBox\",\"MinBoutsBox\",\"1,5\"\r\n"
                                     "2,\"TextBox\",\"MaxBoutsBox\",\"13\"\r\n"
                                     "2,\"CheckBox\",\"AgeCheck\",1\r\n"
                                     "2,\"CheckBox\",\"WeightCheck\",1\r\n"
                                     "2,\"CheckBox\",\"SkillCheck\",1\r\n"
                                     "2,\"CheckBox\",\"CompCheck\",1\r\n"
                                     "2,\"CheckBox\",\"SameTeamCheck\",1\r\n";
        QCOMPARE(dir.read("KorvandaSettings.Csv"), expected);

        // Later close steps of the same run write nothing.
        roster.findChild<QLineEdit*>(QStringLiteral("MinBoutsBox"))->setText(QStringLiteral("2"));
        saveSettings(meet, dialogs, team, roster);
        QCOMPARE(dir.read("KorvandaSettings.Csv"), expected);
        QVERIFY(dialogs.shown.empty());
    }
};

QTEST_MAIN(SettingsControlsTest)
#include "SettingsControlsTest.moc"
