// Start-up of the sockets layer, version 1.1, for the whole program.
#pragma once

#include <winsock2.h>
#include <windows.h>

// FALSE when the sockets layer cannot be started. It is shut down again when
// the program ends.
BOOL AfxSocketInit();

// Puts pfn in place of WSAStartup and returns the function it replaces, so a
// test can make the start fail.
using SocketStartupFunc = int(WSAAPI*)(WORD wVersionRequested, LPWSADATA lpWSAData);
SocketStartupFunc AfxSetSocketStartupFunc(SocketStartupFunc pfn);
