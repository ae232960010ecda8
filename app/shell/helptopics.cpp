#include "app/shell/helptopics.h"

#include <algorithm>
#include <iterator>

namespace {

const char kHelpFilePrefix[] = "tavrinapp.chm::/";

const CHelpTopic kTopics[] = {
    {"index.htm", 0},
    // Dialogs of a new project and of the settings.
    {"tavrinapp00000011.htm", 0}, // new project
    {"tavrinapp00000051.htm", 0}, // business settings
    // Data windows and their dialogs.
    {"tavrinapp00000019.htm", 0}, // basic conditions
    {"tavrinapp00000020.htm", 0}, // business rate
    {"tavrinapp00000021.htm", 0}, // building outline
    {"tavrinapp00000022.htm", 0}, // construction costs
    {"tavrinapp00000023.htm", 0}, // costs other than construction
    {"tavrinapp00000024.htm", 0}, // cost accounting
    {"tavrinapp00000025.htm", 0}, // construction taxes
    {"tavrinapp00000026.htm", 0}, // taxes
    {"tavrinapp00000027.htm", 0}, // funding
    {"tavrinapp00000028.htm", 0}, // advance rates
    {"tavrinapp00000029.htm", 0}, // loan details
    {"tavrinapp00000030.htm", 0}, // repair and capital costs
    {"tavrinapp00000031.htm", 0}, // rental types
    {"tavrinapp00000033.htm", 0}, // rental conditions
    {"tavrinapp00000034.htm", 0}, // conditions of the project
    {"tavrinapp00000035.htm", 0}, // conditions outside the project
    {"tavrinapp00000078.htm", 0}, // reverse calculation
    // Tax-rate windows.
    {"tavrinapp00000036.htm", 0},
    {"tavrinapp00000037.htm", 0},
    {"tavrinapp00000038.htm", 0},
    {"tavrinapp00000039.htm", 0},
    {"tavrinapp00000040.htm", 0},
    {"tavrinapp00000041.htm", 0},
    {"tavrinapp00000042.htm", 0},
    {"tavrinapp00000043.htm", 0},
    {"tavrinapp00000044.htm", 0},
    {"tavrinapp00000045.htm", 0},
    {"tavrinapp00000046.htm", 0},
    {"tavrinapp00000047.htm", 0},
    {"tavrinapp00000048.htm", 0},
    {"tavrinapp00000049.htm", 0},
    // Reports.
    {"reportcontrols.htm", 0},
    {"tavrinapp00000062.htm", 0},
    {"tavrinapp00000063.htm", 0},
    {"tavrinapp00000064.htm", 0},
    {"tavrinapp00000065.htm", 0},
    {"tavrinapp00000066.htm", 0},
    {"tavrinapp00000067.htm", 0},
    {"tavrinapp00000068.htm", 0},
    {"tavrinapp00000069.htm", 0},
    {"tavrinapp00000070.htm", 0},
    {"tavrinapp00000071.htm", 0},
    {"tavrinapp00000072.htm", 0},
    {"tavrinapp00000073.htm", 0},
    {"tavrinapp00000074.htm", 0},
    {"tavrinapp00000075.htm", 0},
    {"tavrinapp00000076.htm", 0},
    {"tavrinapp00000077.htm", 0},
    // Printing.
    {"printrange.htm", 0},
    {"tavrinapp00000052.htm", 0}, // report printing
    {"dataprint.htm", 131315},    // input data and blank sheets
    {"tavrinapp00000050.htm", 0}, // tax-rate data
    {"optionprint.htm", 131484},  // option data
};

} // namespace

std::span<const CHelpTopic> HelpTopics()
{
    return kTopics;
}

const char* HelpPageOfContext(UINT nContextID)
{
    const auto* it = std::find_if(std::begin(kTopics), std::end(kTopics),
                                  [nContextID](const CHelpTopic& t) { return t.nContextID == nContextID; });
    return nContextID != 0 && it != std::end(kTopics) ? it->pszPage : kTopics[0].pszPage;
}

CString HelpPageOfPath(const CString& strPath)
{
    const int nPrefix = int(sizeof kHelpFilePrefix) - 1;
    return strPath.Left(nPrefix) == kHelpFilePrefix ? strPath.Mid(nPrefix) : strPath;
}
