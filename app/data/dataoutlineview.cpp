#include "app/data/dataoutlineview.h"

#include <algorithm>

#include "app/common/formfields.h"
#include "app/shell/tavrinprojectdoc.h"
#include "platform/msgbox.h"
#include "platform/resource.h"
#include "tax/taxbusiness.h"

namespace {

using K = FormControlKind;
using F = FieldKind;
using T = tagDATAOUTLINE;
using R = CDataOutlineClass;

constexpr UINT IDC_TSUBO = 10000;
constexpr UINT IDC_HEIBEI = 10001;
constexpr UINT IDC_MONTHS = 1019;
constexpr UINT IDC_TOTAL_LAND = 10002;
constexpr UINT IDC_LEASED_LAND = 10003;
constexpr UINT IDC_BUY_LAND = 10004;
constexpr UINT IDC_DEMOLISH = 10005;
constexpr UINT IDC_PLAN_BUILD = 10006;
constexpr UINT IDC_USE_BUILD = 10007;
constexpr UINT IDC_HOUSE = 10012;
constexpr UINT IDC_HOUSE_COUNT = 10013;

constexpr UINT IDS_TSUBO = 2000; // 2001 square metres
constexpr UINT IDS_PERCENT = 2003;
constexpr int kMaxMonths = 120;
const char kMonthsTooLong[] = "工事期間は 120ヶ月までです。";

constexpr int kAreaWidth = 14;
constexpr char kByArea[] = "面積入力する";
constexpr char kByRatio[] = "割合入力する";

const CFormControl kControls[] = {
    {0, K::Title, 0, 0, 2, "◆物件の敷地面積や、建築する建物について入力します。"},
    {0, K::Group, 1, 0, 1, "入力する面積の単位"},
    {IDC_TSUBO, K::RadioGroup, 0, 0, 1, "坪単位"},
    {IDC_HEIBEI, K::Radio, 0, 1, 1, "㎡単位"},
    {0, K::GroupEnd},
    {0, K::Group, 1, 1, 1, "工事期間 (最長120ヶ月)"},
    {IDC_MONTHS, K::Number, 0, 0, 1, "", 6},
    {0, K::Unit, 0, 1, 1, "ヶ月"},
    {0, K::GroupEnd},
    {0, K::Group, 2, 0, 2, "土地"},
    {0, K::Label, 0, 0, 1, "敷地の総面積："},
    {IDC_TOTAL_LAND, K::Number, 0, 1, 1, "", kAreaWidth},
    {20031, K::Unit, 0, 2, 1, "坪"},
    {0, K::Label, 1, 0, 1, "借地部分の面積："},
    {IDC_LEASED_LAND, K::Number, 1, 1, 1, "", kAreaWidth},
    {20032, K::Unit, 1, 2, 1, "坪"},
    {10014, K::RadioGroup, 1, 3, 1, kByArea},
    {10015, K::Radio, 1, 4, 1, kByRatio},
    {0, K::Label, 2, 0, 1, "購入部分の面積："},
    {IDC_BUY_LAND, K::Number, 2, 1, 1, "", kAreaWidth},
    {20033, K::Unit, 2, 2, 1, "坪"},
    {10016, K::RadioGroup, 2, 3, 1, kByArea},
    {10017, K::Radio, 2, 4, 1, kByRatio},
    {0, K::GroupEnd},
    {0, K::Group, 3, 0, 2, "建物"},
    {0, K::Label, 0, 0, 1, "既存建物の延床面積："},
    {IDC_DEMOLISH, K::Number, 0, 1, 1, "", kAreaWidth},
    {20034, K::Unit, 0, 2, 1, "坪"},
    {0, K::Label, 1, 0, 1, "計画建物延床面積："},
    {IDC_PLAN_BUILD, K::Number, 1, 1, 1, "", kAreaWidth},
    {20035, K::Unit, 1, 2, 1, "坪"},
    {0, K::Label, 2, 0, 1, "計画建物専有面積："},
    {IDC_USE_BUILD, K::Number, 2, 1, 1, "", kAreaWidth},
    {20036, K::Unit, 2, 2, 1, "坪"},
    {10008, K::RadioGroup, 2, 3, 1, kByArea},
    {10009, K::Radio, 2, 4, 1, kByRatio},
    {0, K::GroupEnd},
    {0, K::Group, 4, 0, 2, "住宅"},
    {0, K::Label, 0, 0, 1, "住宅として使用する部分："},
    {IDC_HOUSE, K::Number, 0, 1, 1, "", kAreaWidth},
    {20038, K::Unit, 0, 2, 1, "坪"},
    {10010, K::RadioGroup, 0, 3, 1, kByArea},
    {10011, K::Radio, 0, 4, 1, kByRatio},
    {0, K::Unit, 1, 1, 4, "※この住宅割合は土地に関する税金上の特例にも用います。"},
    {0, K::Label, 2, 0, 1, "全住宅戸数："},
    {IDC_HOUSE_COUNT, K::Number, 2, 1, 1, "", kAreaWidth},
    {0, K::Unit, 2, 2, 1, "戸"},
    {0, K::Unit, 3, 1, 4, "※この戸数は住宅概要ですので税金の特例計算には用いません。"},
    {0, K::GroupEnd},
};

// The entered unit: 0 tsubo, 1 square metres.
int Unit(const T& r)
{
    return r.nAreaUnit == 1 ? 1 : 0;
}

template <auto pGroup, auto pArea>
double& AreaOf(T& r, int nUnit)
{
    return (r.*pGroup)[nUnit].*pArea;
}

// A part entered as an area or as a percentage of its reference area.
struct CPart {
    UINT nEdit;
    UINT nUnitLabel;
    UINT nAreaRadio; // the percent radio follows
    int T::*pMode;   // 0 area, 1 percent
    double T::*pRatio;
    double& (*pfnArea)(T&, int);
    double& (*pfnReference)(T&, int);
    UINT nRatioMessage;
    UINT nAreaMessage;
};

constexpr auto kTotalLand = &AreaOf<&T::aLand, &tagDATALAND::dTotalLand>;
constexpr auto kPlanBuild = &AreaOf<&T::aBuilding, &tagDATABUILDING::dPlanBuild>;

const CPart kParts[] = {
    {IDC_LEASED_LAND, 20032, 10014, &T::nLeasedLandInput, &T::dLeasedLandRatio,
     &AreaOf<&T::aLand, &tagDATALAND::dLeasedLand>, kTotalLand, 10003, 10002},
    {IDC_BUY_LAND, 20033, 10016, &T::nBuyLandInput, &T::dBuyLandRatio, &AreaOf<&T::aLand, &tagDATALAND::dBuyLand>,
     kTotalLand, 10005, 10004},
    {IDC_USE_BUILD, 20036, 10008, &T::nUseBuildInput, &T::dUseBuildRatio,
     &AreaOf<&T::aBuilding, &tagDATABUILDING::dUseBuild>, kPlanBuild, 10007, 10006},
    {IDC_HOUSE, 20038, 10010, &T::nHouseInput, &T::dHouseRatio, &AreaOf<&T::aHouse, &tagDATAHOUSE::dHouse>,
     kPlanBuild, 10009, 10008},
};

// The unit labels of the area edits, percent mode aside.
const UINT kUnitLabels[] = {20031, 20032, 20033, 20034, 20035, 20036, 20038};

template <auto pGroup, auto pArea>
CFieldRef Area(R& r, int)
{
    return &AreaOf<pGroup, pArea>(r, Unit(r));
}

template <int nPart>
CFieldRef PartValue(R& r, int)
{
    const CPart& part = kParts[nPart];
    if (r.*part.pMode == 1) return &(r.*part.pRatio);
    return &part.pfnArea(r, Unit(r));
}

// In the order of the checks.
const CFormField<R> kFields[] = {
    {{.nID = IDC_MONTHS, .kind = F::Integer}, Member<&R::nConstructMonths>},
    {{.nID = IDC_TOTAL_LAND, .kind = F::Number}, Area<&T::aLand, &tagDATALAND::dTotalLand>},
    {{.nID = IDC_LEASED_LAND, .kind = F::Number}, PartValue<0>},
    {{.nID = IDC_BUY_LAND, .kind = F::Number}, PartValue<1>},
    {{.nID = IDC_DEMOLISH, .kind = F::Number}, Area<&T::aBuilding, &tagDATABUILDING::dDemolishBuild>},
    {{.nID = IDC_PLAN_BUILD, .kind = F::Number}, Area<&T::aBuilding, &tagDATABUILDING::dPlanBuild>},
    {{.nID = IDC_USE_BUILD, .kind = F::Number}, PartValue<2>},
    {{.nID = IDC_HOUSE, .kind = F::Number}, PartValue<3>},
    {{.nID = IDC_HOUSE_COUNT, .kind = F::Integer}, Member<&R::nHouseCount>},
};
static_assert(std::size(kFields) == CDataOutlineView::kNumberFields);

const CFormFields<R> kForm(kFields);

int FieldIndex(UINT nID)
{
    const auto it = std::find_if(std::begin(kFields), std::end(kFields), [nID](const auto& f) { return f.desc.nID == nID; });
    return it == std::end(kFields) ? -1 : int(it - std::begin(kFields));
}

// The other unit recomputed from the entered one.
void ConvertFromUnit(R& r, int nUnit)
{
    if (nUnit == 1)
        r.HeibeiToTubo(nullptr, nullptr, nullptr);
    else
        r.TuboToHeibei(nullptr, nullptr, nullptr);
}

bool SameLand(const tagDATALAND& a, const tagDATALAND& b)
{
    return a.dTotalLand == b.dTotalLand && a.dLeasedLand == b.dLeasedLand && a.dBuyLand == b.dBuyLand;
}

bool SameBuilding(const tagDATABUILDING& a, const tagDATABUILDING& b)
{
    return a.dDemolishBuild == b.dDemolishBuild && a.dPlanBuild == b.dPlanBuild && a.dUseBuild == b.dUseBuild;
}

bool SameOutline(const T& a, const T& b)
{
    for (int u = 0; u < 2; ++u) {
        if (!SameLand(a.aLand[u], b.aLand[u]) || !SameBuilding(a.aBuilding[u], b.aBuilding[u]) ||
            a.aHouse[u].dHouse != b.aHouse[u].dHouse)
            return false;
    }
    const auto same = [&](const CPart& p) { return a.*p.pMode == b.*p.pMode && a.*p.pRatio == b.*p.pRatio; };
    return std::all_of(std::begin(kParts), std::end(kParts), same) && a.nConstructMonths == b.nConstructMonths &&
           a.nAreaUnit == b.nAreaUnit && a.nHouseCount == b.nHouseCount;
}

} // namespace

CDataOutlineView::CDataOutlineView() : CDataParentView(210)
{
    CreateControls(kControls);
}

void CDataOutlineView::OnInitialUpdate()
{
    ReloadData();
    PostUpdateTitle();
}

void CDataOutlineView::OnActivateView(BOOL bActivate)
{
    if (bActivate) RefreshFactor();
    CDataParentView::OnActivateView(bActivate);
}

void CDataOutlineView::OnUpdateTitle()
{
    SetFrameCaption(151);
}

void CDataOutlineView::RefreshFactor()
{
    const CTavrinProjectDoc* doc = GetDocument();
    const CTaxBusinessPlaceClass* place = doc ? doc->GetTaxBusinessPlace() : nullptr;
    const double dFactor = place ? place->m_dSquareMeterPerTsubo : 0;
    m_objOutline.m_dSquareMeterPerTsubo = dFactor != 0 ? dFactor : 1.0;
}

void CDataOutlineView::ReloadData()
{
    CTavrinProjectDoc* doc = GetDocument();
    if (!doc || !doc->GetDataOutline()) return;
    static_cast<T&>(m_objOutline) = *doc->GetDataOutline();
    m_objOutline.nAreaUnit = Unit(m_objOutline);
    for (const CPart& part : kParts) m_objOutline.*part.pMode = m_objOutline.*part.pMode == 1 ? 1 : 0;
    m_bConvert = FALSE;
    RefreshFactor();
    ShowRecord();
}

void CDataOutlineView::ShowRecord()
{
    CheckRadioButton(IDC_TSUBO, IDC_HEIBEI, IDC_TSUBO + UINT(m_objOutline.nAreaUnit));
    for (const CPart& part : kParts)
        CheckRadioButton(part.nAreaRadio, part.nAreaRadio + 1, part.nAreaRadio + UINT(m_objOutline.*part.pMode));
    ShowUnitLabels();
    FillEdits();
}

void CDataOutlineView::ShowUnitLabels()
{
    for (const UINT nID : kUnitLabels) SetDlgItemText(nID, LoadText(IDS_TSUBO + UINT(m_objOutline.nAreaUnit)));
    for (const CPart& part : kParts) {
        if (m_objOutline.*part.pMode == 1) SetDlgItemText(part.nUnitLabel, LoadText(IDS_PERCENT));
    }
}

void CDataOutlineView::FillEdits()
{
    kForm.Load(this, m_objOutline);
    m_abChanged.fill(FALSE);
}

void CDataOutlineView::ReadField(UINT nID)
{
    const int nField = FieldIndex(nID);
    if (nField < 0 || (nID != IDC_MONTHS && !m_abChanged[size_t(nField)])) return;
    kForm.Notify(this, nID, EN_KILLFOCUS);
    m_abChanged[size_t(nField)] = FALSE;
    if (StoreField(this, kFields[nField].desc, kFields[nField].pfnBind(m_objOutline, 0))) m_bConvert = TRUE;
}

void CDataOutlineView::ReadChangedFields()
{
    for (const auto& field : kFields) ReadField(field.desc.nID);
}

void CDataOutlineView::SwitchUnit(int nUnit)
{
    const int nOld = m_objOutline.nAreaUnit;
    if (nUnit == nOld) return;
    if (!kForm.Check(this)) {
        CheckRadioButton(IDC_TSUBO, IDC_HEIBEI, IDC_TSUBO + UINT(nOld));
        FillEdits();
        return;
    }
    ReadChangedFields();
    // Areas left as they were keep their stored counterpart: switching back and forth does not drift.
    if (m_bConvert) ConvertFromUnit(m_objOutline, nOld);
    m_bConvert = FALSE;
    m_objOutline.nAreaUnit = nUnit;
    ShowUnitLabels();
    FillEdits();
}

void CDataOutlineView::SwitchMode(int nPart, int nMode)
{
    const CPart& part = kParts[nPart];
    T& r = m_objOutline;
    if (r.*part.pMode == nMode) return;
    const int u = Unit(r);
    const double dReference = part.pfnReference(r, u);
    if (nMode == 1)
        r.*part.pRatio = dReference != 0 ? part.pfnArea(r, u) / dReference * 100 : 0;
    else
        part.pfnArea(r, u) = r.*part.pRatio * 0.01 * dReference;
    r.*part.pMode = nMode;
    if (nMode == 0) m_bConvert = TRUE;
    ShowUnitLabels();
    FillEdits();
}

void CDataOutlineView::Reconcile()
{
    T& r = m_objOutline;
    const int u = Unit(r);
    for (const CPart& part : kParts) {
        const double dReference = part.pfnReference(r, u);
        if (r.*part.pMode == 1)
            part.pfnArea(r, u) = r.*part.pRatio * 0.01 * dReference;
        else
            r.*part.pRatio = dReference != 0 ? part.pfnArea(r, u) / dReference * 100 : 0;
    }
    ConvertFromUnit(m_objOutline, u);
    m_bConvert = FALSE;
}

BOOL CDataOutlineView::CheckParts()
{
    T& r = m_objOutline;
    const int u = Unit(r);
    for (const CPart& part : kParts) {
        const double dReference = part.pfnReference(r, u);
        UINT nMessage = 0;
        if (r.*part.pMode == 1) {
            const double dRatio = r.*part.pRatio;
            if (dRatio < 0 || dRatio > 100)
                nMessage = part.nRatioMessage;
            else if (dReference == 0 && dRatio > 0)
                nMessage = part.nAreaMessage;
        } else if (part.pfnArea(r, u) > dReference) {
            nMessage = part.nAreaMessage;
        }
        if (nMessage) {
            AfxMessageBox(nMessage, MB_ICONSTOP);
            GotoDlgCtrl(part.nEdit);
            return FALSE;
        }
    }
    return TRUE;
}

BOOL CDataOutlineView::CheckData(int)
{
    if (!kForm.Check(this)) return FALSE;
    ReadChangedFields();
    Reconcile();
    if (!CheckParts()) return FALSE;
    if (m_objOutline.nConstructMonths > kMaxMonths) {
        AfxMessageBox(kMonthsTooLong, MB_ICONSTOP);
        GotoDlgCtrl(IDC_MONTHS);
        return FALSE;
    }
    return TRUE;
}

BOOL CDataOutlineView::StoreData()
{
    CTavrinProjectDoc* doc = GetDocument();
    CDataOutlineClass* outline = doc ? doc->GetDataOutline() : nullptr;
    if (!outline) return FALSE;
    const BOOL bChanged = !SameOutline(*outline, m_objOutline) ||
                          outline->m_dSquareMeterPerTsubo != m_objOutline.m_dSquareMeterPerTsubo;
    static_cast<T&>(*outline) = m_objOutline;
    outline->m_dSquareMeterPerTsubo = m_objOutline.m_dSquareMeterPerTsubo;
    return bChanged;
}

void CDataOutlineView::OnControlNotify(UINT nID, UINT nCode)
{
    if (nCode == EN_CHANGE) {
        if (const int nField = FieldIndex(nID); nField >= 0) m_abChanged[size_t(nField)] = TRUE;
        return;
    }
    if (nCode == EN_KILLFOCUS) {
        ReadField(nID);
        return;
    }
    kForm.Notify(this, nID, nCode);
    if (nCode != BN_CLICKED) return;
    if (nID == IDC_TSUBO || nID == IDC_HEIBEI) {
        SwitchUnit(int(nID - IDC_TSUBO));
        return;
    }
    for (int i = 0; i < int(std::size(kParts)); ++i) {
        if (nID == kParts[i].nAreaRadio || nID == kParts[i].nAreaRadio + 1) SwitchMode(i, int(nID - kParts[i].nAreaRadio));
    }
}
