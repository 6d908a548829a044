#pragma once

#include "bouts/PrintChoices.h"

#include <QStringList>

// Answers "which list?" and "which file?" from its fields without a window,
// and records what was asked.
class FakePrintChoices : public korvanda::PrintChoices {
public:
    std::optional<korvanda::MeetList> chooseList(QWidget*, const QString& title) override
    {
        listTitles.append(title);
        return list;
    }
    QString choosePdfFile(QWidget*, const QString& suggested) override
    {
        suggestedFiles.append(suggested);
        return file;
    }

    std::optional<korvanda::MeetList> list; // nothing: the director cancels
    QString file; // empty: the director cancels
    QStringList listTitles;
    QStringList suggestedFiles;
};
