#pragma once

#include <QList>

// Whether the system has a network connection; the weather service itself is not tried.
namespace Weather {

struct InterfaceState
{
    bool up = false;
    bool loopback = false;
    bool hasAddress = false; // an IPv4 address, or an IPv6 one beyond link-local
};

// A connection is an interface other than loopback that is up and has an address.
bool AnyConnection(const QList<InterfaceState> &interfaces);

bool CheckInternet();

} // namespace Weather
