// Rows of the two rental pages: twenty text cells each.
#pragma once

#include "platform/cstring.h"
#include "result/pages/resultobject.h"

// Twenty cells; an index outside them is ignored by SetText and gives an
// empty text from GetText.
class CResultTextCellsClass : public CResultObjectClass {
public:
    static constexpr int kCells = 20;

    void SetText(int nIndex, CString strText)
    {
        if (nIndex >= 0 && nIndex < kCells) m_astrText[nIndex] = strText;
    }
    CString GetText(int nIndex) const { return nIndex >= 0 && nIndex < kCells ? m_astrText[nIndex] : CString(); }

    CString m_astrText[kCells];
};

// One attribute of the rental conditions detail page, cell i for rental line i.
class CResultRentalTypeItemClass : public CResultTextCellsClass {
};

// One column of the rental basic items page, cell j for rental category j.
class CResultRentalBasicItemClass : public CResultTextCellsClass {
};
