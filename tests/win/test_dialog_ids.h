#pragma once
// Resource ids of the win tests' own dialog templates.

#define IDD_TEST_DIALOG 9001
#define IDC_TEST_EDIT 9101
#define IDC_TEST_BUTTON 9102
#define IDR_TEST_BUTTON_PNG 9201  // 8 x 20: rows 0-9 opaque RGB(100, 150, 200), rows 10-19 clear
