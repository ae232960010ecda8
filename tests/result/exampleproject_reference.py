#!/usr/bin/env python3
"""Reference figures of the worked example (exampleproject.cpp), computed
year by year like a spreadsheet from the project's inputs, without the
engine. Prints the table that exampleproject_test.cpp holds.

Amounts in thousand yen. Only what the example uses is modelled: an
individual owner, amounts including consumption tax, own land, no outside
lines, no automatic or shortfall loan.
"""

N = 35
ONE_TWELFTH = 0.08333333333333333
RATE = 10.0  # consumption tax, every stage
F = RATE / (RATE + 100)


def fraction(value):
    """Whole thousand yen, half up: cut at one decimal, add 0.5, cut."""
    def cut(places, x):
        text = '%f' % abs(x)
        whole, decimals = text.split('.')
        text = whole + ('.' + decimals[:places] if places else '')
        return float(('-' if x < 0 else '') + text)
    x = cut(1, value)
    sign = -1.0 if x < 0 else 1.0
    result = cut(0, sign * (abs(x) + 0.5))
    return 0.0 if result == 0 else result


def change(amount, year, steps):
    """A four-step change schedule: steps are (start, end, interval, rate, decrease)."""
    for i, (start, end, interval, rate, decrease) in enumerate(steps):
        if end >= start and not (start <= year <= end):
            continue
        if i == 0 and year == start:
            return amount
        if interval == 0 or (year - start) % interval != 0:
            return amount
        c = rate * 0.01 * amount
        return amount - c if decrease else amount + c
    return amount


def level(amount, year, steps):
    """An amount carried through the rent-change schedule for years 0 to year."""
    for t in range(0, year + 1):
        amount = change(amount, t, steps)
    return amount


def split_included(amount, taxable):
    """Net and tax of an amount that includes consumption tax."""
    if not taxable:
        return amount, 0.0
    tax = amount / (RATE + 100) * RATE
    return amount - tax, tax


# --- Inputs -----------------------------------------------------------------

NO_CHANGE = []
FLAT_RENT_STEPS = [(1, 99, 2, 1.0, True)]          # 1 % lower every second year
REPAIR_STEPS = [(1, 99, 1, 2.0, False)]             # 2 % more every year
BUILDING_VALUE_STEPS = [(1, 99, 3, 5.0, True)]      # 5 % lower every third year

CONSTRUCTION = 330000.0
MONTHS = 12
OWN_FUNDS = 120000.0
HOUSE_RATIO = 315.0 / 420.0
SPECIAL_HOUSE = 70.0 * 0.01

# Rental categories: 0 flats (no consumption tax), 1 shops, 2 parking.
OCCUPANCY = {0: 95.0, 1: 100.0, 2: 80.0}  # percent let
TURNOVER = {0: 30.0, 1: 20.0, 2: 0.0}     # percent of tenants replaced at a contract end
CONTRACT = {0: 2, 1: 3, 2: 1}
RENT_STEPS = {0: FLAT_RENT_STEPS, 1: NO_CHANGE, 2: NO_CHANGE}
TAXABLE_INCOME = {0: False, 1: True, 2: True}
# Lines: (category, dwellings, rent, common fee, key money, deposit, security, renewal fee).
LINES = [(0, 12, 95.0, 5.0, 95.0, 190.0, 0.0, 95.0),
         (0, 8, 128.0, 6.0, 128.0, 256.0, 0.0, 128.0),
         (1, 2, 420.0, 20.0, 0.0, 0.0, 5040.0, 0.0),
         (2, 10, 15.0, 0.0, 0.0, 0.0, 0.0, 0.0)]
DEPOSIT_KEPT = 10.0 * 0.01     # flats
SECURITY_KEPT = 20.0 * 0.01    # shops, lump-sum repayment at a lease end, fixed amount

# --- Rental series: each line on its own, the running sum rounded -----------


def rental_series(field, follows_rent):
    series = {t: [0.0] * (N + 1) for t in OCCUPANCY}
    for line in LINES:
        t = line[0]
        amount = line[1] * line[field]
        if field in (2, 3):  # monthly rent and common fee
            amount *= 12
        for y in range(0, N + 1):
            if y > 0 and follows_rent:
                amount = change(amount, y, RENT_STEPS[t])
            series[t][y] = fraction(series[t][y] + amount)
    return series


RENT = rental_series(2, True)
COMMON = rental_series(3, False)          # flats' common fees are fixed
KEY_BASE = {t: s[0] for t, s in rental_series(4, True).items()}
DEPOSIT_BASE = {t: s[0] for t, s in rental_series(5, True).items()}
SECURITY_BASE = {t: s[0] for t, s in rental_series(6, False).items()}
RENEWAL_BASE = {t: s[0] for t, s in rental_series(7, True).items()}


def occupancy(t, y):
    return 0.0 if y == 0 else OCCUPANCY[t] * 0.01


def turnover(t):
    return TURNOVER[t] * 0.01


# --- Assessed values and property taxes --------------------------------------

LAND_VALUE = 72000.0
building_value = [CONSTRUCTION * 60.0 * 0.01]
for y in range(1, N + 1):
    building_value.append(change(building_value[-1], y, BUILDING_VALUE_STEPS))

# Mid-rise fire-resistant, 75 % housing: the whole site is residential land.
land_fixed_asset_tax = [LAND_VALUE * 1.4 * 0.01 * MONTHS / 12] + \
    [(LAND_VALUE * (1 - 1.0) + LAND_VALUE * 1.0 * (1.0 / 6.0)) * 1.4 * 0.01] * N
land_city_plan_tax = [LAND_VALUE * 0.3 * 0.01 * MONTHS / 12] + \
    [(LAND_VALUE * (1 - 1.0) + LAND_VALUE * 1.0 * (1.0 / 3.0)) * 0.3 * 0.01] * N
build_fixed_asset_tax = [0.0]
build_city_plan_tax = [0.0]
for y in range(1, N + 1):
    v = building_value[y]
    base = v - SPECIAL_HOUSE * v + SPECIAL_HOUSE * v * 0.5 if y <= 5 else v - SPECIAL_HOUSE * v + SPECIAL_HOUSE * v
    build_fixed_asset_tax.append(base * 1.4 * 0.01)
    build_city_plan_tax.append(v * 0.3 * 0.01)

# --- Construction funds --------------------------------------------------------


def construction_tax(amount, years):
    """Tax contained in an amount paid in the construction years given, in equal parts."""
    return sum(RATE * (amount / len(years) / (RATE + 100)) for _ in years)


# Construction cost in three instalments (construction years 1, 1, 2): the
# amounts as entered include their tax.
cost_items = [CONSTRUCTION * 80 * 0.01, CONSTRUCTION * 20 * 0.01]
cost_tax = [construction_tax(a, [1, 1, 2]) for a in cost_items]
cost_net = [a - t for a, t in zip(cost_items, cost_tax)]
design_net = 3.0 * 0.01 * sum(cost_net)
design_tax = RATE * 0.01 * design_net                   # a share of the net cost: tax on top
neighbour_tax = construction_tax(1100.0, [1])
neighbour_net = 1100.0 - neighbour_tax
fee_tax = construction_tax(880.0, [2])                  # paid at completion
fee_net = 880.0 - fee_tax
v0 = building_value[0]
building_registration = 0.4 * 0.01 * v0
special = max(0.0, SPECIAL_HOUSE * v0 - 20 * 12000.0)
other_house = (HOUSE_RATIO - SPECIAL_HOUSE) * v0
rest = v0 - HOUSE_RATIO * v0
building_acquisition = 3.0 * 0.01 * (special + other_house) + 4.0 * 0.01 * rest

# Month table: index = months before completion.
month = [0.0] * (MONTHS + 1)
for a, tax in zip(cost_net, cost_tax):
    v = fraction(a + tax)
    for k in (0, MONTHS, MONTHS // 2):
        month[k] += v / 3
month[MONTHS // 2] += fraction(design_net + design_tax)
month[MONTHS] += fraction(neighbour_net + neighbour_tax)
for v in (fee_net + fee_tax, building_registration, building_acquisition,
          land_fixed_asset_tax[0], land_city_plan_tax[0]):
    month[0] += fraction(v)
spread = sum(fraction(a + t) for a, t in zip(cost_net, cost_tax)) + \
    sum(fraction(v) for v in (design_net + design_tax, neighbour_net + neighbour_tax, fee_net + fee_tax,
                              building_registration, building_acquisition,
                              land_fixed_asset_tax[0], land_city_plan_tax[0]))

advance_deposit = 100.0 * 0.01 * (DEPOSIT_BASE[0] * OCCUPANCY[0] * 0.01)
advance_security = 100.0 * 0.01 * (SECURITY_BASE[1] * OCCUPANCY[1] * 0.01)
available = OWN_FUNDS + advance_deposit + advance_security
interest = 0.0
for k in range(MONTHS, -1, -1):
    paid = max(0.0, min(available, month[k]))
    available -= paid
    if k >= 1:
        interest += k * (month[k] - paid) * 2.0 * 0.01 / 12
construction_interest = fraction(interest)
mortgage_tax = 0.4 * 0.01 * 200000.0                   # loan 1 pays it, loan 2 does not
uses = mortgage_tax + construction_interest + spread
sources = OWN_FUNDS + advance_deposit + advance_security + 250000.0
surplus = sources - uses

# Accounting: the building takes design, interest, building registration and
# the construction cost's tax; expenses and start-up costs the rest.
building_added = design_net + design_tax + construction_interest + building_registration + sum(cost_tax)
startup_cost = fee_net + fee_tax
year0_expense = (neighbour_net + neighbour_tax) + mortgage_tax + building_acquisition + \
    land_fixed_asset_tax[0] + land_city_plan_tax[0]

# --- Depreciation ---------------------------------------------------------------

RESIDUAL = 10.0 * 0.01
bases = [building_added / sum(cost_net) * c + c for c in cost_net]


def straight_line(base, life):
    book, residual, out = base, RESIDUAL * base, [0.0]
    for _ in range(N):
        d = (base - residual) * (1.0 / life)
        if book - d >= residual:
            book -= d
            out.append(d)
        else:
            out.append(book - residual)
            book = residual
    return out


def declining_balance(base, life):
    rate, residual = 2.5 / life, RESIDUAL * base
    book, accumulated, j, fixed, out = base, 0.0, 1, None, [0.0]
    for _ in range(N):
        if fixed is None:
            remaining = base - accumulated - residual
            d = remaining * rate
            if remaining / (life - j + 1) > d:
                d = fixed = remaining / (life - j + 1)
        else:
            d = fixed
        if book - d >= residual:
            book -= d
            accumulated += d
            out.append(d)
        else:
            out.append(book - residual)
            book = residual
        j += 1
    return out


depreciation = [a + b for a, b in zip(straight_line(bases[0], 47), declining_balance(bases[1], 15))]
for y in range(1, 6):
    depreciation[y] += startup_cost / 5

# --- Loans: monthly lists summed by year -----------------------------------------


def level_payment(amount, periods):
    rates = [r * 0.01 * ONE_TWELFTH for years, r in periods for _ in range(12 * years)]
    months, balance, items, q = len(rates), amount, [], 0.0
    for m in range(1, months + 1):
        i = rates[m - 1]
        n = months - m + 1
        if m == 1 or i != rates[m - 2]:
            denominator = 1 - (1 + i) ** -n
            q = balance / n if balance * i == 0 else (balance * i if denominator == 0 else balance * i / denominator)
        paid_interest = balance * i
        repaid = q - paid_interest
        if m < months:
            balance = max(balance - repaid, 0.0)
        else:
            repaid, balance = balance, 0.0
        items.append((paid_interest, repaid, balance))
    return items


def level_principal(amount, years, rate, grace_months):
    items = [(rate * 0.01 / 12 * amount, 0.0, amount)] * grace_months
    months = 12 * years
    principal, balance, monthly = amount / months, amount, rate * 0.01 * ONE_TWELFTH
    for m in range(1, months + 1):
        paid_interest = (months - m + 1) * monthly * principal
        if m < months:
            balance = max(balance - principal, 0.0)
            items.append((paid_interest, principal, balance))
        else:
            items.append((paid_interest, balance, 0.0))
    return items


def by_year(items, amount):
    rows = [(0.0, 0.0, amount)]
    for y in range(1, N + 1):
        group = items[12 * (y - 1):12 * y]
        rows.append((sum(g[0] for g in group), sum(g[1] for g in group), group[-1][2]) if group else (0.0, 0.0, 0.0))
    return rows


loan1 = by_year(level_payment(200000.0, [(10, 1.5), (20, 2.5)]), 200000.0)
loan2 = by_year(level_principal(50000.0, 15, 1.2, 6), 50000.0)

# --- Rental incomes, deposits and guarantee money by tenant cohort -------------------


def key_and_renewal(base, t):
    key, renewal, cohort = [0.0] * (N + 1), [0.0] * (N + 1), [0.0] * 100
    c, steps = CONTRACT[t], RENT_STEPS[t]
    for y in range(1, N + 1):
        x = base * (occupancy(t, y) - occupancy(t, y - 1))
        cohort[y] += x
        key[y] = level(x, y, steps)
        if y - c >= 1:
            j = y - c
            key[y] += level(cohort[j], y, steps) * turnover(t)
            renewal[y] += level(cohort[j], y, steps) * (1 - turnover(t))
            cohort[y] += cohort[j]
            cohort[j] = 0.0
    return key, renewal


def deposits(base, t, kept, advance, first_kept):
    income, received, returned = [0.0] * (N + 1), [0.0] * (N + 1), [0.0] * (N + 1)
    cohort, c, r_, steps = [0.0] * 100, CONTRACT[t], turnover(t), RENT_STEPS[t]
    for y in range(1, N + 1):
        x = base * (occupancy(t, y) - occupancy(t, y - 1))
        cohort[y] += x
        x = level(x, y, steps)
        p, h, back = kept * x, (1 - kept) * x, 0.0
        j = y - c
        while j >= 1:
            v = level(cohort[j], y, steps) * r_
            p += kept * v
            h += (1 - kept) * v
            cohort[y] += r_ * cohort[j]
            back += r_ * (1 - kept) * level(cohort[j], j, steps)
            cohort[j] -= cohort[j] * r_
            j -= c
        income[y] = p
        received[y] = (1 - advance) * h - advance * first_kept if y == 1 else h
        returned[y] = back
    return income, received, returned


def guarantee_lump_sum(base, t, kept, advance, first_kept):
    """Fixed guarantee money repaid in one sum at each lease end."""
    income, received, repaid = [0.0] * (N + 1), [0.0] * (N + 1), [0.0] * (N + 1)
    cohort, c, r_ = [0.0] * 100, CONTRACT[t], turnover(t)
    due = [[0.0] * 100 for _ in range(100)]  # due[k][y]: balance of cohort k falling due in year y
    for y in range(1, N + 1):
        x = base * (occupancy(t, y) - occupancy(t, y - 1))
        cohort[y] += x
        p, h, back = kept * x, (1 - kept) * x, 0.0
        j = y - c
        while j >= 1:
            v = cohort[j] * r_
            p += kept * v
            h += (1 - kept) * v
            cohort[y] += r_ * cohort[j]
            back += r_ * due[j][y]
            due[j][y + c] = due[j][y] * (1 - r_)
            cohort[j] -= cohort[j] * r_
            j -= c
        due[y][y + c] += (1 - kept) * cohort[y]
        income[y] = p
        received[y] = (1 - advance) * h - advance * first_kept if y == 1 else h
        repaid[y] = back
    return income, received, repaid


key0, renewal0 = key_and_renewal(KEY_BASE[0], 0)
deposit_income, deposit_in, deposit_out = deposits(
    DEPOSIT_BASE[0], 0, DEPOSIT_KEPT, 1.0, DEPOSIT_KEPT * (DEPOSIT_BASE[0] * OCCUPANCY[0] * 0.01))
security_income, security_in, security_out = guarantee_lump_sum(
    SECURITY_BASE[1], 1, SECURITY_KEPT, 1.0, SECURITY_KEPT * (SECURITY_BASE[1] * OCCUPANCY[1] * 0.01))

# --- Running costs ---------------------------------------------------------------------

repairs = [CONSTRUCTION * 0.5 * 0.01]
for y in range(1, N + 1):
    repairs.append(change(repairs[-1], y, REPAIR_STEPS))


def management_fee(y):
    return 5.0 * 0.01 * sum(RENT[t][y] * occupancy(t, y) for t in OCCUPANCY)


# --- Income and inhabitant taxes of an individual ----------------------------------------

INCOME_BRACKETS = [(1950.0, 5.0, 0.0), (3300.0, 10.0, 97.5), (6950.0, 20.0, 427.5), (9000.0, 23.0, 636.0),
                   (18000.0, 33.0, 1536.0), (40000.0, 40.0, 2796.0), (1.0e12, 45.0, 4796.0)]


def income_tax(income):
    for upper, rate, deduction in INCOME_BRACKETS:
        if income <= upper:
            return rate * 0.01 * income - deduction


def carry_forward(losses, y, income, years=3):
    """Offsets income against the losses kept of the years before, oldest first."""
    if income <= 0:
        return income
    for k in range(max(0, y - years), y):
        if losses[k] == 0:
            continue
        income += losses[k]
        if income < 0:
            losses[k] = income
            return 0.0
        losses[k] = 0.0
    return income


# --- The years -----------------------------------------------------------------------------

years = [dict(cash=surplus, business_tax=0.0, deposit_balance=0.0, security_balance=0.0)]
business_losses = [-year0_expense] + [0.0] * N
income_losses = [-year0_expense] + [0.0] * N
for y in range(1, N + 1):
    prev = years[y - 1]
    r = {}
    interest_income = 0.1 * 0.01 * prev['cash']
    rents = {t: RENT[t][y] * occupancy(t, y) for t in OCCUPANCY}
    commons = {t: COMMON[t][y] * occupancy(t, y) for t in OCCUPANCY}
    other_income = 240.0
    flats = rents[0] + commons[0] + key0[y] + renewal0[y] + deposit_income[y]
    taxable_sales = rents[1] + commons[1] + security_income[y] + rents[2] + commons[2] + other_income
    income_total = flats + taxable_sales + interest_income

    fee = management_fee(y)
    big_repair = 9000.0 if y >= 12 and (y - 12) % 12 == 0 else 0.0
    taxable_costs = fee + repairs[y] + 720.0 + big_repair
    property_taxes = land_fixed_asset_tax[y] + build_fixed_asset_tax[y] + land_city_plan_tax[y] + \
        build_city_plan_tax[y]
    sales_tax = taxable_sales * F
    divisor = flats + taxable_sales - sales_tax
    ratio = (taxable_sales - sales_tax) / divisor
    consumption_tax = (taxable_sales - taxable_costs) * F if ratio >= 0.95 else sales_tax - taxable_costs * F * ratio
    if taxable_sales <= 10000.0:
        consumption_tax = 0.0
    expense_total = property_taxes + prev['business_tax'] + consumption_tax + taxable_costs + 360.0 + \
        loan1[y][0] + loan2[y][0]
    profit = income_total - expense_total
    profit_after = profit - depreciation[y]

    base = carry_forward(business_losses, y, profit_after - interest_income)
    business_losses[y] = base if base <= 0 else 0.0
    business_tax = 5.0 * 0.01 * (base - 2900.0) if base > 0 and base - 2900.0 > 0 else 0.0
    base = carry_forward(income_losses, y, profit_after - interest_income)
    income_losses[y] = base if base <= 0 else 0.0
    taxes = (income_tax(base), 4.0 * 0.01 * base, 6.0 * 0.01 * base) if base > 0 else (0.0, 0.0, 0.0)

    retained = profit + prev['business_tax'] - business_tax - sum(taxes)
    flow = retained - loan1[y][1] - loan2[y][1] + deposit_in[y] - deposit_out[y] + security_in[y] - security_out[y]
    r.update(cash=prev['cash'] + flow, business_tax=business_tax, income=income_total, expense=expense_total,
             depreciation=depreciation[y], taxes=taxes)
    years.append(r)

FIGURES = [('income total', lambda y: years[y]['income']),
           ('expense total', lambda y: years[y]['expense']),
           ('depreciation', lambda y: years[y]['depreciation']),
           ('loan 1 interest', lambda y: loan1[y][0]),
           ('loan 1 balance', lambda y: loan1[y][2]),
           ('loan 2 interest', lambda y: loan2[y][0]),
           ('loan 2 balance', lambda y: loan2[y][2]),
           ('business tax', lambda y: years[y]['business_tax']),
           ('income tax', lambda y: years[y]['taxes'][0]),
           ('prefectural tax', lambda y: years[y]['taxes'][1]),
           ('municipal tax', lambda y: years[y]['taxes'][2]),
           ('cash on hand', lambda y: years[y]['cash'])]

if __name__ == '__main__':
    for y in (1, 2, 10, 35):
        values = ['%.4f' % get(y) for _, get in FIGURES]
        rows = [', '.join(values[i:i + 4]) for i in range(0, len(values), 4)]
        print('    {%d, {%s}},' % (y, (',\n' + ' ' * (9 if y < 10 else 10)).join(rows)))
