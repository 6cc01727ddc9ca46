// Plays another program that holds a file open for reading and writing and
// shares it with no one, until it is told to let go.
//   celvane_locker <path>
// Once the file is held it writes "1" to its standard output, or "0" when the
// file cannot be opened, and then holds it until its standard input ends.
// Exit code 0 after holding the file; 1 without a path; 2 when the file could
// not be opened.
#include <windows.h>

namespace
{
void Say(const char* pszWhat)
{
    DWORD dwWritten = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), pszWhat, 1, &dwWritten, nullptr);
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
        return 1;
    HANDLE hFile = CreateFileA(argv[1], GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
    {
        Say("0");
        return 2;
    }
    Say("1");

    // The test closes its end of the pipe when the file is to be let go; a
    // test that ends abruptly closes it as well.
    char buffer[64];
    DWORD dwRead = 0;
    while (ReadFile(GetStdHandle(STD_INPUT_HANDLE), buffer, sizeof buffer, &dwRead, nullptr) && dwRead > 0)
    {
    }
    CloseHandle(hFile);
    return 0;
}
