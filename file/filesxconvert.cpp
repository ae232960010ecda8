// The earlier product's project record written as a 16-bit project.
#include "file/filesx.h"
#include "file/legacyblock.h"
#include "platform/resource.h"

namespace {

constexpr int kNameWidth = 18;
// Bytes of "%3d：" in front of each project name of the list.
constexpr int kLinePrefix = 5;

void Flag(tabPROJECT& t, int nOffset, bool b)
{
    t.SetWord(nOffset, b ? 1 : 0);
}

void SxNames(tabPROJECT& t, const tavdata& d, int nLoan2)
{
    for (int k = 0; k < 4; ++k) {
        t.SetText(4 + kNameWidth * k, kNameWidth, LoadModuleString("TavFileClass.DLL", 55 + k));
        t.SetText(220 + kNameWidth * k, kNameWidth, d.Text(3140 + 17 * k, 17));
    }
    const int anLoan[3] = {0, 1, nLoan2};
    for (int k = 0; k < 3; ++k) {
        t.SetText(364 + kNameWidth * k, kNameWidth, d.Text(3293 + 17 * k, 17));
        t.SetText(112 + kNameWidth * anLoan[k], kNameWidth, d.Text(3242 + 17 * k, 17));
    }
    for (int k = 0; k < 2; ++k) {
        t.SetText(76 + kNameWidth * k, kNameWidth, d.Text(3114 + 13 * k, 13));
        t.SetText(472 + kNameWidth * k, kNameWidth, d.Text(3208 + 17 * k, 17));
    }
}

void SxBasic(tabPROJECT& t, const tavdata& d)
{
    t.SetWord(508, d.Word(352));
    t.SetWord(510, d.Word(360));
    Flag(t, 512, d.Word(366) == 0);
    t.SetDouble(518, d.Double(464));
    for (int k = 0; k < 3; ++k) {
        t.SetWord(526 + 6 * k, d.Word(354 + 2 * k));
        t.SetWord(528 + 6 * k, 1);
        t.SetWord(530 + 6 * k, 50);
        t.SetInt(544 + 4 * k, d.Int(536 + 4 * k));
        t.SetDouble(556 + 8 * k, d.Float(452 + 4 * k));
    }
}

void SxOutline(tabPROJECT& t, const tavdata& d)
{
    t.SetWord(580, d.Word(280));
    t.SetWord(582, 0);
    for (int k = 0; k < 6; ++k) t.SetDouble(632 + 8 * k, d.Double(8 * k));
    for (int k = 0; k < 3; ++k) {
        t.SetDouble(584 + 8 * k, d.Double(224 + 8 * k));
        t.SetDouble(608 + 8 * k, d.Double(556 + 8 * k));
    }
}

void SxConstruction(tabPROJECT& t, const tavdata& d)
{
    t.SetWord(680, d.Word(282));
    Flag(t, 682, d.Double(56) != 0.0);
    for (int k = 0; k < 5; ++k) t.SetWord(684 + 2 * k, d.Word(284 + 2 * k));
    for (int k = 0; k < 4; ++k) {
        t.SetWord(694 + 2 * k, d.Word(294 + 2 * k));
        t.SetWord(704 + 2 * k, d.Word(302 + 2 * k));
        t.SetWord(714 + 2 * k, d.Word(310 + 2 * k));
        t.SetInt(724 + 4 * k, d.Int(484 + 4 * k));
    }
    t.SetInt(744, SaturatingInt(d.Double(56)));
    t.SetInt(748, d.Int(480));
    t.SetDouble(752, d.Double(48));
    t.SetDouble(760, d.Double(64));
}

void SxOtherCosts(tabPROJECT& t, const tavdata& d)
{
    for (int k = 0; k < 5; ++k) t.SetInt(768 + 4 * k, d.Int(500 + 4 * k));
    t.SetDouble(820, d.Double(72));
    t.SetDouble(828, d.Double(88));
    t.SetDouble(836, d.Float(380));
    t.SetDouble(844, d.Float(384));
    t.SetDouble(852, d.Float(384));
    const int anTotal[5] = {80, 96, 112, 120, 104};
    for (int k = 0; k < 5; ++k) {
        t.SetDouble(868 + 8 * k, d.Double(anTotal[k]));
        Flag(t, 808 + 2 * k, d.Double(anTotal[k]) != 0.0);
    }
}

void SxTax(tabPROJECT& t, const tavdata& d)
{
    t.SetWord(916, d.Word(320));
    t.SetWord(918, d.Word(322));
    t.SetWord(920, d.Word(322));
    t.SetWord(922, d.Word(324));
    t.SetDouble(926, d.Float(396));
    t.SetDouble(934, d.Float(400));
    t.SetWord(972, d.Word(318));
    t.SetDouble(978, d.Double(136));
    t.SetDouble(986, d.Double(144));
    Flag(t, 966, d.Double(136) != 0.0);
    Flag(t, 968, d.Double(144) != 0.0);
    t.SetDouble(1002, d.Double(128));
    t.SetDouble(1010, d.Float(392));
    t.SetDouble(1026, d.Float(388));
}

// The earlier product's four loans go to loan positions 0, 1, nLoan2 and 6
// (the automatic loan).
void SxFunds(tabPROJECT& t, const tavdata& d, int nLoan2)
{
    t.SetWord(1052, d.Word(368));
    t.SetDouble(1056, d.Double(168));
    t.SetInt(1064, d.Int(548));
    t.SetInt(1068, d.Int(552));
    t.SetWord(1236, d.Word(3070));
    for (int i = 0; i < 6; ++i) t.SetWord(1168 + 10 * i, 1);
    const int anPosition[4] = {0, 1, nLoan2, 6};
    for (int k = 0; k < 4; ++k) {
        const int b = 2890 + 56 * k, q = anPosition[k];
        t.SetWord(1170 + 10 * q, d.Word(b));
        t.SetWord(1172 + 10 * q, d.Word(b + 14));
        t.SetWord(1174 + 10 * q, d.Word(b + 2));
        t.SetInt(1072 + 12 * q, d.Int(b + 20));
        t.SetInt(1076 + 12 * q, d.Int(b + 24));
        for (int i = 0; i < 4; ++i) {
            t.SetWord(1248 + 10 * q + 2 * i, d.Word(b + 4 + 2 * i));
            t.SetDouble(1328 + 40 * q + 8 * i, d.Float(b + 32 + 4 * i));
        }
    }
}

void SxYearlyExpenses(tabPROJECT& t, const tavdata& d)
{
    // Management fee and land rent: total, per tsubo, switch, interval, rate.
    for (int k = 0; k < 2; ++k) {
        t.SetDouble(1750 + 8 * k, d.Double(184 + 16 * k));
        t.SetDouble(1774 + 8 * k, d.Double(176 + 16 * k));
        Flag(t, 1738 + 2 * k, d.Double(184 + 16 * k) != 0.0);
        t.SetWord(1744 + 2 * k, d.Word(334 + 2 * k));
        t.SetDouble(1798 + 8 * k, d.Float(412 + 4 * k));
    }
    t.SetDouble(1658, d.Double(208));
    Flag(t, 1648, d.Double(208) != 0.0);
    t.SetWord(1650, d.Word(338));
    t.SetDouble(1666, d.Float(432));
    t.SetDouble(1674, d.Float(420));
    t.SetWord(1656, d.Word(344));
    t.SetDouble(1698, d.Double(216));
    for (int k = 0; k < 3; ++k) {
        t.SetWord(1822 + 6 * k, d.Word(346 + 2 * k));
        t.SetWord(1824 + 6 * k, 1);
        t.SetWord(1826 + 6 * k, 50);
        t.SetInt(1864 + 4 * k, d.Int(520 + 4 * k));
        t.SetDouble(1892 + 8 * k, d.Float(436 + 4 * k));
    }
}

void SxRentalLines(tabPROJECT& t, const tavdata& d)
{
    for (int i = 0; i < 20; ++i) {
        const int b = 710 + 97 * i, m = 2428 + 80 * i;
        // The name runs from +8 to the first amount at +17.
        t.SetText(1948 + 14 * i, 14, d.Text(b + 8, 9));
        t.SetWord(2228 + 10 * i, d.Word(b));
        t.SetWord(2230 + 10 * i, d.Word(b + 4));
        t.SetWord(2232 + 10 * i, d.Word(b + 2));
        const int anFrom[7] = {17, 25, 33, 65, 41, 49, 57};
        for (int k = 0; k < 7; ++k) t.SetDouble(m + 8 * k, d.Double(b + anFrom[k]));
    }
}

void SxRentalCategories(tabPROJECT& t, const tavdata& d)
{
    const int anWord[7] = {2650, 2656, 2652, 2654, 2658, 2660, 2662};
    const int anFloat[9] = {2690, 2686, 2670, 2674, 2678, 2682, 2694, 2698, 2702};
    for (int c = 0; c < 5; ++c) {
        for (int k = 0; k < 7; ++k) t.SetWord(4028 + 20 * c + 2 * k, d.Word(anWord[k] + 60 * c));
        for (int k = 0; k < 9; ++k) t.SetDouble(4128 + 80 * c + 8 * k, d.Float(anFloat[k] + 60 * c));
    }
}

void SxSurplus(tabPROJECT& t, const tavdata& d)
{
    t.SetInt(4528, d.Int(532));
    t.SetDouble(4532, d.Float(448));
    for (int k = 0; k < 2; ++k) {
        t.SetWord(4540 + 6 * k, d.Word(328 + 4 * k));
        t.SetWord(4542 + 6 * k, d.Word(326 + 4 * k));
        t.SetWord(4544 + 6 * k, d.Word(362 + 2 * k));
        t.SetDouble(4558 + 8 * k, d.Double(152 + 8 * k));
        t.SetDouble(4582 + 8 * k, d.Float(404 + 4 * k));
    }
}

// Entry i of the 25 treatments comes from entry j of the earlier 20 pairs
// (treatments at 580, timings at 620).
void SxTreatments(tabPROJECT& t, const tavdata& d)
{
    for (int i = 0; i < 20; ++i) {
        const int j = i <= 1 || (i >= 10 && i <= 15) ? i
                      : i <= 8                      ? i + 1
                      : i == 9                      ? 5
                      : i == 16                     ? 2
                                                    : i - 1;
        t.SetWord(4606 + 2 * i, d.Word(580 + 2 * j));
        t.SetWord(4656 + 2 * i, d.Word(620 + 2 * j));
    }
    t.SetWord(4656 + 2 * 10, 2);
    t.SetWord(4656 + 2 * 15, 65535);
}

void SxOptions(tabPROJECT& t, const tavdata& d)
{
    for (int i = 0; i < 20; ++i) {
        if (i <= 7) Flag(t, 4706 + 2 * i, d.Word(248 + 2 * i) == 0);
        else if (i >= 11 && i <= 18) Flag(t, 4706 + 2 * i, d.Word(242 + 2 * i) == 0);
    }
    Flag(t, 4746, d.Word(662) == 0);
    Flag(t, 4748, d.Word(664) == 0);
    t.SetWord(4754, d.Word(666));
    t.SetWord(4756, d.Word(684));
    t.SetWord(4758, d.Word(690));
    t.SetWord(4760, d.Word(696));
    for (int j = 0; j < 4; ++j) {
        t.SetWord(4762 + 2 * j, d.Word(668 + 2 * j));
        t.SetWord(4770 + 2 * j, d.Word(676 + 2 * j));
    }
}

} // namespace

BOOL CFileSXClass::ConvertSxTo16(tabPROJECT* pProject, tavdata* pData)
{
    if (!pProject || !pData) return FALSE;
    tabPROJECT& t = *pProject;
    const tavdata& d = *pData;
    // The third loan is the land-purchase loan when the project buys land
    // with it as an individual.
    const int nLoan2 = d.Word(352) == 0 && d.Int(536) > 0 && d.Double(16) > 0.0 ? 5 : 2;
    SxNames(t, d, nLoan2);
    SxBasic(t, d);
    SxOutline(t, d);
    SxConstruction(t, d);
    SxOtherCosts(t, d);
    SxTax(t, d);
    SxFunds(t, d, nLoan2);
    SxYearlyExpenses(t, d);
    SxRentalLines(t, d);
    SxRentalCategories(t, d);
    SxSurplus(t, d);
    SxTreatments(t, d);
    SxOptions(t, d);
    t.SetText(4818, 52, GetIndexArray(m_nCurSel).Mid(kLinePrefix));
    return TRUE;
}
