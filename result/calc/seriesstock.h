// Items and arrays of an earlier run's series, kept for the next run so that
// a run does not make and free thousands of small objects.
#pragma once

#include <new>
#include <tuple>
#include <type_traits>
#include <vector>

#include "platform/cobject.h"
#include "result/calc/consumption.h"
#include "result/calc/yearbalance.h"

class CSeriesStock {
public:
    CSeriesStock() = default;
    ~CSeriesStock() { Clear(); }
    CSeriesStock(const CSeriesStock&) = delete;
    CSeriesStock& operator=(const CSeriesStock&) = delete;

    // Stocks the series' items and the emptied array; pSeries becomes null.
    void Keep(CDeleteObArray*& pSeries) noexcept;
    // An empty array, from the stock or new; null when memory runs out.
    CDeleteObArray* TakeArray();
    // A T as newly made, from the stock (for the item types of the series)
    // or new; null when memory runs out.
    template <class T>
    T* Take()
    {
        if constexpr (Stocks<T>(static_cast<Items*>(nullptr))) {
            std::vector<T*>& stock = std::get<std::vector<T*>>(m_items);
            if (!stock.empty()) {
                T* p = stock.back();
                stock.pop_back();
                p->~T();
                return ::new (p) T;
            }
        }
        return new (std::nothrow) T;
    }
    // Frees everything stocked.
    void Clear() noexcept;

private:
    using Items = std::tuple<std::vector<CConsumptionMoneyClass*>, std::vector<CConsumptionLoanClass*>,
                             std::vector<CConsumptionExpenseClass*>, std::vector<CDepreciationMoneyClass*>,
                             std::vector<CYearBalanceClass*>>;
    template <class T, class... V>
    static constexpr bool Stocks(std::tuple<std::vector<V*>...>*)
    {
        return (std::is_same_v<T, V> || ...);
    }
    template <class T>
    bool KeepAs(CObject* pItem) noexcept;

    std::vector<CDeleteObArray*> m_arrays;
    Items m_items;
};
