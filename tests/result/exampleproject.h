// The worked example: a building of 20 flats with two shops and parking on
// the owner's land, financed by own funds and two loans, over 35 years.
#pragma once

#include "tests/result/sampleprojects.h"

constexpr int kExampleYears = 35;

void BuildExampleProject(CProjectInMemory& project);
