#include "radio/RadioCommands.h"

#include "app/TfMainFrm.h"
#include "radio/ReadTransfer.h"

#include "radio/TfReadRadio.h"
#include "radio/TfSetPort.h"
#include "radio/TfWriteRadio.h"

bool RunReadRadio(QWidget *parent)
{
    TfReadRadio fReadRadio(parent);
    fReadRadio.exec();
    return fReadRadio.ReadDone();
}

bool RunWriteRadio(QWidget *parent)
{
    TfWriteRadio fWriteRadio(parent);
    fWriteRadio.exec();
    return fWriteRadio.WriteDone();
}

bool RunSetPort(QWidget *parent)
{
    TfSetPort fSetPort(parent);
    return fSetPort.exec() == QDialog::Accepted;
}

void WireRadioCommands(TfMainFrm &window)
{
    TfMainFrm *w = &window;
    window.SetCommand(20, [w] {
        if (RunReadRadio(w) && ApplyStagedRead()) {
            // A codeplug read from a radio belongs to no file.
            w->FileName.clear();
            w->UpdateCaptions();
        }
    });
    window.SetCommand(21, [w] { RunWriteRadio(w); });
    window.SetCommand(24, [w] {
        RunSetPort(w);
        w->UpdateCaptions();
    });
}
