#include "resource.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

namespace
{
#pragma pack(push, 2)
struct GroupIconEntry
{
    BYTE bWidth;
    BYTE bHeight;
    BYTE bColorCount;
    BYTE bReserved;
    WORD wPlanes;
    WORD wBitCount;
    DWORD dwBytesInRes;
    WORD nID;
};
struct GroupIconDir
{
    WORD idReserved;
    WORD idType;
    WORD idCount;
    GroupIconEntry entries[1];
};
#pragma pack(pop)

// The bitmap's pixels, top row first, as 0x00RRGGBB.
std::vector<DWORD> PixelsOf(HBITMAP hBitmap, int cx, int cy)
{
    std::vector<DWORD> pixels(static_cast<size_t>(cx * cy));
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = cx;
    info.bmiHeader.biHeight = -cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    const HDC hDC = GetDC(nullptr);
    GetDIBits(hDC, hBitmap, 0, static_cast<UINT>(cy), pixels.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, hDC);
    return pixels;
}

int Red(DWORD p) { return static_cast<int>((p >> 16) & 0xFF); }
int Green(DWORD p) { return static_cast<int>((p >> 8) & 0xFF); }
int Blue(DWORD p) { return static_cast<int>(p & 0xFF); }
} // namespace

TEST(Resources, ProgramIconHas16_32_48PixelImagesOf256Colours)
{
    const HMODULE hModule = GetModuleHandleA(nullptr);
    const HRSRC hGroup = FindResourceA(hModule, MAKEINTRESOURCEA(IDR_MAINFRAME), MAKEINTRESOURCEA(14)); // RT_GROUP_ICON
    ASSERT_NE(nullptr, hGroup);
    const auto* pDir = static_cast<const GroupIconDir*>(LockResource(LoadResource(hModule, hGroup)));
    ASSERT_EQ(3, pDir->idCount);
    const int sizes[] = {16, 32, 48};
    for (int i = 0; i < 3; ++i)
    {
        EXPECT_EQ(sizes[i], pDir->entries[i].bWidth);
        EXPECT_EQ(sizes[i], pDir->entries[i].bHeight);
        EXPECT_EQ(8, pDir->entries[i].wBitCount);
        const HICON hIcon = static_cast<HICON>(
            LoadImageA(hModule, MAKEINTRESOURCEA(IDR_MAINFRAME), IMAGE_ICON, sizes[i], sizes[i], 0));
        ASSERT_NE(nullptr, hIcon) << sizes[i];
        DestroyIcon(hIcon);
    }
}

TEST(Resources, SeverityStripHoldsInformationWarningErrorOnMagenta)
{
    const HBITMAP hBitmap = static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_LOG_ICONS),
                                                            IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    ASSERT_NE(nullptr, hBitmap);
    DIBSECTION dib = {};
    ASSERT_EQ(static_cast<int>(sizeof dib), GetObjectA(hBitmap, sizeof dib, &dib));
    EXPECT_EQ(48, dib.dsBm.bmWidth);
    EXPECT_EQ(16, dib.dsBm.bmHeight);
    EXPECT_EQ(8, dib.dsBm.bmBitsPixel);
    const std::vector<DWORD> pixels = PixelsOf(hBitmap, 48, 16);
    DeleteObject(hBitmap);

    // Per cell: corners transparent, and the pixels of its sign's colours.
    int blue[3] = {}, yellow[3] = {}, red[3] = {}, white[3] = {};
    for (int y = 0; y < 16; ++y)
    {
        for (int x = 0; x < 48; ++x)
        {
            const DWORD p = pixels[static_cast<size_t>(y * 48 + x)];
            const int cell = x / 16;
            blue[cell] += Blue(p) > 150 && Red(p) < 80 && Green(p) < 120;
            yellow[cell] += Red(p) > 220 && Green(p) > 180 && Blue(p) < 80;
            red[cell] += Red(p) > 180 && Green(p) < 80 && Blue(p) < 80;
            white[cell] += Red(p) > 220 && Green(p) > 200 && Blue(p) > 200;
        }
    }
    for (int cell = 0; cell < 3; ++cell)
    {
        EXPECT_EQ(0xFF00FFu, pixels[static_cast<size_t>(cell * 16)]) << cell;
        EXPECT_EQ(0xFF00FFu, pixels[static_cast<size_t>(15 * 48 + cell * 16 + 15)]) << cell;
    }
    EXPECT_GT(blue[0], 10);
    EXPECT_EQ(0, yellow[0] + red[0]);
    EXPECT_GT(yellow[1], 40);
    EXPECT_EQ(0, blue[1] + red[1]);
    EXPECT_GT(red[2], 60);
    EXPECT_GT(white[2], 6);
    EXPECT_EQ(0, blue[2] + yellow[2]);
}
