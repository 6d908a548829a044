#include "widgets/SpokenNames.h"

#include <QWidget>

namespace korvanda {

QString shownWords(const QString& caption)
{
    QString words;
    for (qsizetype k = 0; k < caption.size(); ++k) {
        // "&&" shows one ampersand; a single one only marks the access key.
        if (caption[k] == QLatin1Char('&') && ++k == caption.size())
            break;
        words.append(caption[k]);
    }
    return words.simplified();
}

void nameAfterLabel(QWidget* control, const QString& labelCaption, const QString& detail, const QString& description)
{
    QString name = shownWords(labelCaption);
    if (!detail.isEmpty())
        name += QStringLiteral(", ") + detail;
    control->setAccessibleName(name);
    if (!description.isEmpty())
        control->setAccessibleDescription(description);
}

} // namespace korvanda
