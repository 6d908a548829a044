#include "network/LaptopAddresses.h"

#include <QNetworkInterface>

namespace korvanda {

QStringList laptopAddresses()
{
    QStringList addresses;
    for (const QNetworkInterface& interface : QNetworkInterface::allInterfaces()) {
        const auto flags = interface.flags();
        if (!(flags & QNetworkInterface::IsUp) || !(flags & QNetworkInterface::IsRunning)
            || (flags & QNetworkInterface::IsLoopBack))
            continue;
        for (const QNetworkAddressEntry& entry : interface.addressEntries()) {
            const QHostAddress address = entry.ip();
            if (address.protocol() == QAbstractSocket::IPv4Protocol && !address.isLoopback())
                addresses.append(address.toString());
        }
    }
    addresses.removeDuplicates();
    return addresses;
}

} // namespace korvanda
