// The frames of the data windows after the basic conditions, in family order.
#pragma once

#include "app/data/dataparentframe.h"

// A data frame with its command id.
template <int nCommandID>
class CDataFrame : public CDataParentFrame {
public:
    explicit CDataFrame(CTavrinProjectDoc* pDoc) : CDataParentFrame(pDoc) { m_nCommandID = nCommandID; }
};

class CDataOutlineFrame : public CDataFrame<20001> {
    using CDataFrame::CDataFrame;
};
class CDataExpenseFrame : public CDataFrame<20002> {
    using CDataFrame::CDataFrame;
};
class CDataExpenseOtherFrame : public CDataFrame<20003> {
    using CDataFrame::CDataFrame;
};
class CDataTaxFrame : public CDataFrame<20004> {
    using CDataFrame::CDataFrame;
};
class CDataLoanFrame : public CDataFrame<20005> {
    using CDataFrame::CDataFrame;
};
class CDataCostFrame : public CDataFrame<20006> {
    using CDataFrame::CDataFrame;
};
class CDataRentalBasicFrame : public CDataFrame<20007> {
    using CDataFrame::CDataFrame;
};
class CDataRentalTypeFrame : public CDataFrame<20008> {
    using CDataFrame::CDataFrame;
};
class CDataProRestOtherFrame : public CDataFrame<20009> {
    using CDataFrame::CDataFrame;
};

class CDataRestOtherFrame : public CDataFrame<20010> {
    using CDataFrame::CDataFrame;
};
