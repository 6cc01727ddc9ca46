// The program's entry point and its one application object. They live apart
// from the rest so that the tests can link everything else.
#include "app/ConfigApp.h"

CConfigApp theApp;

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    return AfxWinMain();
}
