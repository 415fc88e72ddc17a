#pragma once
// The process-wide readings: written by an entry window, read by its result and report windows.
// The main window owns one set for the life of the program.

#include "career/modCareerAstrology.h"
#include "financial/modFinancialAstrology.h"

namespace orbika {

struct ReadingState {
    FinancialReading financial;
    CareerReading career;
};

} // namespace orbika
