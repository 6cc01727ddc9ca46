#include "framework/Sockets.h"

namespace
{
SocketStartupFunc g_pfnStartup = &WSAStartup;

class CSocketLayer
{
public:
    ~CSocketLayer()
    {
        while (m_nStarted-- > 0)
            WSACleanup();
    }
    int m_nStarted = 0;
};

CSocketLayer g_socketLayer;
} // namespace

BOOL AfxSocketInit()
{
    WSADATA data = {};
    if (g_pfnStartup(MAKEWORD(1, 1), &data) != 0)
        return FALSE;
    ++g_socketLayer.m_nStarted;
    return TRUE;
}

SocketStartupFunc AfxSetSocketStartupFunc(SocketStartupFunc pfn)
{
    SocketStartupFunc pfnPrevious = g_pfnStartup;
    g_pfnStartup = pfn != nullptr ? pfn : &WSAStartup;
    return pfnPrevious;
}
