// The program's message boxes, captioned with the application's name, and
// the error box for an error that escapes a message handler.
#pragma once

#include <windows.h>

#include <exception>

// Shows one box and returns the button pressed; MessageBoxA by default.
using MessageBoxFunc = int (*)(HWND hOwner, const char* pszText, const char* pszCaption, UINT nType);

// Puts pfn in place of the box and returns the function it replaces, so that
// an in-process test reads a box's text and icon instead of waiting for a
// modal box.
MessageBoxFunc AfxSetMessageBoxFunc(MessageBoxFunc pfn);

// Owned by the main window, if there is one.
int AfxMessageBox(const char* pszText, UINT nType = MB_OK);
// The text is the string resource nIDPrompt.
int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK);

// Shows the error box for an error caught at a message handler's boundary.
// std::bad_alloc: "Out of memory.", exclamation, system-modal; CFileException:
// its text with the path, stop icon; anything else: "Internal application
// error.", stop icon.
void AfxReportException(HWND hOwner, const std::exception_ptr& pError) noexcept;
