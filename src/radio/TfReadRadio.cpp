#include "radio/TfReadRadio.h"

#include "radio/ReadTransfer.h"

TfReadRadio::TfReadRadio(QWidget *parent, ComPort *port)
    : TfTransferDialog(parent, QStringLiteral("fReadRadio"), QStringLiteral("Read data From radio")),
      m_read(new ReadTransfer(port))
{
    bind(m_read);
}

bool TfReadRadio::ReadDone() const
{
    return m_read->ReadDone;
}
