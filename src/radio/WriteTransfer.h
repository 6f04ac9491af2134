#pragma once

#include "radio/TBWriteRead.h"
#include "radio/TransferLink.h"

#include <QVector>

#include <memory>

class TMacType;

// Every record a write sends, encoded from the codeplug in memory before the first command.
struct WritePlan
{
    const TMacType *model = nullptr;
    Record filler {};
    QVector<Record> channels;
    Record message[4] {};
    Record settingsA {};
    Record identity {};
    Record settingsB {};
    QVector<Record> channelMaps; // only for a model with more than 16 channels
};

// Encodes the current codeplug (channel table, message, settings, model code and band) and
// rebuilds ALL->ChannelUsedBits and ALL->ScanBits. False, with the reason, when a channel
// cannot be encoded.
bool EncodeWritePlan(WritePlan &plan, QString *problem = nullptr);

// The write-to-radio transfer. It compares the model the radio reports with the current one
// before anything is written, and encodes the whole codeplug before the handshake, so that a
// channel that cannot be encoded is reported before anything reaches the radio.
class WriteTransfer : public TransferLink
{
    Q_OBJECT
public:
    explicit WriteTransfer(ComPort *port = nullptr, QObject *parent = nullptr);

    void FormShow() override;
    void btnOkClick() override;

    // The last attempt wrote every record.
    bool WriteDone = false;

    enum class ModelCheck { Go, Ask, Refuse };
    static ModelCheck ClassifyModel(const QString &radioCode, const TMacType *current);

protected:
    void myPortTriggerLineError() override;
    void CheckModel(const QString &identity) override;
    void Completion(bool everyStepDone, bool abandoned) override;
    void RetryAfterReplyTimeout() override;
    void LineErrorEndsAttempt() override { Completion(false, false); }

private:
    void StartAttempt();
    static TSendThread::Result WriteBody(TSendThread &worker, const WritePlan &plan);

    std::shared_ptr<WritePlan> m_plan;
};
