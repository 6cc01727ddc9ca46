// The program's entry point. The main dialog is not built yet; until then the
// program starts and ends without a window.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    return 0;
}
