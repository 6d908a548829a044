#include "meet/TableModels.h"

namespace korvanda {

TableModels::TableModels(Meet& meet, QObject* parent)
    : QObject(parent)
    , teamList_(meet.teamList)
    , roster_(meet.roster)
    , boutGrid_(meet.boutGrid)
{
}

void TableModels::refresh()
{
    teamList_.refresh();
    roster_.refresh();
    boutGrid_.refresh();
    emit refreshed();
}

} // namespace korvanda
