#include "app/data/datataxview.h"

#include <tuple>

#include "app/data/datataxpages.h"
#include "app/shell/tavrinprojectdoc.h"
#include "platform/resource.h"

namespace {

using K = FormControlKind;

constexpr UINT IDC_TAB = 10030;
constexpr UINT IDC_TAX_FILE = 1019;
constexpr UINT IDS_FIRST_TAB = 3020;
constexpr UINT IDC_FIRST_FOCUS = 10030;  // the input method of the land's assessed value

const CFormControl kControls[] = {
    {20000, K::Unit, 0, 0, 2, "◆不動産関係の税金や特例の有無などを設定します。"},
    {IDC_TAB, K::Tab, 1, 0, 2, "1\n2\n3\n4\n5\n6\n7\n8"},
    {0, K::Label, 2, 0, 1, "現在の税率ファイル："},
    {IDC_TAX_FILE, K::Edit, 2, 1, 1, "", 72},
    {0, K::Unit, 3, 0, 2, "※使う税率ファイルは「税率」→「税率ファイル読み込み」で変更できます。"},
};

// The fields this window edits, record by record.
auto Tie(tagDATAAPPRAISED& r)
{
    return std::tie(r.dAmount, r.nInputMethod, r.dAssetBaseRatio, r.dCityBaseRatio);
}
auto Tie(tagDATASPECIALHOUSE& r)
{
    return std::tie(r.dHouseRatio, r.nHouseUnits);
}
auto Tie(tagDATAMUNICIPAL& r)
{
    return std::tie(r.nBuildingType, r.nLandHouseSpecial, r.nBuildingHouseSpecial, r.nLandTaxBase);
}
auto Tie(tagDATACITYPLAN& r)
{
    return std::tie(r.nLandHouseSpecial, r.nLandTaxBase);
}
auto Tie(tagDATAREALTYGET& r)
{
    return std::tie(r.nNewHouseSpecial, r.nLandHouseSpecial, r.nBuildingHouseSpecial, r.nLandDirect, r.dLandTax,
                    r.nBuildingDirect, r.dBuildingTax);
}
auto Tie(tagDATATAXBUSINESS& r)
{
    return std::tie(r.nOutsideIncome, r.nDeferral, r.dCapital, r.dSalary, r.nStandardTax);
}
auto Tie(tagDATATAXLAND& r)
{
    return std::tie(r.nInputMethod, r.dProjectValue, r.dTotalValue);
}
auto Tie(tagDATARATE& r)
{
    return std::tie(r.nStartYear, r.nEndYear, r.nInterval, r.dRate, r.bDecrease);
}
auto Tie(CDataTaxConsumptionClass& r)
{
    return std::tie(r.m_anConstructFromYear[0], r.m_anConstructFromYear[1], r.m_anConstructToYear[0],
                    r.m_anConstructToYear[1], r.m_adConstructRate[0], r.m_adConstructRate[1],
                    r.m_anBusinessFromYear[0], r.m_anBusinessFromYear[1], r.m_anBusinessToYear[0],
                    r.m_anBusinessToYear[1], r.m_adBusinessRate[0], r.m_adBusinessRate[1]);
}

// TRUE when a value changed.
template <class T>
BOOL CopyTied(T& from, T& to)
{
    auto source = Tie(from);
    auto target = Tie(to);
    if (source == target) return FALSE;
    target = source;
    return TRUE;
}

BOOL CopySteps(CDataRateClass& from, CDataRateClass& to)
{
    BOOL bChanged = FALSE;
    for (int i = 0; i < CDataRateClass::kStepCount; ++i) bChanged |= CopyTied(from.m_aDataRate[i], to.m_aDataRate[i]);
    return bChanged;
}

} // namespace

CDataTaxView::CDataTaxView() : CDataParentView(231)
{
    CreateControls(kControls);
    SetReadOnly(IDC_TAX_FILE, TRUE);
    m_pTab = dynamic_cast<CPageTabCtrl*>(GetDlgItem(IDC_TAB));
    for (int i = 0; i < kPages; ++i) m_pTab->SetItemText(i, LoadText(IDS_FIRST_TAB + UINT(i)));
    m_pPages = std::make_unique<CPageSet>(
        m_pTab, [this](int nPage, QWidget* pParent) { return CreateDataTaxPage(this, nPage, pParent); },
        [this] { ShowRateHints(GetCurPage()); });
}

void CDataTaxView::OnInitialUpdate()
{
    ReloadData();
    PostUpdateTitle();
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_pPages->CreatePage();
            if (CFormPage* page = Page(GetCurPage())) page->GotoDlgCtrl(IDC_FIRST_FOCUS);
        },
        Qt::QueuedConnection);
}

void CDataTaxView::OnActivateView(BOOL bActivate)
{
    CDataParentView::OnActivateView(bActivate);
    if (bActivate) ShowRateHints(GetCurPage());
}

BOOL CDataTaxView::CheckData(int)
{
    return Page(GetCurPage()) && m_pPages->CheckData(GetCurPage());
}

BOOL CDataTaxView::StoreData()
{
    CDataTaxClass* record = GetDocument() ? GetDocument()->GetDataTax() : nullptr;
    if (!record) return FALSE;
    CDataTaxClass& tax = m_objTax;
    BOOL bChanged = FALSE;
    for (int i = 0; i < 2; ++i) {
        bChanged |= CopyTied(tax.m_aAppraised[i], record->m_aAppraised[i]);
        bChanged |= CopySteps(tax.m_aAppraised[i], record->m_aAppraised[i]);
    }
    bChanged |= CopyTied(tax.m_objSpecialHouse, record->m_objSpecialHouse);
    bChanged |= CopyTied(tax.m_objRealtyGet, record->m_objRealtyGet);
    bChanged |= CopyTied(tax.m_objMunicipal, record->m_objMunicipal);
    bChanged |= CopyTied(tax.m_objCityPlan, record->m_objCityPlan);
    bChanged |= CopyTied(tax.m_objTaxLand, record->m_objTaxLand);
    bChanged |= CopySteps(tax.m_objTaxLand, record->m_objTaxLand);
    bChanged |= CopyTied(tax.m_objTaxBusiness, record->m_objTaxBusiness);
    bChanged |= CopySteps(tax.m_objTaxBusiness, record->m_objTaxBusiness);
    bChanged |= CopyTied(tax.m_objConsumption, record->m_objConsumption);
    return bChanged;
}

void CDataTaxView::ReloadData()
{
    const CDataTaxClass* record = GetDocument() ? GetDocument()->GetDataTax() : nullptr;
    if (!record) return;
    m_objTax = *record;
    ReloadTaxFileName();
    m_pPages->SetPagesData();
    for (int i = 0; i < kPages; ++i) ShowRateHints(i);
}

void CDataTaxView::ReloadTaxFileName()
{
    if (const CTavrinProjectDoc* doc = GetDocument()) SetDlgItemText(IDC_TAX_FILE, doc->GetDataBasic()->astrFileName[0]);
}

void CDataTaxView::ShowRateHints(int nPage)
{
    if (auto* page = dynamic_cast<CDataTaxPage*>(Page(nPage))) page->ShowRateHints();
}

void CDataTaxView::OnUpdateTitle()
{
    SetFrameCaption(154);
}
