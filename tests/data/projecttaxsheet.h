// Helpers for the tests of the project tax sheet and its blocks.
#pragma once

#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "data/dataclass.h"
#include "platform/recorddc.h"
#include "sheet/printitem.h"
#include "tests/support/printcells.h"
#include "tests/support/render.h"

// Sets the data library's print settings to the program's sheet fonts and pens.
class TaxSheetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        UseSheetPrintSettings(SetDataPrintFont, SetDataPrintTitleFont, SetDataPrintPen, SetDataPrintFramePen);
    }
};

// The check flags of the value cells of page 0, one digit per cell.
inline std::string Checks(const CDataClass& r)
{
    std::string s;
    for (int i = 0; i < r.m_apData[0]->GetSize(); ++i)
        s += char('0' + static_cast<CPrintItemClass*>(r.m_apData[0]->GetAt(i))->m_nCheck);
    return s;
}

// The first text drawn with this UTF-8 content, or null.
inline const CDrawRecord* FindText(const std::vector<CDrawRecord>& texts, const std::string& text)
{
    for (const CDrawRecord& r : texts)
        if (r.text == text) return &r;
    return nullptr;
}

// Grid row of a single-line text drawn in a one-row box, from the sheet's top.
inline int TextRow(const CDrawRecord& r)
{
    return -r.rc.top / 500;
}
