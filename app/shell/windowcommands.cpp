#include "app/shell/windowcommands.h"

#include <algorithm>

#include "app/shell/commandids.h"
#include "app/data/databasicframe.h"
#include "app/data/datacostview.h"
#include "app/data/dataexpenseotherview.h"
#include "app/data/dataexpenseview.h"
#include "app/data/dataframes.h"
#include "app/data/dataloanview.h"
#include "app/data/dataoutlineview.h"
#include "app/data/dataprorestotherview.h"
#include "app/data/datarentalbasicview.h"
#include "app/data/datarentaltypeview.h"
#include "app/data/datarestotherview.h"
#include "app/data/datataxview.h"
#include "app/data/tavrinprojectview.h"
#include "app/shell/resultframe.h"
#include "app/taxopt/optionadvanceview.h"
#include "app/taxopt/optionbusinessrateview.h"
#include "app/taxopt/optionconsumptioncostview.h"
#include "app/taxopt/optionconsumptionexpenseview.h"
#include "app/taxopt/optionconsumptionincomeview.h"
#include "app/taxopt/optionexpensemanageview.h"
#include "app/taxopt/optionothermanageview.h"
#include "app/shell/resultview.h"
#include "app/taxopt/taxbusinessplaceview.h"
#include "app/taxopt/taxbusinessview.h"
#include "app/taxopt/taxcityplanview.h"
#include "app/taxopt/taxconsumptionview.h"
#include "app/taxopt/taxcorporationview.h"
#include "app/taxopt/taxincomeview.h"
#include "app/taxopt/taxlandpriceview.h"
#include "app/taxopt/taxresidenceview.h"
#include "app/taxopt/taxsingleviews.h"
#include "app/taxopt/taxstandardmoneyview.h"

namespace {

template <class Frame>
bool IsFrame(const QWidget* pFrame)
{
    return dynamic_cast<const Frame*>(pFrame) != nullptr;
}

template <class Frame, class View>
QWidget* CreateFrame(CTavrinProjectDoc* pDoc)
{
    auto* frame = new Frame(pDoc);
    frame->SetView(new View);
    return frame;
}

// The frame class and view class of a built window.
template <class Frame, class View>
constexpr CWindowCommand Result(UINT nID, const char* pszMenuText)
{
    return {nID, pszMenuText, ITEMBOX_REPORT, int(nID - ID_RESULT_BASIC1), &IsFrame<Frame>,
            &CreateFrame<Frame, View>};
}

// An entry window: its frame class and view class.
template <class Frame, class View>
constexpr CWindowCommand Form(UINT nID, const char* pszMenuText, int nTab, int nItem)
{
    return {nID, pszMenuText, nTab, nItem, &IsFrame<Frame>, &CreateFrame<Frame, View>};
}

const CWindowCommand kDataWindows[] = {
    // The basic-conditions window opens with its project and lives as long as it; the command only activates it.
    Form<CDataBasicFrame, CTavrinProjectView>(20000, "基 本 条 件 (&B)", ITEMBOX_DATA, 0),
    Form<CDataOutlineFrame, CDataOutlineView>(20001, "建物の概要 (&O)", ITEMBOX_DATA, 1),
    Form<CDataExpenseFrame, CDataExpenseView>(20002, "建設所要資金・減価償却[工事費] (&E)", ITEMBOX_DATA, 2),
    Form<CDataExpenseOtherFrame, CDataExpenseOtherView>(20003, "建設所要資金[工事費以外] (&X).", ITEMBOX_DATA, 3),
    Form<CDataTaxFrame, CDataTaxView>(20004, "税 金 関 係 (&T)", ITEMBOX_DATA, 4),
    Form<CDataLoanFrame, CDataLoanView>(20005, "建設資金の調達 (&L)", ITEMBOX_DATA, 5),
    Form<CDataCostFrame, CDataCostView>(20006, "各年の経費 (&S)", ITEMBOX_DATA, 6),
    Form<CDataRentalBasicFrame, CDataRentalBasicView>(20007, "賃貸条件の基礎事項 (&A)", ITEMBOX_DATA, 7),
    Form<CDataRentalTypeFrame, CDataRentalTypeView>(20008, "タイプ別賃貸条件 (&Y)", ITEMBOX_DATA, 8),
    Form<CDataProRestOtherFrame, CDataProRestOtherView>(20009, "その他の条件 (&R)", ITEMBOX_DATA, 9),
    Form<CDataRestOtherFrame, CDataRestOtherView>(20010, "プロジェクト以外の条件 (&P)", ITEMBOX_DATA, 10),
};

const CWindowCommand kResultWindows[] = {
    Result<CResultBasic1Frame, CResultBasic1View>(20100, "前提条件－１ (&B)"),
    Result<CResultBasic2Frame, CResultBasic2View>(20101, "前提条件－２ (&A)"),
    Result<CResultExpenseFrame, CResultExpenseView>(20102, "建設所要資金 (&E)"),
    Result<CResultSupplyFrame, CResultSupplyView>(20103, "建設資金調達 (&S)"),
    Result<CResultCurrent1Frame, CResultCurrent1View>(20104, "経常収入・経常支出 (&C)"),
    Result<CResultCurrent2Frame, CResultCurrent2View>(20105, "賃貸条件詳細 (&R)"),
    Result<CResultBalanceOutlineFrame, CResultBalanceOutlineView>(20106, "概要表・概要グラフ (&O)"),
    Result<CResultBalanceBasicFrame, CResultBalanceBasicView>(20107, "基本収支表 (&I)"),
    Result<CResultBalanceProfitFrame, CResultBalanceProfitView>(20108, "損益計算表 (&P)"),
    Result<CResultBalanceCapitalFrame, CResultBalanceCapitalView>(20109, "資金計画表 (&N)"),
    Result<CResultBalanceCapitalIncomeFrame, CResultBalanceCapitalIncomeView>(20110, "資金収支表 (&M)"),
    Result<CResultBalanceSummaryFrame, CResultBalanceSummaryView>(20111, "要約貸借対照表 (&Y)"),
    Result<CResultGraphOutlineFrame, CResultGraphOutlineView>(20112, "利益・剰余金グラフ (&U)"),
    Result<CResultGraphLoanFrame, CResultGraphLoanView>(20113, "借入金・手元残高グラフ (&G)."),
    Result<CResultGraphCapitalFrame, CResultGraphCapitalView>(20114, "資金計画・収支グラフ (&H)"),
    Result<CResultBalanceTaxFrame, CResultBalanceTaxView>(20115, "税金一覧表（&T）"),
};

const CWindowCommand kTaxWindows[] = {
    Form<CTaxMunicipalFrame, CTaxMunicipalView>(20200, "固定資産税 (&T)", ITEMBOX_TAX, 0),
    Form<CTaxCityPlanFrame, CTaxCityPlanView>(20201, "都市計画税 (&C)", ITEMBOX_TAX, 1),
    Form<CTaxStandardMoneyFrame, CTaxStandardMoneyView>(20202, "課税標準額 (&O)", ITEMBOX_TAX, 2),
    Form<CTaxBusinessFrame, CTaxBusinessView>(20203, "事 業 税 (&B)", ITEMBOX_TAX, 3),
    Form<CTaxBusinessPlaceFrame, CTaxBusinessPlaceView>(20204, "面積換算係数 (&U)", ITEMBOX_TAX, 4),
    Form<CTaxDepreciationFrame, CTaxDepreciationView>(20205, "減価償却関係 (&D)", ITEMBOX_TAX, 5),
    Form<CTaxConsumptionFrame, CTaxConsumptionView>(20206, "消 費 税 (&N)", ITEMBOX_TAX, 6),
    Form<CTaxLandPriceFrame, CTaxLandPriceView>(20207, "地 価 税 (&L)", ITEMBOX_TAX, 7),
    Form<CTaxLicenseFrame, CTaxLicenseView>(20208, "登録免許税 (&I)", ITEMBOX_TAX, 8),
    Form<CTaxRealtyGetFrame, CTaxRealtyGetView>(20209, "不動産取得税 (&R)", ITEMBOX_TAX, 9),
    Form<CTaxCorporationFrame, CTaxCorporationView>(20210, "法 人 税 (&P)", ITEMBOX_TAX, 10),
    Form<CTaxResidenceFrame, CTaxResidenceView>(20211, "住 民 税 (&E)", ITEMBOX_TAX, 11),
    Form<CTaxIncomeFrame, CTaxIncomeView>(20212, "所 得 税 (&M)", ITEMBOX_TAX, 12),
    Form<CTaxTransferFrame, CTaxTransferView>(20213, "繰越欠損 (&A)", ITEMBOX_TAX, 13),
};

// The option windows are not on a menu and select no item-box entry.
const CWindowCommand kOptionWindows[] = {
    Form<COptionBusinessRateFrame, COptionBusinessRateView>(20300, nullptr, -1, 0),
    Form<COptionConsumptionExpenseFrame, COptionConsumptionExpenseView>(20301, nullptr, -1, 0),
    Form<COptionExpenseManageFrame, COptionExpenseManageView>(20302, nullptr, -1, 0),
    Form<COptionAdvanceFrame, COptionAdvanceView>(20303, nullptr, -1, 0),
    Form<COptionConsumptionCostFrame, COptionConsumptionCostView>(20304, nullptr, -1, 0),
    Form<COptionConsumptionIncomeFrame, COptionConsumptionIncomeView>(20305, nullptr, -1, 0),
    Form<COptionOtherManageFrame, COptionOtherManageView>(20306, nullptr, -1, 0),
};

} // namespace

std::span<const CWindowCommand> DataWindowCommands() { return kDataWindows; }
std::span<const CWindowCommand> ResultWindowCommands() { return kResultWindows; }
std::span<const CWindowCommand> TaxWindowCommands() { return kTaxWindows; }
std::span<const CWindowCommand> OptionWindowCommands() { return kOptionWindows; }

const CWindowCommand* FindWindowCommand(UINT nID)
{
    for (std::span<const CWindowCommand> rows :
         {DataWindowCommands(), ResultWindowCommands(), TaxWindowCommands(), OptionWindowCommands()}) {
        auto it = std::find_if(rows.begin(), rows.end(), [nID](const CWindowCommand& row) { return row.nID == nID; });
        if (it != rows.end()) return &*it;
    }
    return nullptr;
}

bool IsPendingWindowCommand(UINT nID)
{
    const CWindowCommand* row = FindWindowCommand(nID);
    return row && !row->pfnCreateFrame;
}

bool IsResultWindowCommand(UINT nID)
{
    return nID >= ID_RESULT_BASIC1 && nID <= ID_RESULT_BALANCE_TAX;
}
