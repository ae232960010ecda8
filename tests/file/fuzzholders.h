// Record holders of a fuzz target, built once per process: building them
// for every input would take most of the time. Reset returns each record to
// its state as constructed; the sheets built with the holders stay.
#pragma once

#include "app/common/classobject.h"

class CFuzzHolders {
public:
    CFuzzHolders() : m_bCreated(m_data.CreateData() && m_option.CreateData() && m_tax.CreateData()) {}

    void Reset()
    {
        ResetRecords(m_data.Records());
        ResetRecords(m_option.Records());
        ResetRecords(m_tax.Records());
    }

    CDataClassObject m_data;
    COptionClassObject m_option;
    CTaxClassObject m_tax;
    bool m_bCreated;

private:
    template <class Records>
    static void ResetRecords(const Records& records)
    {
        for (auto* p : records) {
            p->InitData();
            p->CreateData();
        }
    }
};
