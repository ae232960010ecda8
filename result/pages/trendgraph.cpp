#include "result/pages/trendgraph.h"

// Stand-ins until the graphs are built: they draw nothing.
void CResultGraphOutlineClass::DrawGraph(CDC*, int)
{
}

void CResultGraphLoanClass::DrawGraph(CDC*, int)
{
}

void CResultGraphCapitalClass::DrawGraph(CDC*, int)
{
}
