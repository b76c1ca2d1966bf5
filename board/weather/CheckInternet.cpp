#include "board/weather/CheckInternet.h"

#include <algorithm>

#if defined(Q_OS_WIN)
#include <windows.h>
#include <wininet.h>
#else
#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>
#endif

namespace Weather {

bool AnyConnection(const QList<InterfaceState> &interfaces)
{
    return std::any_of(interfaces.begin(), interfaces.end(), [](const InterfaceState &state) {
        return state.up && !state.loopback && state.hasAddress;
    });
}

#if defined(Q_OS_WIN)

bool CheckInternet()
{
    DWORD flags = 0;
    return InternetGetConnectedState(&flags, 0) != FALSE;
}

#else

namespace {

bool IsUsableAddress(const sockaddr *address)
{
    if (!address)
        return false;
    if (address->sa_family == AF_INET)
        return true;
    if (address->sa_family != AF_INET6)
        return false;
    const auto *v6 = reinterpret_cast<const sockaddr_in6 *>(address);
    return !IN6_IS_ADDR_LINKLOCAL(&v6->sin6_addr);
}

} // namespace

bool CheckInternet()
{
    ifaddrs *list = nullptr;
    if (getifaddrs(&list) != 0)
        return false;
    // getifaddrs gives one entry per address, so an interface may appear several times.
    QList<InterfaceState> interfaces;
    for (const ifaddrs *entry = list; entry; entry = entry->ifa_next) {
        InterfaceState state;
        state.up = (entry->ifa_flags & IFF_UP) && (entry->ifa_flags & IFF_RUNNING);
        state.loopback = entry->ifa_flags & IFF_LOOPBACK;
        state.hasAddress = IsUsableAddress(entry->ifa_addr);
        interfaces.append(state);
    }
    freeifaddrs(list);
    return AnyConnection(interfaces);
}

#endif

} // namespace Weather
