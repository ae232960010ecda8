#include "app/data/datarentaltypeview.h"

#include <QScrollBar>
#include <algorithm>

#include "app/common/formfields.h"
#include "app/common/numbertext.h"
#include "app/common/ownerdrawlist.h"
#include "app/shell/tavrinprojectdoc.h"
#include "data/datarentalbasic.h"
#include "result/pages/resultformat.h"

namespace {

using K = FormControlKind;
using F = FieldKind;
using L = tagRENTALLINE;

constexpr UINT IDC_LIST = 10000;
constexpr UINT IDC_CATEGORY = 10002;
constexpr UINT IDC_NAME = 10003;
constexpr UINT IDC_METHOD = 10004;
constexpr UINT IDC_COUNT = 10005;
constexpr UINT IDC_COUNT_LABEL = 20024;
constexpr UINT IDC_COUNT_UNIT = 20025;
constexpr UINT IDC_RENT = 10006;

const char* const kMethodWords[] = {"総額", "一戸あたり", "一坪あたり", "一台あたり"};
const char* const kCountLabels[] = {"", "戸数：", "面積：", "台数："};
const char* const kCountUnits[] = {"", "戸", "坪", "台"};

const CFormControl kControls[] = {
    {IDC_LIST, K::List, 0, 0, 4},
    {0, K::Unit, 1, 0, 4, "上の入力したい場所（番号１～２０）をクリックで選択し、下の賃料などを入れて下さい。"},
    {0, K::Label, 2, 0, 1, "賃貸の種類："},
    {IDC_CATEGORY, K::Combo, 2, 1, 1, "", 20},
    {0, K::Unit, 2, 1, 1, "←削除したいときは「なし」を選んで下さい。"},
    {0, K::Label, 3, 0, 1, "タイプの名称："},
    {IDC_NAME, K::Edit, 3, 1, 1, "", 40},
    {0, K::Label, 4, 0, 1, "金額の入力方法："},
    {IDC_METHOD, K::Combo, 4, 1, 1, "総額\n一戸あたり\n一坪あたり\n一台あたり", 16},
    {IDC_COUNT_LABEL, K::Label, 4, 2, 1, "戸数："},
    {IDC_COUNT, K::Number, 4, 3, 1, "", 10},
    {IDC_COUNT_UNIT, K::Unit, 4, 3, 1, "戸"},
    {0, K::Label, 5, 0, 1, "賃料（月額）："},
    {IDC_RENT, K::Number, 5, 1, 1, "", 14},
    {0, K::Unit, 5, 1, 1, "千円"},
    {0, K::Label, 5, 2, 1, "共益費（月額）："},
    {10011, K::Number, 5, 3, 1, "", 14},
    {0, K::Unit, 5, 3, 1, "千円"},
    {0, K::Label, 6, 0, 1, "礼金："},
    {10007, K::Number, 6, 1, 1, "", 14},
    {0, K::Unit, 6, 1, 1, "千円"},
    {0, K::Label, 6, 2, 1, "敷金："},
    {10008, K::Number, 6, 3, 1, "", 14},
    {0, K::Unit, 6, 3, 1, "千円"},
    {0, K::Label, 7, 0, 1, "保証金："},
    {10009, K::Number, 7, 1, 1, "", 14},
    {0, K::Unit, 7, 1, 1, "千円"},
    {0, K::Label, 7, 2, 1, "更新料："},
    {10010, K::Number, 7, 3, 1, "", 14},
    {0, K::Unit, 7, 3, 1, "千円"},
};

// The amounts of a line; an empty one becomes 0 when left.
const CFormField<L> kAmountFields[] = {
    {{.nID = IDC_COUNT, .kind = F::Number}, Member<&L::dCount>},
    {{.nID = IDC_RENT, .kind = F::Number}, Member<&L::dRent>},
    {{.nID = 10011, .kind = F::Number}, Member<&L::dCommonFee>},
    {{.nID = 10007, .kind = F::Number}, Member<&L::dKeyMoney>},
    {{.nID = 10008, .kind = F::Number}, Member<&L::dDeposit>},
    {{.nID = 10009, .kind = F::Number}, Member<&L::dSecurity>},
    {{.nID = 10010, .kind = F::Number}, Member<&L::dRenewalFee>},
};
const CFormFields<L> kAmounts(kAmountFields);
const CFormField<L> kLineFields[] = {
    {{.nID = IDC_CATEGORY, .kind = F::Choice, .nOffset = -1}, Member<&L::nCategory>},
    {{.nID = IDC_NAME, .kind = F::Text}, Member<&L::strName>},
    {{.nID = IDC_METHOD, .kind = F::Choice}, Member<&L::nInputMethod>},
};
const CFormFields<L> kLine(kLineFields);

L LineOf(const CDataRentalTermClass& term)
{
    return {term.m_nCategory, term.m_strName, term.m_nInputMethod, term.m_dCount,    term.m_dRent,
            term.m_dCommonFee, term.m_dKeyMoney, term.m_dDeposit,   term.m_dSecurity, term.m_dRenewalFee};
}

void WriteLine(const L& line, CDataRentalTermClass& term)
{
    term.m_nCategory = line.nCategory;
    term.m_strName = line.strName;
    term.m_nInputMethod = line.nInputMethod;
    term.m_dCount = line.dCount;
    term.m_dRent = line.dRent;
    term.m_dCommonFee = line.dCommonFee;
    term.m_dKeyMoney = line.dKeyMoney;
    term.m_dDeposit = line.dDeposit;
    term.m_dSecurity = line.dSecurity;
    term.m_dRenewalFee = line.dRenewalFee;
}

const char* MethodWord(int nMethod)
{
    return nMethod >= 0 && nMethod < 4 ? kMethodWords[nMethod] : "";
}

} // namespace

CDataRentalTypeView::CDataRentalTypeView() : CDataParentView(270)
{
    CreateControls(kControls);
    m_pList = dynamic_cast<CTavrinListCtrl*>(GetDlgItem(IDC_LIST));
    const QFontMetrics metrics = m_pList->fontMetrics();
    m_pList->InsertColumn(0, "番号", LVCFMT_RIGHT, metrics.horizontalAdvance(QStringLiteral(u"番号")) + 30);
    m_pList->InsertColumn(1, " 種  類 ", LVCFMT_CENTER, 220);
    m_pList->InsertColumn(2, " 名  称 ", LVCFMT_CENTER, 220);
    m_pList->InsertColumn(3, "入力単位", LVCFMT_CENTER, metrics.horizontalAdvance(QStringLiteral(u"一戸あたり")) + 15);
    m_pList->InsertColumn(4, " 賃  料 ", LVCFMT_RIGHT, metrics.horizontalAdvance(QStringLiteral("100,000,000")) + 15);
    for (int i = 0; i < kLines; ++i) {
        CString str;
        str.Format("%2d", i + 1);
        m_pList->SetItem(str, i, 0);
    }
    m_pList->setMinimumSize(760, m_pList->sizeHintForRow(0) * 12);
    m_astrKindName[0] = "なし";
}

void CDataRentalTypeView::OnInitialUpdate()
{
    ReloadData();
    PostUpdateTitle();
    m_pList->setFocus();
}

void CDataRentalTypeView::OnActivateView(BOOL bActivate)
{
    CDataParentView::OnActivateView(bActivate);
    if (bActivate) QMetaObject::invokeMethod(this, [this] { ReloadCategoryNames(); }, Qt::QueuedConnection);
}

void CDataRentalTypeView::ReloadCategoryNames()
{
    CTavrinProjectDoc* doc = GetDocument();
    if (!doc) return;
    std::vector<CString> entries{m_astrKindName[0]};
    for (int i = 0; i < CDataRentalTypeClass::kCategoryCount; ++i) {
        const CDataRentalBasicClass* basic = doc->GetDataRentalBasic(i);
        const CString strName = basic ? basic->m_strName : CString();
        m_astrKindName[i + 1] = strName.IsEmpty() ? "賃貸種別" + NumberToFullWidth(i + 1) : strName;
        entries.push_back(m_astrKindName[i + 1]);
    }
    SetComboEntries(IDC_CATEGORY, entries);
    for (int i = 0; i < kLines; ++i) ShowRow(i);
}

void CDataRentalTypeView::ReloadData()
{
    CTavrinProjectDoc* doc = GetDocument();
    if (!doc) return;
    const CDataRentalTypeClass& record = *doc->GetDataRentalType();
    for (int i = 0; i < kLines; ++i) {
        const CDataRentalTermClass* term = record.GetTerm(i);
        m_aLines[size_t(i)] = term ? LineOf(*term) : L{};
        m_abDeleted[size_t(i)] = false;
    }
    ReloadCategoryNames();
    m_pList->SelectItem(m_nCurSel);
    ShowLine();
}

// A row not in use shows "なし" and nothing else.
void CDataRentalTypeView::ShowRow(int nRow)
{
    const L& line = m_aLines[size_t(nRow)];
    const bool bInUse = !m_abDeleted[size_t(nRow)] && line.nCategory >= 0 && line.nCategory < 8;
    m_pList->SetItem(bInUse ? m_astrKindName[line.nCategory + 1] : m_astrKindName[0], nRow, 1);
    m_pList->SetItem(bInUse ? line.strName : CString(), nRow, 2);
    m_pList->SetItem(bInUse ? CString(MethodWord(line.nInputMethod)) : CString(), nRow, 3);
    m_pList->SetItem(bInUse ? FormatNumber(-1, line.dRent, TRUE) : CString(), nRow, 4);
}

void CDataRentalTypeView::ShowLine()
{
    const L shown = HasCurrentLine() ? Line() : L{};
    L copy = shown;
    kLine.Load(this, copy);
    kAmounts.Load(this, copy);
    ApplyMethod();
}

// The count is shown for the methods that have one, with all decimals only per tsubo.
void CDataRentalTypeView::ApplyMethod()
{
    const int nMethod = std::clamp(GetCurSel(IDC_METHOD), 0, 3);
    for (const UINT nID : {IDC_COUNT_LABEL, IDC_COUNT, IDC_COUNT_UNIT}) ShowDlgItem(nID, nMethod > 0);
    if (nMethod == 0) return;
    SetDlgItemText(IDC_COUNT_LABEL, kCountLabels[nMethod]);
    SetDlgItemText(IDC_COUNT_UNIT, kCountUnits[nMethod]);
    const double dCount = HasCurrentLine() ? Line().dCount : 0;
    SetDlgItemText(IDC_COUNT, FormatNumber(nMethod == 2 ? -1 : 0, dCount, TRUE));
}

void CDataRentalTypeView::SelectLine(int nRow)
{
    if (nRow < 0 || nRow >= kLines) return;
    if (nRow != m_nCurSel && !CheckData(-1)) {
        m_pList->SelectItem(m_nCurSel);
        return;
    }
    m_nCurSel = nRow;
    ShowLine();
}

BOOL CDataRentalTypeView::CheckData(int)
{
    if (!HasCurrentLine() || Line().nCategory < 0) return TRUE;
    if (GetCurSel(IDC_METHOD) == 0) SetDlgItemText(IDC_COUNT, "0");
    if (kAmounts.Check(this)) {
        kAmounts.Store(this, Line());
        return TRUE;
    }
    for (const CFieldDesc& field : kAmounts.Fields()) {
        if (auto* edit = qobject_cast<QLineEdit*>(GetDlgItem(field.nID))) edit->selectAll();
    }
    return FALSE;
}

void CDataRentalTypeView::DeleteLine()
{
    if (!HasCurrentLine()) return;
    m_abDeleted[size_t(m_nCurSel)] = true;
    ShowRow(m_nCurSel);
    ShowLine();
}

void CDataRentalTypeView::MoveLine(int nFrom, int nTo)
{
    nTo = std::min(nTo, kLines - 1);
    if (nFrom < 0 || nFrom >= kLines || nTo < 0 || nFrom == nTo) return;
    const auto first = size_t(std::min(nFrom, nTo));
    const auto last = size_t(std::max(nFrom, nTo)) + 1;
    if (nFrom < nTo) {
        std::rotate(m_aLines.begin() + long(first), m_aLines.begin() + long(first) + 1, m_aLines.begin() + long(last));
        std::rotate(m_abDeleted.begin() + long(first), m_abDeleted.begin() + long(first) + 1,
                    m_abDeleted.begin() + long(last));
    } else {
        std::rotate(m_aLines.begin() + long(first), m_aLines.begin() + long(last) - 1, m_aLines.begin() + long(last));
        std::rotate(m_abDeleted.begin() + long(first), m_abDeleted.begin() + long(last) - 1,
                    m_abDeleted.begin() + long(last));
    }
    for (size_t i = first; i < last; ++i) ShowRow(int(i));
    m_pList->DeselectItem(nFrom);
    m_nCurSel = nTo;
    m_pList->SelectItem(nTo);
    ShowLine();
}

// A deleted line is stored as a line not in use: the record keeps its twenty lines.
BOOL CDataRentalTypeView::StoreData()
{
    CTavrinProjectDoc* doc = GetDocument();
    if (!doc) return FALSE;
    const CDataRentalTypeClass& record = *doc->GetDataRentalType();
    BOOL bChanged = FALSE;
    for (int i = 0; i < kLines; ++i) {
        CDataRentalTermClass* term = record.GetTerm(i);
        if (!term) continue;
        const L line = m_abDeleted[size_t(i)] ? L{} : m_aLines[size_t(i)];
        if (LineOf(*term) == line) continue;
        WriteLine(line, *term);
        bChanged = TRUE;
    }
    return bChanged;
}

void CDataRentalTypeView::OnUpdateTitle()
{
    SetFrameCaption(162);
}

void CDataRentalTypeView::OnControlNotify(UINT nID, UINT nCode)
{
    kAmounts.Notify(this, nID, nCode);
    kLine.Notify(this, nID, nCode);
    if (nID == ID_LIST_SELECT) {
        SelectLine(m_pList->GetSelectedItem());
        return;
    }
    if (nID == ID_LIST_DELETE) {
        DeleteLine();
        return;
    }
    if (!HasCurrentLine()) return;
    L& line = Line();
    if (nID == IDC_CATEGORY && nCode == CBN_SELCHANGE) {
        kLine.Store(this, line);
        ShowRow(m_nCurSel);
    } else if (nID == IDC_METHOD && (nCode == CBN_SELCHANGE || nCode == CBN_KILLFOCUS)) {
        kLine.Store(this, line);
        ApplyMethod();
        ShowRow(m_nCurSel);
    } else if (nID == IDC_NAME && nCode == EN_KILLFOCUS) {
        line.strName = GetDlgItemText(IDC_NAME);
        ShowRow(m_nCurSel);
    } else if (nCode == EN_KILLFOCUS) {
        kAmounts.Store(this, line);
        ShowRow(m_nCurSel);
    }
}

LRESULT CDataRentalTypeView::OnControlKey(QWidget* pControl, UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    if (nMessage == WM_LIST_ITEM_MOVED) {
        MoveLine(int(wParam), int(lParam));
        return 1;
    }
    return CDataParentView::OnControlKey(pControl, nMessage, wParam, lParam);
}
