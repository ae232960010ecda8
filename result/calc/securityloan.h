// One year of the repayment table of the guarantee money let in one year.
#pragma once

struct tagSECURITYLOAN {
    double dInterest; // interest paid in the year
    double dRepay;    // principal repaid in the year
    double dBalance;  // balance after the year's repayments
};
