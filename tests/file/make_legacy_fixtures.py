#!/usr/bin/env python3
"""Writes projects of the older formats field by field from their offset
tables, for the import tests: a 16-bit project in its long and short form,
and index and data pairs of the earlier product (with empty slots, with a
short data file, with more slots than are listed). The files are committed;
the build does not run this script.

    python3 make_legacy_fixtures.py [output folder]
"""
import os
import struct
import sys


def sjis(text):
    return text.encode("cp932")


class Block:
    def __init__(self, size):
        self.b = bytearray(size)

    def u16(self, off, v):
        struct.pack_into("<H", self.b, off, v & 0xFFFF)

    def i16(self, off, v):
        struct.pack_into("<h", self.b, off, v)

    def i32(self, off, v):
        struct.pack_into("<i", self.b, off, v)

    def f32(self, off, v):
        struct.pack_into("<f", self.b, off, v)

    def f64(self, off, v):
        struct.pack_into("<d", self.b, off, v)

    def text(self, off, width, s):
        raw = s if isinstance(s, bytes) else sjis(s)
        assert len(raw) <= width, s
        self.b[off:off + len(raw)] = raw


# ---- 16-bit project (tabPROJECT, 7,268 bytes) ---------------------------------

def tav16_project():
    t = Block(7268)
    t.u16(0, 2103)
    t.u16(2, 2001)
    names = ["店舗", "マンション", "事務所", "駐車場",          # rental categories
             "外構工事", "昇降機設備",                          # depreciation items 3, 4
             "住宅金融公庫", "横浜銀行", "", "商工組合中央金庫店",  # loans 1-4 (4: 18 bytes, no NUL)
             b"A" + sjis("信用金庫本店営業") + sjis("部")[:1],      # loan 5: ends in a lead byte
             "農協",
             "地盤調査費", "測量費", "", "", "", "", "", "",      # other costs 1-8
             "共用部清掃費", "エレベーター保守", "", "", "", "",  # other expenses 1-6
             "自動販売機", "看板設置料"]                          # other incomes 1, 2
    assert len(names) == 28
    for n, s in enumerate(names):
        t.text(4 + 18 * n, 18, s)
    # Basic conditions and outside-project lines 1-3.
    t.u16(508, 0)
    t.u16(510, 0)
    t.u16(512, 0)
    t.f64(518, 100.0)
    for k, (interval, amount, rate) in enumerate([(2, 6000, 1.0), (0, 1200, 0.0), (0, 3600, 0.0)]):
        t.i16(526 + 6 * k, interval)
        t.i16(528 + 6 * k, 1)
        t.i16(530 + 6 * k, 50)
        t.i32(544 + 4 * k, amount)
        t.f64(556 + 8 * k, rate)
    # Outline: entered in square metres.
    t.i16(580, 12)
    t.u16(582, 1)
    for k, v in enumerate([495.87, 0.0, 0.0, 0.0, 1200.5, 1020.3]):
        t.f64(584 + 8 * k, v)
    for k, v in enumerate([150.0, 0.0, 0.0, 0.0, 363.15, 308.64]):
        t.f64(632 + 8 * k, v)
    # Construction cost as a total shared 75 : 25.
    t.u16(680, 0)
    t.u16(682, 1)
    t.i16(684, 47)
    t.i16(686, 15)
    t.u16(688, 1)
    t.i16(690, 0)
    t.i16(692, 0)
    t.i32(744, 240000)
    t.i32(748, 0)
    t.f64(752, 660.0)
    t.f64(760, 75.0)
    # Other costs: neighbourhood, brokerage, costs 2-8; then the switched lines.
    t.i32(768, 1500)
    t.i32(772, 2200)
    t.i32(776, 800)
    for i, (switch, by_rate, total) in enumerate([(1, 0.0, 0.0), (1, 0.0, 3000.0), (0, 3.0, 0.0), (0, 2.5, 0.0),
                                                  (1, 0.0, 450.0)]):
        t.u16(808 + 2 * i, switch)
        t.f64(820 + 8 * i, by_rate)
        t.f64(868 + 8 * i, total)
    # Tax conditions.
    t.u16(916, 24)
    t.u16(918, 1)
    t.u16(920, 1)
    t.u16(922, 1)
    t.f64(926, 85.0)
    t.f64(934, 10.0)
    t.f64(942, 180000.0)
    t.u16(966, 1)
    t.u16(968, 0)
    t.i16(972, 3)
    t.i16(974, 3)
    t.i16(976, 1)
    t.f64(978, 96000.0)
    t.f64(986, 0.0)
    t.f64(994, 150000.0)
    t.f64(1002, 320.0)
    t.f64(1010, 60.0)
    t.f64(1026, 2.0)
    t.f64(1034, 5.0)
    t.f64(1042, 1.5)
    # Own funds and loans.
    t.u16(1052, 0)
    t.u16(1054, 0)
    t.f64(1056, 3.5)
    t.i32(1064, 60000)
    t.i32(1068, 0)
    t.u16(1236, 1)
    loans = {0: (180000, 1, 0, 1, [10, 15, 0], [2.2, 2.2, 3.1, 0.0]),
             1: (20000, 1, 0, 0, [20, 0, 0], [0.0, 1.8, 0.0, 0.0])}
    for k, (amount, fee, repay, grace, lengths, rates) in loans.items():
        t.i32(1072 + 12 * k, amount)
        t.i16(1168 + 10 * k, fee)
        t.i16(1170 + 10 * k, repay)
        t.u16(1248 + 10 * k, grace)
        for i, n in enumerate(lengths):
            t.i16(1250 + 10 * k + 2 * i, n)
        for i, r in enumerate(rates):
            t.f64(1328 + 40 * k + 8 * i, r)
    t.u16(1228, 1)     # automatic loan: no registration fee
    t.u16(1230, 1)     # repaid from the surplus
    t.i16(1310, 10)
    t.f64(1576, 2.5)
    # Yearly expenses.
    t.u16(1738, 1)
    t.f64(1750, 3600.0)
    t.u16(1740, 1)
    t.u16(1648, 0)
    t.i16(1650, 3)
    t.i16(1656, 1)
    t.f64(1666, 1.0)
    t.f64(1674, 0.5)
    t.f64(1698, 0.1)
    for k, amount in enumerate([480, 720]):
        t.i16(1824 + 6 * k, 1)
        t.i16(1826 + 6 * k, 50)
        t.i32(1864 + 4 * k, amount)
    # Rental lines: name, category, method, count, then rent, key money,
    # common fee, deposit, guarantee money, renewal fee.
    lines = [("1K（南向）", 2, 1, 20, 68.0, 136.0, 5.0, 136.0, 0.0, 68.0),
             ("店舗Ａ", 1, 2, 30.5, 12.0, 0.0, 1.0, 0.0, 2400.0, 0.0),
             ("駐車場", 4, 3, 8, 25.0, 0.0, 0.0, 0.0, 0.0, 0.0),
             ("ファミリータイプ", 2, 1, 4, 120.0, 240.0, 8.0, 240.0, 0.0, 120.0)]
    for i, (name, cat, method, count, rent, key, common, dep, sec, renew) in enumerate(lines):
        raw = sjis(name)[:14]   # the last line's name fills its field without NUL
        t.text(1948 + 14 * i, 14, raw)
        t.u16(2228 + 10 * i, cat)
        t.u16(2230 + 10 * i, method)
        m = 2428 + 80 * i
        if method == 2:
            t.f64(m, count)
        else:
            t.u16(2232 + 10 * i, count)
        for k, v in enumerate([rent, key, common, dep, sec, renew]):
            t.f64(m + 8 + 8 * k, v)
    # Rental categories: years, rent interval, Y1, Y2, security repayment
    # method, grace, length, rent falls, occupancy falls; then deposit
    # amortisation, rent rate, turnover, occupancy x 3, repayment rates,
    # guarantee amortisation.
    cats = [(3, 0, 2, 4, 0, 0, 10, 0, 0, 0.0, 0.0, 20.0, 70.0, 85.0, 95.0, 0.0, 0.0, 10.0),
            (2, 2, 2, 5, 1, 0, 10, 1, 0, 0.0, 1.0, 30.0, 80.0, 90.0, 95.0, 0.0, 0.0, 0.0),
            (0, 0, 0, 0, 0, 0, 0, 0, 0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0),
            (1, 0, 2, 3, 0, 0, 0, 0, 0, 0.0, 0.0, 10.0, 60.0, 80.0, 90.0, 0.0, 0.0, 0.0)]
    for k, c in enumerate(cats):
        for j, v in enumerate(c[:9]):
            t.i16(4028 + 20 * k + 2 * j, v)
        for j, v in enumerate(c[9:]):
            t.f64(4128 + 80 * k + 8 * j, v)
    # Surplus funds, cash and other incomes 1, 2.
    t.i32(4528, 3000)
    t.f64(4532, 0.5)
    for k, (yfrom, yto, amount) in enumerate([(1, 50, 240.0), (1, 20, 120.0)]):
        t.i16(4542 + 6 * k, yfrom)
        t.i16(4544 + 6 * k, yto)
        t.f64(4558 + 8 * k, amount)
    # Treatments and timings of the 25 entries.
    for e in range(25):
        t.u16(4606 + 2 * e, e % 3)
        t.u16(4656 + 2 * e, e % 4)
    # Business-share switches: bit 0 set means applied.
    for e in range(17):
        t.u16(4706 + 2 * e, 0 if e == 3 else 1)
    t.u16(4740, 1)
    t.u16(4742, 2)
    # Amortisation and advance-receipt options.
    t.u16(4746, 0)
    t.u16(4748, 1)
    t.i16(4754, 5)
    t.u16(4756, 1)
    t.u16(4758, 0)
    t.u16(4760, 1)
    for k, v in enumerate([100, 50, 0, 0]):
        t.i16(4762 + 2 * k, v)
    for k, v in enumerate([0, 100, 0, 0]):
        t.i16(4770 + 2 * k, v)
    t.text(4818, 52, "横浜市港北区日吉二丁目賃貸マンション計画")
    # Extension: ten comments (the fifth fills its field), subsidy, own-fund
    # timing and the periods of other incomes 1 and 2.
    comments = ["ボーリング３か所", "近隣説明会２回", "仲介手数料は３％", "現況測量",
                "敷地境界確定測量および地積更正登記申請費用", "", "", "", "", ""]
    for i, c in enumerate(comments):
        t.text(5038 + 42 * i, 42, c)
    t.i32(5710, 5000)
    t.i16(5714, 1)
    periods = [([1, 10, 20, 30, 0, 0], [240.0, 260.0, 280.0, 300.0, 0.0, 0.0]),
               ([1, 5, 10, 15, 0, 0], [120.0, 130.0, 140.0, 150.0, 0.0, 0.0])]
    for k, (years, amounts) in enumerate(periods):
        t.u16(5716 + 2 * k, 1)
        for j in range(6):
            t.i16(5722 + 12 * k + 2 * j, years[j])
            t.f64(5758 + 48 * k + 8 * j, amounts[j])
    return bytes(t.b)


# ---- Earlier product: index records and data records -------------------------

def sx_record(kind):
    d = Block(3364)
    corporate = kind == "corporate"
    for k, v in enumerate([150.0, 0.0, 0.0 if corporate else 50.0, 0.0, 360.0, 300.0]):
        d.f64(8 * k, v)
    d.f64(48, 650.0)
    d.f64(56, 234000.0)
    d.f64(64, 80.0)
    d.f64(72, 1200.0)
    d.f64(80, 0.0 if corporate else 60000.0)
    d.f64(96, 2500.0)
    d.f64(104, 800.0)
    d.f64(128, 300.0)
    d.f64(136, 45000.0)
    d.f64(152, 180.0)
    d.f64(168, 3.0)
    d.f64(184, 2400.0)
    d.f64(208, 500.0)
    d.f64(216, 0.08)
    for k, v in enumerate([495.87, 0.0, 165.29]):
        d.f64(224 + 8 * k, v)
    for k, v in enumerate([0.0, 1190.08, 991.74]):
        d.f64(556 + 8 * k, v)
    for i in range(8):
        d.u16(248 + 2 * i, 1 if i == 2 else 0)
    d.u16(280, 10)
    d.u16(282, 0)
    for k, v in enumerate([47, 15, 1, 0, 0]):
        d.i16(284 + 2 * k, v)
    d.u16(318, 3)
    d.u16(320, 12)
    d.u16(322, 1)
    d.u16(324, 0)
    d.u16(326, 1)
    d.u16(338, 1)
    d.u16(344, 2)
    d.u16(352, 1 if corporate else 0)
    d.u16(362, 50)
    d.u16(368, 0 if corporate else 1)
    d.f32(380, 3.0)
    d.f32(384, 2.0)
    d.f32(388, 2.0)
    d.f32(392, 60.0)
    d.f32(396, 100.0)
    d.f32(420, 0.5)
    d.f32(432, 1.0)
    d.f32(448, 0.25)
    d.f64(464, 100.0)
    d.i32(500, 1000)
    d.i32(504, 1800)
    d.i32(520, 360)
    d.i32(532, 2000)
    d.i32(536, 4800)
    d.i32(548, 50000)
    d.i32(552, 0 if corporate else 10000)
    for j in range(20):
        d.u16(580 + 2 * j, j % 3)
        d.u16(620 + 2 * j, j % 4)
    d.u16(662, 0)
    d.u16(664, 1)
    d.u16(666, 5)
    for j, v in enumerate([100, 100, 0, 0]):
        d.u16(668 + 2 * j, v)
    for j, v in enumerate([0, 50, 0, 0]):
        d.u16(676 + 2 * j, v)
    d.u16(684, 1)
    d.u16(690, 0)
    d.u16(696, 2)
    # Rental lines: category, count, method, name, then count (per tsubo),
    # rent, key money, deposit, guarantee money, renewal fee, common fee.
    lines = [(2, 16, 1, "1LDK", 0.0, 85.0, 170.0, 170.0, 0.0, 85.0, 5.0),
             (1, 0, 2, "店舗", 25.0, 14.0, 0.0, 0.0, 3500.0, 0.0, 1.0)]
    for i, (cat, count, method, name, tsubo, rent, key, dep, sec, renew, common) in enumerate(lines):
        b = 710 + 97 * i
        d.u16(b, cat)
        d.u16(b + 2, count)
        d.u16(b + 4, method)
        d.text(b + 8, 9, name)
        for off, v in [(17, tsubo), (25, rent), (33, key), (41, dep), (49, sec), (57, renew), (65, common)]:
            d.f64(b + off, v)
    # Rental categories 1-5: years, rent interval, Y1, Y2, repayment method,
    # grace, length; turnover, occupancy x 3, rent rate, deposit amortisation,
    # repayment rates, guarantee amortisation.
    cats = [(3, 0, 2, 4, 0, 0, 10, 20.0, 70.0, 85.0, 95.0, 0.0, 0.0, 0.0, 0.0, 10.0),
            (2, 2, 2, 3, 1, 0, 10, 30.0, 80.0, 90.0, 95.0, 1.0, 0.0, 0.0, 0.0, 0.0),
            (0,) * 7 + (0.0,) * 9, (0,) * 7 + (0.0,) * 9,
            (5, 0, 0, 0, 0, 0, 0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0)]
    for c, v in enumerate(cats):
        base = 60 * c
        for off, x in zip([2650, 2656, 2652, 2654, 2658, 2660, 2662], v[:7]):
            d.u16(off + base, x)
        for off, x in zip([2670, 2674, 2678, 2682, 2686, 2690, 2694, 2698, 2702], v[7:]):
            d.f32(off + base, x)
    # Loans 1, 2, 3 (the land-purchase loan of an individual buying land)
    # and the automatic loan: repayment, special years, grace, lengths,
    # source, amount, special amount, rates.
    loans = [(0, 0, [1, 25, 0, 0], 0, 150000, 0, [2.0, 2.0, 0.0, 0.0]),
             (0, 0, [0, 0, 0, 0], 0, 0, 0, [0.0] * 4),
             (0, 0, [0, 20, 0, 0], 0, 40000 if not corporate else 0, 0, [0.0, 1.5, 0.0, 0.0]),
             (0, 0, [0, 10, 0, 0], 0, 0, 0, [0.0, 2.5, 0.0, 0.0])]
    for k, (repay, years, periods, source, amount, special, rates) in enumerate(loans):
        b = 2890 + 56 * k
        d.u16(b, repay)
        d.u16(b + 2, years)
        for i, n in enumerate(periods):
            d.u16(b + 4 + 2 * i, n)
        d.u16(b + 14, source)
        d.i32(b + 20, amount)
        d.i32(b + 24, special)
        for i, r in enumerate(rates):
            d.f32(b + 32 + 4 * i, r)
    d.u16(3070, 1)
    d.text(3114, 13, "外構工事")
    d.text(3127, 13, "駐輪場")
    d.text(3140, 17, "地盤改良費")
    d.text(3208, 17, "自販機収入")
    d.text(3242, 17, "みずほ銀行")
    d.text(3242 + 34, 17, "日本政策金融公庫")
    d.text(3293, 17, "清掃委託費")
    return bytes(d.b)


def index_record(in_use, name):
    r = Block(53)
    r.u16(0, 1 if in_use else 0)
    r.text(2, 51, name)
    return bytes(r.b)


def write(folder, name, data):
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "fixtures")
    project = tav16_project()
    write(out, "tav16_long.dat", project)
    write(out, "tav16_short.dat", project[:4870])

    # Slots 1 and 3 in use, 2 empty; the data file's name is in lower case.
    pair = os.path.join(out, "sx_pair")
    write(pair, "TAVIDX.DAT", index_record(True, "山田ビル建替計画") + index_record(False, "") +
          index_record(True, "鈴木アパート新築（法人）"))
    write(pair, "tavdat.dat", sx_record("individual") + bytes(3364) + sx_record("corporate"))

    # Three projects listed, the third data record cut short.
    short = os.path.join(out, "sx_short")
    write(short, "TAVIDX.DAT", b"".join(index_record(True, n) for n in ["川崎店舗付住宅", "目黒賃貸", "大田倉庫"]))
    write(short, "TAVDAT.DAT", sx_record("individual") * 2 + bytes(1000))

    # More slots than are listed.
    many = os.path.join(out, "sx_many")
    write(many, "TAVIDX.DAT", b"".join(index_record(True, "物件%03d" % (n + 1)) for n in range(201)))
    write(many, "TAVDAT.DAT", bytes(3364) * 201)


if __name__ == "__main__":
    main()
