// Row base of the result pages and the per-year records; CDeleteObArray owns such rows.
#pragma once

#include "platform/cobject.h"

class CResultObjectClass : public CObject {
};
