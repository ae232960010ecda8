// Rows and number texts shared by the construction funds and financing
// tables and their export sections.
#pragma once

#include <initializer_list>

#include "platform/cstring.h"
#include "result/calc/consumption.h"
#include "result/calc/tavcalc.h"
#include "result/pages/resultbase.h"
#include "result/tables/premisetext.h"

// An engine figure with the rounding settings' decimals, not rounded first.
CString FormatFigure(const CTavCalcClass& calc, double dValue);
// Appends a row of the three texts to the page; FALSE with 13002 when it
// cannot be allocated.
BOOL AppendFundRow(CTavCalcClass& calc, CResultBaseClass& page, const CString& strItem, const CString& strContent,
                   const CString& strMoney);

// Element nIndex of a series of the engine; an empty one when it is missing.
const CConsumptionMoneyClass& FundItem(const CObArray* pSeries, int nIndex);

