#pragma once

#include <QStringList>

namespace korvanda {

// Every address of this computer a phone on the same network may reach it
// at: the IPv4 addresses of the interfaces that are up, loopback left out.
QStringList laptopAddresses();

} // namespace korvanda
