#include "result/calc/seriesstock.h"

#include <typeinfo>

namespace {

// Adds p to stock; false when the stock cannot grow.
template <class T>
bool Push(std::vector<T>& stock, T p) noexcept
{
    try {
        stock.push_back(p);
        return true;
    } catch (...) {
        return false;
    }
}

template <class T>
void DeleteAll(std::vector<T*>& stock) noexcept
{
    for (T* p : stock) delete p;
    stock.clear();
}

} // namespace

template <class T>
bool CSeriesStock::KeepAs(CObject* pItem) noexcept
{
    if (typeid(*pItem) != typeid(T)) return false;
    if (!Push(std::get<std::vector<T*>>(m_items), static_cast<T*>(pItem))) delete pItem;
    return true;
}

void CSeriesStock::Keep(CDeleteObArray*& pSeries) noexcept
{
    if (!pSeries) return;
    for (int i = 0; i < pSeries->GetSize(); ++i) {
        CObject* pItem = pSeries->GetAt(i);
        if (!pItem) continue;
        if (!KeepAs<CConsumptionMoneyClass>(pItem) && !KeepAs<CConsumptionLoanClass>(pItem) &&
            !KeepAs<CConsumptionExpenseClass>(pItem) && !KeepAs<CDepreciationMoneyClass>(pItem) &&
            !KeepAs<CYearBalanceClass>(pItem))
            delete pItem;
    }
    pSeries->RemoveAll();
    if (!Push(m_arrays, pSeries)) delete pSeries;
    pSeries = nullptr;
}

CDeleteObArray* CSeriesStock::TakeArray()
{
    if (m_arrays.empty()) return new (std::nothrow) CDeleteObArray;
    CDeleteObArray* p = m_arrays.back();
    m_arrays.pop_back();
    return p;
}

void CSeriesStock::Clear() noexcept
{
    DeleteAll(m_arrays);
    std::apply([](auto&... stock) { (DeleteAll(stock), ...); }, m_items);
}
