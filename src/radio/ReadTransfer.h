#pragma once

#include "codeplug/Codeplug.h"
#include "radio/TransferLink.h"

#include <memory>

// The read-from-radio transfer. Everything the radio sends is decoded into a staged codeplug
// of the attempt; only a read that has done every step puts its channels into the staging
// table and keeps the rest (model, band, model code, settings, message) staged beside it,
// for ApplyStagedRead. A failed read changes nothing in memory.
class ReadTransfer : public TransferLink
{
    Q_OBJECT
public:
    explicit ReadTransfer(ComPort *port = nullptr, QObject *parent = nullptr);

    void FormShow() override;
    void btnOkClick() override;

    bool ReadDone = false;
    bool AutoRetry = false;
    LinkTimer ReTime;

protected:
    void myPortTriggerLineError() override;
    void CloseTimeTimer() override;
    void CheckModel(const QString &identity) override;
    void Completion(bool everyStepDone, bool abandoned) override;
    void RetryAfterReplyTimeout() override;

private:
    void ReTimeTimer();
    TSendThread::Result ReadBody(TSendThread &worker, const QString &modelCode, CodeplugImage &image);

    std::shared_ptr<CodeplugImage> m_image;
};

// The staged result of the last completed read, or null. Cleared when a read dialog opens.
const CodeplugImage *StagedRead();
void ClearStagedRead();
// Puts a completed read into memory: model, band, model code, the normalised function
// settings, the message, then the staged channels (LoadStagedChannels); Modified becomes true.
// False (memory unchanged) when no completed read is staged.
bool ApplyStagedRead();
