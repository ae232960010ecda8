#include <gtest/gtest.h>

#include "result/calc/rentallines.h"

namespace {

// The shape of a rental line and of the rental-types record as the engine reads them.
struct FakeLine : CObject {
    int m_nCategory = -1;
    int m_nInputMethod = 0;
    double m_dCount = 0, m_dRent = 0, m_dCommonFee = 0, m_dKeyMoney = 0;
    double m_dDeposit = 0, m_dSecurity = 0, m_dRenewalFee = 0;
};

struct FakeRentalType {
    CObArray* m_pTermArray = nullptr;
};

FakeLine* Line(int category, int method, double count, double amount)
{
    auto* p = new FakeLine;
    p->m_nCategory = category;
    p->m_nInputMethod = method;
    p->m_dCount = count;
    p->m_dRent = p->m_dCommonFee = p->m_dKeyMoney = amount;
    p->m_dDeposit = p->m_dSecurity = p->m_dRenewalFee = amount;
    return p;
}

} // namespace

TEST(RentalLinesTest, LinesOfTheCategoryPerYear)
{
    FakeRentalType type;
    EXPECT_TRUE((RentalLineAmounts<FakeLine>(type, 0, kRentalRent).empty())) << "no line array";

    CObArray lines;
    type.m_pTermArray = &lines;
    FakeLine* made[] = {Line(0, 0, 9, 100), Line(-1, 0, 0, 70), Line(0, 1, 3, 50), Line(1, 2, 2.5, 10),
                        Line(0, 2, 2.5, 10), Line(0, 3, 4, 1)};
    for (FakeLine* p : made) lines.Add(p);
    lines.InsertAt(2, nullptr); // an empty slot

    // Per dwelling, tsubo or car the count multiplies; rent and common fee are monthly.
    const struct { RentalField field; int category; std::vector<double> expected; } cases[] = {
        {kRentalRent, 0, {1200, 1800, 300, 48}},
        {kRentalCommonFee, 0, {1200, 1800, 300, 48}},
        {kRentalKeyMoney, 0, {100, 150, 25, 4}},
        {kRentalDeposit, 0, {100, 150, 25, 4}},
        {kRentalSecurity, 0, {100, 150, 25, 4}},
        {kRentalRenewalFee, 1, {25}},
        {kRentalRent, 7, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ((RentalLineAmounts<FakeLine>(type, c.category, c.field)), c.expected)
            << "field " << c.field << ", category " << c.category;
    for (FakeLine* p : made) delete p;
}
