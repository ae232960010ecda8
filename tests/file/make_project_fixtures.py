#!/usr/bin/env python3
"""Writes project files of versions 2 to 7 field by field from the block
tables of the file format, for the reader tests. The files are committed;
the build does not run this script.

    python3 make_project_fixtures.py [output folder]
"""
import os
import struct
import sys

MAGIC = {2: "TAVRIN97", 3: "TAVRIN97A", 4: "TAVRINV700", 5: "TAVRINV701", 6: "TAVRINV800", 7: "TAVRINV801"}
BASIC_SIZE = {2: 400, 3: 400, 4: 1040, 5: 1040, 6: 2320, 7: 2320}

# One project: a five-storey building with flats and a shop in Setagaya.
PROJECT = {
    "name": "世田谷区弦巻三丁目賃貸併用住宅",
    "logo": "tsurumaki.bmp",
    "main": "鉄筋コンクリート造本体",
    "equipment": "",  # the reader gives "附帯"
    "autoloan": "",   # the reader gives "自動借入金"
    "tax_method": 1, "consumption_method": 0, "business_ratio": 92.5, "input_method": 1,
    "flags": [2, 0, 0, 1, 1, 1, 0, 1],  # nFundReportMode .. bLossCarryBack
    "subtitles": ["第一期計画", "金融機関提出用", "", "令和七年三月", "収支計算書"],
    "files": ["標準税率.TAX", "", "", "", ""],
    "outline": dict(months=14, unit=1, leased_input=0, buy_input=1, total=661.16, leased=0.0, buy=25.0,
                    use_input=0, demolish=198.35, plan=1652.9, use=1322.3, house_input=1, house_count=24,
                    house=80.0),
    "cost": dict(method=0, amount=412500.0, accounting=1, payment=3, compression=1, book=380000.0),
    "depreciation": [(78.0, 47, 0, 0, 0), (18.0, 15, 1, 1, 0), (4.0, 10, 0, 0, 12), (0.0, 0, 0, 0, 0),
                     (0.0, 0, 0, 0, 0), (0.0, 0, 0, 0, 0)],
    "capitalpay": [(15, 22000.0, 1, 1), (0, 0.0, 0, 0)],
    "expense_money": [(0, 0.0, 0, 0), (1, 3.5, 2, 0), (1, 3.0, 1, 1), (1, 2.1, 2, 0), (0, 1200.0, 2, 0),
                      (0, 880.0, 0, 2)] + [(0, 550.0 * (i + 1), 3, 2) for i in range(8)],
    "tax": dict(land_amount=285000.0, land_method=0, build_amount=60.0, build_method=2, house_ratio=75.0,
                house_units=24, rg=(0, 0, 1), municipal=(1, 0, 0, 1), cityplan=(0, 1), bp=(1, 0, 12.5),
                outside=1, land_method2=1, project_value=80.0, total_value=410000.0,
                asset_ratio=70.0, city_ratio=0.0, deferral=1, capital=50000.0, salary=12000.0,
                land_direct=1, land_tax=1500.0, build_direct=0, build_tax=0.0,
                rates=(8.0, 10.0, 8.1, 10.0), to_years=(3, 99, 1, 99), standard=1),
    "appraised_land": [(1, 3, 3, 2.5, 1), (4, 99, 3, 1.0, 0), (0, 0, 0, 0.0, 0), (0, 0, 0, 0.0, 0)],
    "appraised_build": [(1, 99, 3, 5.0, 1), (0, 0, 0, 0.0, 0), (0, 0, 0, 0.0, 0), (0, 0, 0, 0.0, 0)],
    "land_steps": [(1, 10, 1, 1.5, 0), (0, 0, 0, 0.0, 0), (0, 0, 0, 0.0, 0), (0, 0, 0, 0.0, 0)],
    "business_steps": [(1, 99, 1, 2.0, 0), (0, 0, 0, 0.0, 0), (0, 0, 0, 0.0, 0), (0, 0, 0, 0.0, 0)],
    "supply": dict(own=130000.0, land_own=0.0, short_use=1, short_rate=2.75, short_fee=1, autoloan=1,
                   land_loan=0, subsidy=3000.0),
    "loans": [(250000.0, 0, 0, 5, 7, 10000.0, 1, 0, [(1, 6, 1.1), (1, 10, 1.1), (11, 35, 2.3), (0, 0, 0.0),
                                                     (0, 0, 0.0)])] +
             [(30000.0, 1, 1, 0, 0, 0.0, 0, 0, [(0, 0, 0.0), (1, 20, 1.8), (0, 0, 0.0), (0, 0, 0.0),
                                                (0, 0, 0.0)])] +
             [(0.0, 0, 0, 0, 0, 0.0, 0, 0, [(0, 0, 0.0)] * 5)] * 5 +
             [(18000.0, 0, 0, 0, 0, 0.0, 0, 15, [(0, 0, 0.0), (15, 24, 2.0), (0, 0, 0.0), (0, 0, 0.0),
                                                 (0, 0, 0.0)])] +
             [(0.0, 0, 2, 0, 0, 0.0, 0, 0, [(0, 0, 0.0), (1, 20, 2.5), (0, 0, 0.0), (0, 0, 0.0),
                                            (0, 0, 0.0)])],
    # amount, method, from, to, extra1, extra2
    "cost_items": [(5.0, 2, 1, 99, 1, 0), (1.2, 1, 1, 99, 1, 0), (0.5, 1, 1, 99, 1, 0), (420.0, 0, 1, 99, 1, 0),
                   (660.0, 0, 1, 99, 0, 0), (12000.0, 0, 12, 36, 12, 3)] + [(0.0, 0, 0, 0, 0, 0)] * 4,
    "cost_rates": [(1, 99, 2, 1.0, 0)],
    "rental_basic": [(2, 10.0, 0, 0.0, 0, 1), (3, 0.0, 1, 20.0, 1, 0), (1, 0.0, 0, 0.0, 0, 0)] +
                    [(0, 0.0, 0, 0.0, 0, 0)] * 5,
    "rental_rates": [(1, 99, 0, 30.0, 0), (1, 99, 0, 95.0, 0), (1, 99, 2, 1.0, 1)],
    "rental_types": [(0, "1LDK（南向き）", 1, 16.0, 98.0, 5.0, 98.0, 196.0, 0.0, 98.0),
                     (0, "2LDK", 1, 8.0, 135.0, 6.0, 135.0, 270.0, 0.0, 135.0),
                     (1, "１階店舗", 2, 45.5, 380.0, 20.0, 0.0, 0.0, 4560.0, 0.0),
                     (2, "駐車場", 3, 10.0, 18.0, 0.0, 0.0, 0.0, 0.0, 0.0)] +
                    [(-1, "", 0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0)] * 16,
    "prorest": dict(surplus=0.05, minimum=5000.0),
    "other_income": [(360.0, 1, 99), (120.0, 3, 20)] + [(0.0, 0, 0)] * 4,
    "other_rates": [(1, 99, 5, 3.0, 0)],
    "rest_other": [(1800.0, 0, 1, 99), (600.0, 1, 1, 10), (240.0, 2, 1, 99)] + [(0.0, 0, 0, 0)] * 5,
    "rest_rates": [(1, 99, 1, 1.0, 1)],
    "business_apply": [0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 0, 0],
    "expense_consumption": [(i % 2, i % 5, 1 if i == 0 else 0) for i in range(17)],
    "expense_manage": [(i % 4, (i + 1) % 4) for i in range(24)],
    "advance": [(50.0, 100.0), (30.0, 0.0)] + [(0.0, 0.0)] * 6,
    "cost_consumption": [1, 0, 1, 0, 1, 0, 0, 0, 0, 0, 0, 1, 1],
    "rental_consumption": [[1, 1, 1, 1, 1, 1], [0, 0, 0, 1, 1, 0]] + [[0] * 6] * 6,
    "other_consumption": [0, 1, 0, 0, 0, 0],
    "interest_tax": 1,
    "other_manage": dict(startup=5, yield_formula=2, minus=1, own_time=1, prorate=[0, 1, 0, 1]),
    "names_depreciation": ["外構工事", "", "", ""],
    "names_expense_other": ["地盤調査費", "測量費", "", "", "", "", "", ""],
    "texts_expense_other": ["着工前に支払", "", "", "", "", "", "", ""],
    "names_loan": ["みずほ銀行", "世田谷信用金庫", "", "", "", "", "", "日本政策金融公庫", ""],
    "names_cost": ["", "", "", "", "共用部清掃費", "大規模修繕積立", "", "", "", ""],
    "names_rental": ["住宅", "店舗", "駐車場", "", "", "", "", ""],
    "names_other_income": ["自動販売機設置料", "携帯電話基地局賃料", "", "", "", ""],
    "names_rest_other": ["給与所得", "生命保険料控除", "生活費", "", "", "", "", ""],
    "texts_rest_other": ["近隣説明会2回", "仲介手数料は３％＋６万円", "", "", ""],
}
# A version 2 name is 256 bytes long; the reader keeps 31 bytes of it.
LONG_NAME = "東京都世田谷区弦巻三丁目土地有効活用プロジェクト"


def sjis(text):
    return text.encode("cp932")


class Out:
    def __init__(self, version):
        self.v = version
        self.b = bytearray()

    def block(self, size, fields, pad=0, size_word=None):
        blk = bytearray(size)
        struct.pack_into("<i", blk, 0, size if size_word is None else size_word)
        for off, fmt, val in fields:
            if fmt == "s":
                raw = sjis(val)
                blk[off:off + len(raw)] = raw
            else:
                struct.pack_into("<" + fmt, blk, off, val)
        self.b += blk
        self.b += bytes(pad)

    def pad_block(self):
        return 80 if self.v == 2 else 0

    def pad_record(self):
        return 100 if self.v == 2 else 0


def rate_fields(step):
    s, e, i, r, d = step
    return [(4, "i", s), (8, "i", e), (12, "i", i), (16, "d", r), (24, "i", d)]


def steps(out, schedule):
    for k in range(4):
        out.block(48, rate_fields(schedule[k] if k < len(schedule) else (0, 0, 0, 0.0, 0)), out.pad_record())


def loan_fields(loan):
    amount, fee, method, sfrom, sto, samount, source, capyear, _ = loan
    return [(4, "d", amount), (12, "i", fee), (16, "i", method), (20, "i", sfrom), (24, "i", sto),
            (28, "d", samount), (36, "i", source), (40, "i", capyear), (44, "i", 5)]


def periods(out, loan):
    for s, e, r in loan[8]:
        out.block(40, [(4, "i", s), (8, "i", e), (12, "d", r)], out.pad_record())


def list_block(out, count, pad=None):
    out.block(48, [(4, "i", count)], out.pad_block() if pad is None else pad)


def basic(out, p):
    f = [(4, "s", p["name"]), (132, "s", p["logo"]), (160, "s", p["main"]), (190, "s", p["equipment"]),
         (220, "s", p["autoloan"]), (260, "i", p["tax_method"]), (264, "i", p["consumption_method"]),
         (268, "d", p["business_ratio"]), (276, "i", p["input_method"])]
    ints = p["flags"] + [100 + k for k in range(22)]
    f += [(280 + 4 * k, "i", n) for k, n in enumerate(ints)]
    size = BASIC_SIZE[out.v]
    if size > 400:
        f += [(400 + 128 * k, "s", t) for k, t in enumerate(p["subtitles"])]
    if size > 1040:
        f += [(1040 + 256 * k, "s", t) for k, t in enumerate(p["files"])]
    out.block(size, f, size_word=size)


def tax(out, p):
    t = p["tax"]
    f = [(4, "d", t["land_amount"]), (12, "i", t["land_method"]), (16, "i", 4), (20, "d", t["build_amount"]),
         (28, "i", t["build_method"]), (32, "i", 4), (36, "d", t["house_ratio"]), (44, "i", t["house_units"])]
    f += [(48 + 4 * k, "i", n) for k, n in enumerate(t["rg"])]
    f += [(60 + 4 * k, "i", n) for k, n in enumerate(t["municipal"])]
    f += [(76, "i", t["cityplan"][0]), (80, "i", t["cityplan"][1]), (84, "i", t["bp"][0]), (88, "i", t["bp"][1]),
          (92, "d", t["bp"][2]), (100, "i", t["outside"]), (104, "i", t["land_method2"]),
          (108, "d", t["project_value"]), (116, "d", t["total_value"]), (124, "i", 4),
          (128, "d", t["asset_ratio"]), (136, "d", t["city_ratio"])]
    if out.v >= 5:
        f += [(144, "i", t["deferral"]), (148, "d", t["capital"]), (156, "d", t["salary"]), (164, "i", 4)]
    else:  # older files hold other values here, which the reader replaces
        f += [(144, "i", 7), (148, "d", 1.0), (156, "d", 2.0), (164, "i", 9)]
    f += [(168, "i", t["land_direct"]), (172, "d", t["land_tax"]), (180, "i", t["build_direct"]),
          (184, "d", t["build_tax"])]
    f += [(192 + 4 * k, "f", r) for k, r in enumerate(t["rates"])]
    f += [(208 + 4 * k, "i", y) for k, y in enumerate(t["to_years"])]
    f += [(244, "i", t["standard"])]
    out.block(248, f)


def name_list(out, names, texts=None, first=0):
    out.block(8, [(4, "i", len(names))])
    for k, n in enumerate(names[first:], first):
        if out.v == 2:
            out.block(260, [(4, "s", LONG_NAME if (k == first and n) else n)], size_word=0)
        else:
            out.block(36, [(4, "s", n)])
    if texts is not None and out.v > 2:
        for t in texts:
            out.block(68, [(4, "s", t)])


def project(version, kind=100):
    p = PROJECT
    out = Out(version)
    header = bytearray(314)
    struct.pack_into("<i", header, 0, 314)
    header[4:4 + len(MAGIC[version])] = MAGIC[version].encode()
    struct.pack_into("<h", header, 260, kind)
    out.b += header
    if version == 2:
        out.b += bytes(80)
    basic(out, p)
    o = p["outline"]
    out.block(128, [(4, "i", o["months"]), (8, "i", o["unit"]), (12, "i", o["leased_input"]),
                    (16, "i", o["buy_input"]), (20, "d", o["total"]), (28, "d", o["leased"]), (36, "d", o["buy"]),
                    (44, "i", o["use_input"]), (48, "d", o["demolish"]), (56, "d", o["plan"]), (64, "d", o["use"]),
                    (72, "i", o["house_input"]), (76, "i", o["house_count"]), (80, "d", o["house"])],
              out.pad_block())
    c = p["cost"]
    out.block(84, [(4, "i", c["method"]), (8, "d", c["amount"]), (16, "i", c["accounting"]),
                   (20, "i", c["payment"]), (24, "i", c["compression"]), (28, "d", c["book"]), (36, "i", 6),
                   (40, "i", 2)], out.pad_block())
    for a, life, method, extra, retire in p["depreciation"]:
        out.block(44, [(4, "d", a), (12, "i", life), (16, "i", method), (20, "i", extra), (24, "i", retire)],
                  out.pad_record())
    for year, a, source, item in p["capitalpay"]:
        out.block(44, [(4, "i", year), (8, "d", a), (16, "i", source), (20, "i", item)], out.pad_record())
    list_block(out, 14)
    for method, a, accounting, payment in p["expense_money"]:
        out.block(44, [(4, "i", method), (8, "d", a), (16, "i", accounting), (20, "i", payment)], out.pad_record())
    tax(out, p)
    steps(out, p["appraised_land"])
    steps(out, p["appraised_build"])
    steps(out, p["land_steps"])
    s = p["supply"]
    out.block(88, [(4, "d", s["own"]), (12, "d", s["land_own"]), (20, "i", s["short_use"]),
                   (24, "d", s["short_rate"]), (32, "i", s["short_fee"]), (36, "i", s["autoloan"]),
                   (40, "i", s["land_loan"]), (44, "i", 9), (48, "d", s["subsidy"])], out.pad_block())
    for loan in p["loans"]:
        out.block(48, loan_fields(loan))
    for loan in p["loans"]:
        periods(out, loan)
    list_block(out, 10)
    for a, method, yfrom, yto, extra1, extra2 in p["cost_items"]:
        out.block(48, [(4, "d", a), (12, "i", method), (16, "i", yfrom), (20, "i", yto), (24, "i", 4),
                       (28, "i", extra1), (32, "i", extra2)], out.pad_record())
    for k in range(10):
        steps(out, p["cost_rates"] if k == 2 else [])
    out.block(8, [(4, "i", 8)])
    for years, dep, depch, sec, secch, common in p["rental_basic"]:
        out.block(68, [(4, "i", years), (8, "d", dep), (16, "i", depch), (20, "d", sec), (28, "i", secch),
                       (32, "i", 4), (36, "i", 4), (40, "i", 4), (44, "i", 1), (48, "i", common)], out.pad_record(),
                  size_word=8)
    for r in range(3):
        for k in range(8):
            steps(out, [p["rental_rates"][r]] if k == 0 else [])
    security = (0.0, 0, 2, 0, 0, 0.0, 0, 0, [(0, 0, 0.0), (1, 3, 0.0), (0, 0, 0.0), (0, 0, 0.0), (0, 0, 0.0)])
    empty_loan = (0.0, 0, 0, 0, 0, 0.0, 0, 0, [(0, 0, 0.0)] * 5)
    for k in range(8):
        out.block(48, loan_fields(security if k == 1 else empty_loan))
    for k in range(8):
        periods(out, security if k == 1 else empty_loan)
    list_block(out, 20)
    for cat, name, method, count, rent, common, key, dep, sec, renew in p["rental_types"]:
        if version == 2:
            blk = [(4, "i", cat), (8, "s", name), (264, "i", method)]
            blk += [(268 + 8 * k, "d", v) for k, v in enumerate([count, rent, common, key, dep, sec, renew])]
            out.block(444, blk, size_word=444)
        else:
            blk = [(4, "i", cat), (8, "s", name), (40, "i", method)]
            blk += [(44 + 8 * k, "d", v) for k, v in enumerate([count, rent, common, key, dep, sec, renew])]
            out.block(120, blk)
    out.block(64, [(4, "d", p["prorest"]["surplus"]), (12, "d", p["prorest"]["minimum"]), (20, "i", 6)],
              out.pad_block())
    for a, yfrom, yto in p["other_income"]:
        out.block(44, [(4, "d", a), (12, "i", yfrom), (16, "i", yto), (20, "i", 4)], out.pad_record())
    for k in range(6):
        steps(out, p["other_rates"] if k == 0 else [])
    list_block(out, 8)
    for a, kind_, yfrom, yto in p["rest_other"]:
        out.block(48, [(4, "d", a), (12, "i", kind_), (16, "i", yfrom), (20, "i", yto), (24, "i", 4)],
                  out.pad_record())
    for k in range(8):
        steps(out, p["rest_rates"] if k == 1 else [])
    list_block(out, 21)
    for n in p["business_apply"]:
        out.block(28, [(4, "i", n)], out.pad_record())
    list_block(out, 17)
    for tax_, manage, start in p["expense_consumption"]:
        out.block(32, [(4, "i", tax_), (8, "i", manage), (12, "i", start)], out.pad_record())
    list_block(out, 24)
    for manage, payment in p["expense_manage"]:
        out.block(32, [(4, "i", manage), (8, "i", payment)], out.pad_record())
    list_block(out, 8)
    for sec, dep in p["advance"]:
        out.block(40, [(4, "d", sec), (12, "d", dep)], out.pad_record())
    list_block(out, 13)
    for n in p["cost_consumption"]:
        out.block(28, [(4, "i", n)], out.pad_record())
    out.block(36, [(4, "i", 8), (8, "i", 6), (12, "i", 1)], out.pad_record())
    for group in p["rental_consumption"]:
        out.block(48, [(4, "i", 6)], out.pad_block())
    for group in p["rental_consumption"]:
        for n in group:
            out.block(28, [(4, "i", n)], out.pad_record())
    for n in p["other_consumption"]:
        out.block(48, [(4, "i", 1)], out.pad_block(), size_word=28)
    for n in p["other_consumption"]:
        out.block(28, [(4, "i", n)], out.pad_record())
    out.block(48, [(4, "i", 1)], out.pad_block())
    out.block(28, [(4, "i", p["interest_tax"])], out.pad_record())
    m = p["other_manage"]
    out.block(136, [(4, "i", m["startup"]), (8, "i", m["yield_formula"]), (12, "i", 4), (16, "i", m["minus"]),
                    (20, "i", m["own_time"])])
    for n in m["prorate"]:
        out.block(28, [(4, "i", n)], out.pad_record())
    name_list(out, p["names_depreciation"])
    name_list(out, p["names_expense_other"], p["texts_expense_other"])
    name_list(out, p["names_loan"])
    name_list(out, p["names_cost"], first=4 if version <= 3 else 0)
    name_list(out, p["names_rental"])
    name_list(out, p["names_other_income"])
    out.block(8, [(4, "i", 8)])
    for n in p["names_rest_other"]:
        if version == 2:
            out.block(260, [(4, "s", n)], size_word=0)
        else:
            out.block(36, [(4, "s", n)])
    if version > 2:
        for t in p["texts_rest_other"]:
            out.block(68, [(4, "s", t)])
    if version >= 5:
        steps(out, p["business_steps"])
    return bytes(out.b)


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "fixtures")
    os.makedirs(folder, exist_ok=True)
    for v in range(2, 8):
        with open(os.path.join(folder, "v%d.prj" % v), "wb") as f:
            f.write(project(v))
    with open(os.path.join(folder, "v7.etd"), "wb") as f:
        f.write(project(7, 101))


if __name__ == "__main__":
    main()
