#include "app/AboutScreen.h"

#include "widgets/WindowPlacement.h"

#include <QKeySequence>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace korvanda {

AboutScreen::AboutScreen(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("AboutScreen"));
    setWindowTitle(tr("About Korvanda"));
    auto* layout = new QVBoxLayout(this);
    auto* notice = new QTextBrowser(this);
    notice->setObjectName(QStringLiteral("NoticeText"));
    notice->setHtml(tr("<h2>Korvanda</h2>"
                       "<p>Version 0.10</p>"
                       "<p>Korvanda runs a youth wrestling meet: it keeps the team list and the rosters, "
                       "pairs the wrestlers who are present into bouts within limits on age, weight and skill, "
                       "orders the bouts so that every wrestler gets rest, spreads them over the mats, records "
                       "the results and writes the rosters, bout lists, score sheets and a team tally for printing.</p>"
                       "<p><b>Restrictions and warnings.</b> The pairings are proposals made by a program. "
                       "The meet director must check every bout before the meet begins and change any pairing "
                       "that is not safe or fair for the children on the mat. The program is provided as it is, "
                       "without any warranty. Korvanda is free software: you may share and change it under the "
                       "terms of the GNU General Public License, version 3 or (at your option) any later version.</p>"
                       "<p>The meet is saved to Restore.Csv after most changes; use Restore on the team list "
                       "to take an interrupted meet up again.</p>"));
    notice->setAccessibleName(tr("About Korvanda, notice"));
    layout->addWidget(notice);
    WindowPlacement::keep(*this, { 520, 380 });
    // It is read and put away, like a dialog.
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);
}

} // namespace korvanda
