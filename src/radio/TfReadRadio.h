#pragma once

#include "radio/TfTransferDialog.h"

class ComPort;
class ReadTransfer;

// "Read data From radio": the view of a read transfer. After it has closed, ReadDone tells
// whether the read completed; the main window then puts it into memory (ApplyStagedRead).
class TfReadRadio : public TfTransferDialog
{
    Q_OBJECT
public:
    // The port is the machine's serial port unless one is given.
    explicit TfReadRadio(QWidget *parent = nullptr, ComPort *port = nullptr);

    bool ReadDone() const;
    ReadTransfer *transfer() const { return m_read; }

private:
    ReadTransfer *m_read;
};
