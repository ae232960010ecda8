#include "app/data/tavrinprojectview.h"

#include "app/common/formfields.h"
#include "app/common/numbertext.h"
#include "app/shell/tavrinprojectdoc.h"
#include "app/taxopt/optiondialogs.h"

namespace {

using K = FormControlKind;

constexpr UINT IDC_PROJECT_NAME = 10000;
constexpr UINT IDC_TAX_METHOD = 10001;
constexpr UINT IDC_BUSINESS_RATIO = 10002;
constexpr UINT IDC_CONSUMPTION_TAX = 10003;
constexpr UINT IDC_INPUT_INCLUDED = 10004;
constexpr UINT IDC_INPUT_EXCLUDED = 10005;
constexpr UINT IDC_LOSS_CARRY = 10015;
constexpr UINT IDC_SUBTITLE = 1019;  // 1019-1022 subtitles, 1023 report-cover heading
constexpr UINT IDC_COVER_TITLE = 1023;
constexpr UINT IDC_BUSINESS_RATE_SET = 1296;
constexpr UINT IDC_CARRY_BACK = 1472;

constexpr int kTextWidth = 64;
constexpr int kChoiceWidth = 40;

const CFormControl kControls[] = {
    {20000, K::Title, 0, 0, 2, "プロジェクトの基本条件"},
    {0, K::Label, 1, 0, 1, "プロジェクト名："},
    {IDC_PROJECT_NAME, K::Edit, 1, 1, 1, "", kTextWidth},
    {0, K::Label, 2, 0, 1, "サブタイトル："},
    {IDC_SUBTITLE, K::Edit, 2, 1, 1, "", kTextWidth},
    {IDC_SUBTITLE + 1, K::Edit, 3, 1, 1, "", kTextWidth},
    {IDC_SUBTITLE + 2, K::Edit, 4, 1, 1, "", kTextWidth},
    {IDC_SUBTITLE + 3, K::Edit, 5, 1, 1, "", kTextWidth},
    {0, K::Label, 6, 0, 1, "税金課税方法："},
    {IDC_TAX_METHOD, K::Combo, 6, 1, 1,
     "個人\n資本金１億円以下の法人\n資本金１億円超～１０億円以下の法人\n資本金１０億円超の法人\n非課税", kChoiceWidth},
    {0, K::Label, 7, 0, 1, "消費税課税方法："},
    {IDC_CONSUMPTION_TAX, K::Combo, 7, 1, 1, "通常課税方式\n簡易課税方式", kChoiceWidth},
    {0, K::Label, 8, 0, 1, "事業割合："},
    {IDC_BUSINESS_RATIO, K::Edit, 8, 1, 1, "", 8},
    {0, K::Unit, 8, 1, 1, "％"},
    {IDC_BUSINESS_RATE_SET, K::Button, 8, 1, 1, "事業割合の設定"},
    {0, K::Label, 9, 0, 1, "金額の入力方法："},
    {IDC_INPUT_INCLUDED, K::Radio, 9, 1, 1, "消費税込みの金額"},
    {IDC_INPUT_EXCLUDED, K::Radio, 9, 1, 1, "消費税別の金額"},
    {0, K::Label, 10, 0, 1, "繰越欠損の計算："},
    {IDC_LOSS_CARRY, K::Combo, 10, 1, 1, "工事期間を除外する\n工事期間（１年）を含める", kChoiceWidth},
    {IDC_CARRY_BACK, K::Check, 11, 1, 1, "欠損金の繰り戻し還付制度の適用"},
    {0, K::Label, 12, 0, 1, "帳票表紙の見出し"},
    {IDC_COVER_TITLE, K::Edit, 12, 1, 1, "", kTextWidth},
};

using R = tagDATABASIC;
using F = FieldKind;

// In the order of the checks: the ratio, the name, the subtitles.
const CFormField<R> kFields[] = {
    {{.nID = IDC_BUSINESS_RATIO, .kind = F::Number, .dMin = 0, .dMax = 100, .style = NumberStyle::Plain, .dEmpty = 100},
     Member<&R::dBusinessRatio>},
    {{.nID = IDC_PROJECT_NAME, .kind = F::Text, .nMaxChars = 100}, Member<&R::strProjectName>},
    {{.nID = IDC_SUBTITLE, .kind = F::Text, .nMaxChars = 100}, Element<&R::astrSubTitle, 0>},
    {{.nID = IDC_SUBTITLE + 1, .kind = F::Text, .nMaxChars = 100}, Element<&R::astrSubTitle, 1>},
    {{.nID = IDC_SUBTITLE + 2, .kind = F::Text, .nMaxChars = 100}, Element<&R::astrSubTitle, 2>},
    {{.nID = IDC_SUBTITLE + 3, .kind = F::Text, .nMaxChars = 100}, Element<&R::astrSubTitle, 3>},
    {{.nID = IDC_COVER_TITLE, .kind = F::Text, .nMaxChars = 100}, Element<&R::astrSubTitle, 4>},
    {{.nID = IDC_TAX_METHOD, .kind = F::Choice}, Member<&R::nTaxMethod>},
    {{.nID = IDC_CONSUMPTION_TAX, .kind = F::Choice}, Member<&R::nConsumptionTaxMethod>},
    {{.nID = IDC_INPUT_INCLUDED, .kind = F::Radio, .nLastID = IDC_INPUT_EXCLUDED}, Member<&R::nInputMethod>},
    {{.nID = IDC_LOSS_CARRY, .kind = F::Choice}, Member<&R::nLossCarryMethod>},
    {{.nID = IDC_CARRY_BACK, .kind = F::Check}, Member<&R::bLossCarryBack>},
};

const CFormFields<R> kForm(kFields);

} // namespace

CTavrinProjectView::CTavrinProjectView() : CDataParentView(101)
{
    CreateControls(kControls);
}

void CTavrinProjectView::OnInitialUpdate()
{
    if (CTavrinProjectDoc* doc = GetDocument()) LoadRecord(*doc->GetDataBasic());
    PostUpdateTitle();
}

void CTavrinProjectView::LoadRecord(const tagDATABASIC& record)
{
    tagDATABASIC copy = record;
    kForm.Load(this, copy);
    ShowBusinessRateButton(record.dBusinessRatio);
    ApplyCarryBackRule();
}

BOOL CTavrinProjectView::StoreRecord(tagDATABASIC& record)
{
    return kForm.Store(this, record);
}

BOOL CTavrinProjectView::StoreData()
{
    CTavrinProjectDoc* doc = GetDocument();
    if (!doc) return FALSE;
    CDataBasicClass* basic = doc->GetDataBasic();
    const BOOL bChanged = StoreRecord(*basic);
    doc->SetTitle(basic->strProjectName);
    return bChanged;
}

void CTavrinProjectView::ReloadData()
{
    if (CTavrinProjectDoc* doc = GetDocument()) LoadRecord(*doc->GetDataBasic());
}

BOOL CTavrinProjectView::CheckData(int)
{
    return kForm.Check(this);
}

void CTavrinProjectView::OnUpdateTitle()
{
    SetFrameCaption(150);
}

void CTavrinProjectView::ApplyCarryBackRule()
{
    const BOOL bCorporation = GetCurSel(IDC_TAX_METHOD) == 1;
    if (!bCorporation) CheckDlgButton(IDC_CARRY_BACK, FALSE);
    EnableDlgItem(IDC_CARRY_BACK, bCorporation);
}

void CTavrinProjectView::ShowBusinessRateButton(double dRatio)
{
    ShowDlgItem(IDC_BUSINESS_RATE_SET, dRatio != 100.0);
}

void CTavrinProjectView::OnControlNotify(UINT nID, UINT nCode)
{
    kForm.Notify(this, nID, nCode);
    if (nID == IDC_PROJECT_NAME && nCode == EN_KILLFOCUS) {
        if (CTavrinProjectDoc* doc = GetDocument()) doc->SetProjectTitle(GetDlgItemText(IDC_PROJECT_NAME));
        PostUpdateTitle();
    } else if (nID == IDC_BUSINESS_RATIO && nCode == EN_KILLFOCUS) {
        ShowBusinessRateButton(CommaStrToDouble(GetDlgItemText(IDC_BUSINESS_RATIO)));
    } else if (nID == IDC_TAX_METHOD && nCode == CBN_SELCHANGE) {
        ApplyCarryBackRule();
    } else if (nID == IDC_BUSINESS_RATE_SET && nCode == BN_CLICKED) {
        RunBusinessRateDialog(GetDocument(), this);
    }
}
