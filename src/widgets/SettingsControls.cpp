#include "widgets/SettingsControls.h"

#include "meet/Dialogs.h"
#include "meet/Meet.h"
#include "meet/Numbers.h"
#include "meet/QtText.h"
#include "meet/SettingsFile.h"
#include "meet/TextFile.h"

#include <QCheckBox>
#include <QLineEdit>

namespace korvanda {

namespace {

QWidget* windowNumbered(int number, QWidget& teamScreen, QWidget& wrestlerScreen)
{
    if (number == 1)
        return &teamScreen;
    if (number == 2)
        return &wrestlerScreen;
    return nullptr;
}

void apply(const SettingRecord& record, QWidget& window)
{
    const QString name = toQt(record.control);
    if (record.kind == ControlKind::TextBox) {
        if (auto* box = window.findChild<QLineEdit*>(name))
            box->setText(toQt(record.value));
        return;
    }
    auto* box = window.findChild<QCheckBox*>(name);
    const auto state = readSingle(record.value);
    if (!box || !state)
        return;
    const double whole = roundHalfEven(*state);
    if (whole == 0)
        box->setCheckState(Qt::Unchecked);
    else if (whole == 1)
        box->setCheckState(Qt::Checked);
    else if (whole == 2)
        box->setCheckState(Qt::PartiallyChecked);
}

std::string valueOf(const SettingRecord& control, QWidget& window)
{
    const QString name = toQt(control.control);
    if (control.kind == ControlKind::TextBox) {
        auto* box = window.findChild<QLineEdit*>(name);
        return box ? fromQt(box->text()) : std::string();
    }
    auto* box = window.findChild<QCheckBox*>(name);
    if (!box)
        return "0";
    switch (box->checkState()) {
    case Qt::Checked:
        return "1";
    case Qt::PartiallyChecked:
        return "2";
    case Qt::Unchecked:
        break;
    }
    return "0";
}

} // namespace

void loadSettings(const Meet& meet, QWidget& teamScreen, QWidget& wrestlerScreen)
{
    const auto text = readWholeFile(meet.directory / settingsFileName);
    if (!text)
        return;
    for (const auto& record : parseSettingsFile(*text))
        if (QWidget* window = windowNumbered(record.window, teamScreen, wrestlerScreen))
            apply(record, *window);
}

void saveSettings(Meet& meet, Dialogs& dialogs, QWidget& teamScreen, QWidget& wrestlerScreen)
{
    if (meet.settingsSaved)
        return;
    std::vector<SettingRecord> records = savedControls();
    for (auto& record : records)
        record.value = valueOf(record, *windowNumbered(record.window, teamScreen, wrestlerScreen));
    if (!saveFileSafely(meet.directory / settingsFileName, settingsFileText(records))) {
        dialogs.inform("Unable to save settings.");
        return;
    }
    meet.settingsSaved = true;
}

} // namespace korvanda
