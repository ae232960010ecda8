#include <gtest/gtest.h>

#include "app/data/dataframes.h"
#include "app/taxopt/optionparentframe.h"
#include "app/taxopt/taxparentframe.h"
#include "screentest.h"

namespace {

using ScreenKitTest = ScreenTest;

// Previous and next at the ends of each family of windows.
template <class Frame>
std::pair<BOOL, BOOL> PrevNextEnabled(CTavrinProjectDoc* pDoc)
{
    Frame frame(pDoc);
    return {frame.IsCommandEnabled(ID_DATA_PREV), frame.IsCommandEnabled(ID_DATA_NEXT)};
}

} // namespace

TEST_F(ScreenKitTest, FamilyEnds)
{
    const std::pair<BOOL, BOOL> both{TRUE, TRUE};
    EXPECT_EQ(PrevNextEnabled<CDataOutlineFrame>(m_pDoc), both);
    EXPECT_EQ(PrevNextEnabled<CDataRestOtherFrame>(m_pDoc), std::make_pair(TRUE, FALSE));
    EXPECT_EQ(PrevNextEnabled<CTaxMunicipalFrame>(m_pDoc), std::make_pair(FALSE, TRUE));
    EXPECT_EQ(PrevNextEnabled<CTaxIncomeFrame>(m_pDoc), both);
    EXPECT_EQ(PrevNextEnabled<CTaxTransferFrame>(m_pDoc), std::make_pair(TRUE, FALSE));
    EXPECT_EQ(PrevNextEnabled<COptionBusinessRateFrame>(m_pDoc), std::make_pair(FALSE, TRUE));
    EXPECT_EQ(PrevNextEnabled<COptionOtherManageFrame>(m_pDoc), std::make_pair(TRUE, FALSE));
}
