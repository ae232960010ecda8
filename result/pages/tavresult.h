// The result object whose pages the table steps fill.
#pragma once

// Stand-in until the result pages are built: the report kind the views select.
class CTavResultClass {
public:
    int m_nItemFlag = 0;
};
