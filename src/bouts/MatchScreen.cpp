#include "bouts/MatchScreen.h"

#include "meet/Meet.h"
#include "meet/TableModels.h"
#include "meet/TableView.h"

#include <QHBoxLayout>

namespace korvanda {

MatchScreen::MatchScreen(Meet& meet, TableModels& models, Dialogs& dialogs, QWidget* parent)
    : WorkingWindow(QStringLiteral("MatchScreen"), tr("Bout List"), parent), meet_(meet), models_(models),
      dialogs_(dialogs)
{
    auto* central = new QWidget(this);
    auto* layout = new QHBoxLayout(central);
    boutGrid_ = new TableView(meet_.boutGrid, models_.boutGrid(), central);
    boutGrid_->setObjectName(QStringLiteral("BoutGrid"));
    layout->addWidget(boutGrid_, 1);
    setCentralWidget(central);
    resize(1200, 640);
}

} // namespace korvanda
