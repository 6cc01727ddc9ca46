// Resource identifiers of Celvane.
#pragma once

#define IDD_ABOUTBOX                100
#define IDS_ABOUTBOX                101
#define IDD_CONFIG_DIALOG           102
#define IDS_SOCKETS_INIT_FAILED     103
#define IDB_LOG_ICONS               130
#define IDR_MAINFRAME               131

#define IDC_STATIC                  -1
#define IDC_SHORT_NAME              1001
#define IDC_FULL_NAME               1002
#define IDC_IP_ADDRESS              1004
#define IDC_LOG_LIST                1005
#define IDC_CONFIGURE               1006
#define IDC_NEXT_ADDRESS            1007

#define IDM_ABOUTBOX                0x0010
