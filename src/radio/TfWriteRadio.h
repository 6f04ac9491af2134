#pragma once

#include "radio/TfTransferDialog.h"

class ComPort;
class WriteTransfer;

// "Write data to radio": the view of a write transfer. It stays open after "WriteOk" for
// another write until the user closes it.
class TfWriteRadio : public TfTransferDialog
{
    Q_OBJECT
public:
    explicit TfWriteRadio(QWidget *parent = nullptr, ComPort *port = nullptr);

    bool WriteDone() const;
    WriteTransfer *transfer() const { return m_write; }

private:
    WriteTransfer *m_write;
};
