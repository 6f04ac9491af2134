#include "radio/RadioCommands.h"

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
