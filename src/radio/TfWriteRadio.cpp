#include "radio/TfWriteRadio.h"

#include "radio/WriteTransfer.h"

TfWriteRadio::TfWriteRadio(QWidget *parent, ComPort *port)
    : TfTransferDialog(parent, QStringLiteral("fWriteRadio"), QStringLiteral("Write data to radio")),
      m_write(new WriteTransfer(port))
{
    bind(m_write);
}

bool TfWriteRadio::WriteDone() const
{
    return m_write->WriteDone;
}
