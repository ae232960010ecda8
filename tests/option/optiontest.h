// Helpers for the option record tests: print settings, sheet inspection and
// the copy round trip.
#pragma once

#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "option/optionclass.h"
#include "platform/codepage.h"
#include "platform/recorddc.h"
#include "sheet/printitem.h"
#include "tests/support/printcells.h"
#include "tests/support/render.h"

// The fonts and pens the print command hands to the option library.
inline void UseSheetPrintSettings()
{
    UseSheetPrintSettings(SetOptionPrintFont, SetOptionPrintTitleFont, SetOptionPrintPen, SetOptionPrintFramePen);
}

class OptionSheetTest : public ::testing::Test {
protected:
    void SetUp() override { UseSheetPrintSettings(); }
    CRecordDC m_dc;
};

inline const CPrintItemClass* ItemAt(const CObArray* pArray, int i)
{
    return pArray ? static_cast<const CPrintItemClass*>(pArray->GetAt(i)) : nullptr;
}

// Indexes of the ticked cells.
inline std::vector<int> Ticked(const CObArray* pArray)
{
    std::vector<int> cells;
    for (int i = 0; pArray && i < pArray->GetSize(); ++i)
        if (ItemAt(pArray, i)->m_nCheck) cells.push_back(i);
    return cells;
}

// Drawn texts equal to a UTF-8 text, in drawing order.
inline std::vector<CDrawRecord> TextsOf(const CRecordDC& dc, const std::string& text)
{
    std::vector<CDrawRecord> found;
    for (const CDrawRecord& r : dc.RecordsOf(CDrawRecord::Text))
        if (r.text == text) found.push_back(r);
    return found;
}

// Copy construction and assignment keep the sheet state and every value.
template <class T, class Same>
void ExpectCopiesKeepValues(const T& source, Same same)
{
    T copy(source);
    T assigned;
    assigned = source;
    for (const T* r : {&copy, &assigned}) {
        EXPECT_TRUE(same(*r, source));
        EXPECT_EQ(r->m_nPage, source.m_nPage);
        EXPECT_EQ(r->m_strTitle, source.m_strTitle);
        EXPECT_EQ(r->m_anPrintFlag[0][3], source.m_anPrintFlag[0][3]);
    }
}

// Equal elements of two arrays of n.
template <class T>
bool SameArray(const T* a, const T* b, int n)
{
    for (int i = 0; i < n; ++i)
        if (!(a[i] == b[i])) return false;
    return true;
}
