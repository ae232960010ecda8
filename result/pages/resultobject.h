// Row base of the result pages and the per-year records, and the array that owns such rows.
#pragma once

#include "platform/cobject.h"

class CResultObjectClass : public CObject {
};

// Owns its elements: destroying the array deletes every non-null element.
class CDeleteObArray : public CObArray {
public:
    CDeleteObArray() = default;
    ~CDeleteObArray() override;
    CDeleteObArray(const CDeleteObArray&) = delete;
    CDeleteObArray& operator=(const CDeleteObArray&) = delete;
};
