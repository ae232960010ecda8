// Command ids and private messages of the program's windows.
#pragma once

#include "platform/afxtypes.h"

// Framework commands.
constexpr UINT ID_FILE_NEW = 57600;
constexpr UINT ID_FILE_OPEN = 57601;
constexpr UINT ID_FILE_CLOSE = 57602;
constexpr UINT ID_FILE_SAVE = 57603;
constexpr UINT ID_FILE_SAVE_AS = 57604;
constexpr UINT ID_FILE_PRINT_SETUP = 57606;
constexpr UINT ID_FILE_PRINT = 57607;
constexpr UINT ID_FILE_PRINT_DIRECT = 57608;
constexpr UINT ID_FILE_PRINT_PREVIEW = 57609;
// The recently used files of the File menu, 57616 the newest.
constexpr UINT ID_FILE_MRU_FILE1 = 57616;
constexpr UINT ID_APP_ABOUT = 57664;
constexpr UINT ID_APP_EXIT = 57665;
constexpr UINT ID_HELP = 57670;
constexpr UINT ID_VIEW_STATUS_BAR = 59393;

// Program commands.
constexpr UINT ID_DOCUMENT_CLOSED = 400;
constexpr UINT ID_DATA_SAVE = 1225;
constexpr UINT ID_DATA_CANCEL = 1226;
constexpr UINT ID_DATA_PREV = 1227;
constexpr UINT ID_DATA_NEXT = 1228;
constexpr UINT ID_TAX_FILE_LOAD = 1250;
constexpr UINT ID_TAX_FILE_SAVE = 1251;
constexpr UINT ID_IMPORT_LEGACY = 10000;
constexpr UINT ID_VIEW_PAPER_RESET = 920;
// Window-opening commands: data 20000-20010, results 20100-20115, tax rates
// 20200-20213, options 20300-20306.
constexpr UINT ID_DATA_BASIC = 20000;
constexpr UINT ID_DATA_RENTAL_BASIC = 20007;
constexpr UINT ID_DATA_CALCULATE = 20011;
constexpr UINT ID_RESULT_BASIC1 = 20100;
constexpr UINT ID_RESULT_BALANCE_TAX = 20115;
constexpr UINT ID_PAPER_B4 = 20150;
constexpr UINT ID_PAPER_A4 = 20151;
constexpr UINT ID_TAX_MUNICIPAL = 20200;
constexpr UINT ID_OPTION_BUSINESS_RATE = 20300;
constexpr UINT ID_YEAR_SETTING = 20400;
constexpr UINT ID_BUSINESS_SETTING = 20401;
constexpr UINT ID_RESULT_PREV = 21100;
constexpr UINT ID_RESULT_NEXT = 21101;
constexpr UINT IDC_RESULT_YEAR = 21102;
constexpr UINT ID_RESULT_WORKYEAR = 21103;
constexpr UINT ID_RESULT_BACK5 = 21104;
constexpr UINT ID_RESULT_BACK1 = 21105;
constexpr UINT ID_RESULT_FORWARD1 = 21106;
constexpr UINT ID_RESULT_FORWARD5 = 21107;
constexpr UINT ID_RESULT_LASTYEAR = 21108;
constexpr UINT ID_RESULT_CLOSE = 21109;
constexpr UINT ID_PRINT_BLANK_FORMS = 25000;
constexpr UINT ID_PRINT_DATA = 25001;
constexpr UINT ID_PRINT_RESULT = 25002;
constexpr UINT ID_PRINT_TAX_DATA = 25003;
constexpr UINT ID_PRINT_OPTION = 25004;
constexpr UINT ID_PRINT_TAX = 25006;
constexpr UINT ID_HELP_TOPIC = 26001;
constexpr UINT ID_HELP_RESULT_TOPIC = 26002;
constexpr UINT ID_VIEW_FILE_BAR = 32771;
constexpr UINT ID_VIEW_DATA_BAR = 32772;
constexpr UINT ID_VIEW_REPORT_BAR = 32773;
constexpr UINT ID_VIEW_TAX_BAR = 32774;
constexpr UINT ID_VIEW_TAX_BAR2 = 32775;
constexpr UINT ID_VIEW_ITEMBOX = 32777;
constexpr UINT ID_HELP_CONTENTS = 32787;
constexpr UINT ID_HELP_SEARCH = 32788;
constexpr UINT ID_HELP_NOTHING = 32789;
constexpr UINT ID_TEXT_OUTPUT = 32790;
constexpr UINT ID_REVERSE_CALC = 32793;

// Item-box tabs.
constexpr int ITEMBOX_FILE = 0;
constexpr int ITEMBOX_DATA = 1;
constexpr int ITEMBOX_REPORT = 2;
constexpr int ITEMBOX_TAX = 3;
constexpr int ITEMBOX_TABS = 4;
