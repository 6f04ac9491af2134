#include "report/TPrint.h"

#include "settings/TfBFunSet.h"

bool TPrint::PrintFunSet(TMemTable &body)
{
    TfBFunSet window;
    window.AppendPrintRows(body);
    return true;
}
