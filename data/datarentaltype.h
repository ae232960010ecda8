#pragma once
#include "data/dataclass.h"
class CDataRentalTypeClass : public CDataClass {};
