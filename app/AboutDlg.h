// The about box, opened from the main dialog's system menu.
#pragma once

#include "framework/Dialog.h"

#include "resource.h"

class CAboutDlg : public CDialog
{
public:
    CAboutDlg() : CDialog(IDD_ABOUTBOX, nullptr) {}
};
