// Field tables: which control shows which member of a record, how its text is
// checked and how it is rewritten when the user leaves it. One table drives
// loading, checking and storing a record.
#pragma once

#include <span>
#include <type_traits>
#include <variant>
#include <vector>

#include "app/common/formkit.h"

// A record field bound to a control.
enum class FieldKind {
    Text,     // edit <-> CString, at most nMaxChars bytes
    Number,   // edit <-> double, with separators, in [dMin, dMax]
    Integer,  // edit <-> int or long, a whole number in [dMin, dMax]
    Choice,   // combo box selection <-> int
    Check,    // check box <-> int
    Radio,    // radio buttons nID..nLastID <-> int
};

// How a number edit is rewritten when it loses the focus.
enum class NumberStyle {
    Comma,  // an empty text becomes dEmpty, then separators are inserted
    Plain,  // an empty text becomes dEmpty, separators are removed
    Count,  // an empty text becomes dEmpty; any other stays as typed
};

using CFieldRef = std::variant<CString*, double*, int*, long*>;

// One field: its control, its kind, its checks and how its value maps to the
// control. dMin < dMax sets a range; an empty range checks only the form.
struct CFieldDesc {
    UINT nID = 0;
    FieldKind kind = FieldKind::Text;
    int nMaxChars = 0;
    double dMin = 0;
    double dMax = 0;
    NumberStyle style = NumberStyle::Comma;
    double dEmpty = 0;
    UINT nLastID = 0;
    // Non-zero: the range check is the screen's own, shown with this message
    // and the stop icon after the framework's checks of every field.
    UINT nMessageID = 0;
    // Non-zero: an edit left empty takes the text of this control.
    UINT nEmptyFromID = 0;
    // Choice and Radio: the stored value is the index + nOffset, or values[index].
    // Check: values holds {unchecked, checked}; {0, 1} when empty.
    int nOffset = 0;
    std::span<const int> values = {};
};

// A field bound to a member of the record: the binder gets the record and
// the row of a row template (0 for a single field). A template of nRows rows
// takes its ids from pIDs, or nID + row * nIDStep (nLastID likewise).
template <class Record>
struct CFormField {
    CFieldDesc desc;
    CFieldRef (*pfnBind)(Record&, int nRow) = nullptr;
    int nRows = 1;
    int nIDStep = 1;
    const UINT* pIDs = nullptr;
};

// The row of a row template in a binder's path.
struct RowIndex {};
inline constexpr RowIndex kRow{};

namespace formfields_detail {
template <class T>
auto* Walk(T& obj, int)
{
    return &obj;
}
template <auto First, auto... Rest, class T>
auto* Walk(T& obj, int nRow)
{
    if constexpr (std::is_same_v<std::remove_cvref_t<decltype(First)>, RowIndex>)
        return Walk<Rest...>(obj[nRow], nRow);
    else if constexpr (std::is_member_object_pointer_v<decltype(First)>)
        return Walk<Rest...>(obj.*First, nRow);
    else
        return Walk<Rest...>(obj[First], nRow);
}
} // namespace formfields_detail

// Binders: a path of members, array indexes and kRow, for example
// Path<&R::aLand, 0, &tagDATALAND::dTotalLand> or Path<&R::aLoan, kRow, &tagDATALOAN::dAmount>.
template <auto... Steps, class Record>
CFieldRef Path(Record& r, int nRow)
{
    return formfields_detail::Walk<Steps...>(r, nRow);
}
template <auto pMember, class Record>
CFieldRef Member(Record& r, int nRow)
{
    return Path<pMember>(r, nRow);
}
template <auto pArray, int n, class Record>
CFieldRef Element(Record& r, int nRow)
{
    return Path<pArray, n>(r, nRow);
}

// The control's value to the bound member and back; checks of the fields.
void LoadField(CFormWidget* pForm, const CFieldDesc& field, const CFieldRef& ref);
// TRUE when the stored value differs from what the member held.
BOOL StoreField(CFormWidget* pForm, const CFieldDesc& field, const CFieldRef& ref);
BOOL CheckFields(CFormWidget* pForm, std::span<const CFieldDesc> fields);
// Input method and kill-focus formatting of the field's edit; FALSE when nID is no field.
BOOL FieldNotify(CFormWidget* pForm, std::span<const CFieldDesc> fields, UINT nID, UINT nCode);
// The sum of the numbers the edits show.
double FieldTotal(const CFormWidget* pForm, std::span<const UINT> ids);

// A record's field table: load, check and store driven by it.
template <class Record>
class CFormFields {
public:
    explicit CFormFields(std::span<const CFormField<Record>> fields)
    {
        for (const auto& f : fields) {
            for (int r = 0; r < f.nRows; ++r) {
                CFieldDesc desc = f.desc;
                const UINT nShift = f.pIDs ? f.pIDs[r] - f.desc.nID : UINT(r * f.nIDStep);
                desc.nID += nShift;
                if (desc.nLastID) desc.nLastID += nShift;
                m_desc.push_back(desc);
                m_bind.push_back({f.pfnBind, r});
            }
        }
    }
    void Load(CFormWidget* pForm, Record& record) const
    {
        for (size_t i = 0; i < m_desc.size(); ++i) LoadField(pForm, m_desc[i], Bind(record, i));
    }
    BOOL Check(CFormWidget* pForm) const { return CheckFields(pForm, m_desc); }
    // TRUE when a stored value changed.
    BOOL Store(CFormWidget* pForm, Record& record) const
    {
        BOOL bChanged = FALSE;
        for (size_t i = 0; i < m_desc.size(); ++i) bChanged |= StoreField(pForm, m_desc[i], Bind(record, i));
        return bChanged;
    }
    BOOL Notify(CFormWidget* pForm, UINT nID, UINT nCode) const { return FieldNotify(pForm, m_desc, nID, nCode); }
    std::span<const CFieldDesc> Fields() const { return m_desc; }

private:
    struct CBinding {
        CFieldRef (*pfnBind)(Record&, int);
        int nRow;
    };
    CFieldRef Bind(Record& record, size_t i) const { return m_bind[i].pfnBind(record, m_bind[i].nRow); }

    std::vector<CFieldDesc> m_desc;
    std::vector<CBinding> m_bind;
};
