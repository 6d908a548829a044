#include "roster/WrestlerScreen.h"

#include "meet/Meet.h"
#include "meet/TableModels.h"
#include "meet/TableView.h"

#include <QHBoxLayout>

namespace korvanda {

WrestlerScreen::WrestlerScreen(Meet& meet, TableModels& models, Dialogs& dialogs, QWidget* parent)
    : WorkingWindow(QStringLiteral("WrestlerScreen"), tr("Roster of All Wrestlers"), parent), meet_(meet),
      models_(models), dialogs_(dialogs)
{
    auto* central = new QWidget(this);
    auto* layout = new QHBoxLayout(central);
    roster_ = new TableView(meet_.roster, models_.roster(), central);
    roster_->setObjectName(QStringLiteral("Roster"));
    layout->addWidget(roster_, 1);
    setCentralWidget(central);
    resize(1100, 640);
}

void WrestlerScreen::load()
{
    meet_.currentRow = 1;
    meet_.handMatchesMade = false;
}

} // namespace korvanda
