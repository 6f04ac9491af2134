#include "report/PrintCommands.h"

#include "app/TfMainFrm.h"
#include "report/PrintCodeplug.h"

void InstallPrintCommands(TfMainFrm &mainWindow)
{
    TfMainFrm *window = &mainWindow;
    window->SetCommand(7, [window] { PrintCodeplug(window, false); });
    window->SetCommand(8, [window] { PrintCodeplug(window, true); });
}
