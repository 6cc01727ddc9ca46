// The application: starts the common controls and the sockets layer, then
// runs the main dialog until it ends.
#pragma once

#include "framework/App.h"

class CConfigApp : public CWinApp
{
public:
    // FALSE in every case: the program ends when the dialog has ended.
    BOOL InitInstance() override;
};
