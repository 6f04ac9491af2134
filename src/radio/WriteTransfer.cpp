#include "radio/WriteTransfer.h"

#include "app/Globals.h"
#include "app/ShowMessage.h"
#include "app/TALL.h"
#include "codeplug/ChannelTable.h"
#include "codeplug/Codeplug.h"
#include "codeplug/TEnMsg.h"
#include "codeplug/TFrqList.h"
#include "codeplug/TFun.h"
#include "codeplug/TMacList.h"
#include "i18n/TLanguage.h"
#include "radio/ComPort.h"

namespace {
constexpr int WriteReplyTimeout = 1000;
constexpr int PauseAfterWrite = 28;
constexpr int ClickPause = 450;
constexpr int AttemptPause = 50;
constexpr int RetryPause = 1000;
constexpr int StartPause = 5;
constexpr int SettingsBAddress = 680;
constexpr int MapBits = 128;
} // namespace

bool EncodeWritePlan(WritePlan &plan, QString *problem)
{
    const TMacType *model = ALL->CurrentModel;
    if (!model) {
        if (problem)
            *problem = QStringLiteral("no current model");
        return false;
    }
    WritePlan p;
    p.model = model;
    TBWriteRead::FillBlock(p.filler);
    QString used;
    QString scan;
    for (int n = 1; n <= ALL->ChannelCount; ++n) {
        Record buffer {};
        TBWriteRead::FillBlock(buffer);
        ChannelData channel;
        QString why;
        switch (ReadChannelRow(*Channels, n + 1, channel, &why)) {
        case RowState::NotInUse:
            used += QLatin1Char('0');
            scan += QLatin1Char('0');
            break;
        case RowState::InUse:
            used += QLatin1Char('1');
            if (!TBWriteRead::EncodeChannel(buffer, channel)) {
                if (problem)
                    *problem = QStringLiteral("channel %1 cannot be encoded").arg(n);
                return false;
            }
            scan += channel.scanAdd == 1 ? QLatin1Char('1') : QLatin1Char('0');
            break;
        case RowState::Invalid:
            if (problem)
                *problem = QStringLiteral("channel %1: %2").arg(n).arg(why);
            return false;
        }
        p.channels.append(buffer);
    }
    ALL->ChannelUsedBits = used;
    ALL->ScanBits = scan;
    const QString parts[4] = {EnMsg->Line1.left(16), EnMsg->Line1.mid(16, 16), EnMsg->Line2.left(16),
                              EnMsg->Line2.mid(16, 16)};
    for (int i = 0; i < 4; ++i)
        TBWriteRead::EncodeText(p.message[i], parts[i]);
    TBWriteRead::EncodeSettingsA(p.settingsA, *Fun);
    TBWriteRead::EncodeIdentity(p.identity, ALL->ModelCode, FrqList->CodeOf(ALL->BandText));
    TBWriteRead::EncodeSettingsB(p.settingsB, *Fun);
    if (ALL->ChannelCount > 16) {
        for (const QString &bits : {used, scan})
            for (int from = 0; from < 2 * MapBits; from += MapBits) {
                Record map {};
                TBWriteRead::EncodeChannelMap(map, bits.mid(from, MapBits));
                p.channelMaps.append(map);
            }
    }
    plan = std::move(p);
    return true;
}

WriteTransfer::WriteTransfer(ComPort *port, QObject *parent)
    : TransferLink(port, WriteReplyTimeout, PauseAfterWrite, false, parent)
{
}

WriteTransfer::ModelCheck WriteTransfer::ClassifyModel(const QString &radioCode, const TMacType *current)
{
    const TMacType *radio = MacList->FindByCode(radioCode);
    if (!radio)
        return ModelCheck::Ask;
    if (current && radio->Code == current->Code)
        return ModelCheck::Go;
    if (current && radio->ChannelCount == current->ChannelCount)
        return ModelCheck::Ask;
    return ModelCheck::Refuse;
}

void WriteTransfer::FormShow()
{
    shared().LineErrorFlag = false;
    if (!OpenLink(false) && !closing())
        CloseTime.arm();
}

void WriteTransfer::btnOkClick()
{
    SetOkEnabled(false);
    if (!Pause(ClickPause))
        return;
    StartAttempt();
}

void WriteTransfer::StartAttempt()
{
    BeginAttempt();
    WriteDone = false;
    m_linkState = Transfer;
    shared().ErrorReported = false;
    auto plan = std::make_shared<WritePlan>();
    if (!EncodeWritePlan(*plan)) {
        ReportOnce(Language->ComError, MsgInformation);
        if (closing())
            return;
        SetOkEnabled(true);
        emit stopped();
        return;
    }
    m_plan = plan;
    port()->discardInput();
    port()->discardOutput();
    SetOkEnabled(false);
    m_rxIndex = 0;
    if (!Pause(AttemptPause))
        return;
    HeadTime.arm();
    WatchLineErrors(true);
    StartHandshake();
}

void WriteTransfer::myPortTriggerLineError()
{
    WakeWorkerWithLineError();
    ReportOnce(Language->ComError, MsgInformation);
}

void WriteTransfer::CheckModel(const QString &identity)
{
    const QString code = identity.mid(1, 4);
    switch (ClassifyModel(code, ALL->CurrentModel)) {
    case ModelCheck::Go:
        break;
    case ModelCheck::Ask:
        if (Ask(Language->Modforce, MsgYesNo) != ResultYes) {
            if (!closing()) {
                WatchLineErrors(false);
                emit stopped();
            }
            return;
        }
        break;
    case ModelCheck::Refuse:
        Ask(Language->ModError, MsgInformation);
        if (!closing()) {
            WatchLineErrors(false);
            emit stopped();
        }
        return;
    }
    if (closing())
        return;
    m_linkState = Transfer;
    if (!Pause(StartPause))
        return;
    shared().ErrorReported = false;
    std::shared_ptr<WritePlan> plan = m_plan;
    StartWorker([plan](TSendThread &worker) { return WriteBody(worker, *plan); });
}

TSendThread::Result WriteTransfer::WriteBody(TSendThread &worker, const WritePlan &plan)
{
    if (!worker.ExchangeAck())
        return TSendThread::Failed;
    const int channels = plan.channels.size();
    const int maximum = channels <= 16 ? channels + 6 : channels + 10;
    worker.SetProgressMax(maximum);
    worker.BlockAddress = -8;
    worker.SetProgress(0);
    if (!worker.WriteRecord(plan.filler, 'W'))
        return TSendThread::Failed;
    for (const Record &channel : plan.channels)
        if (!worker.WriteRecord(channel, 'W'))
            return TSendThread::Failed;
    worker.BlockAddress += 16 * plan.model->ReservedBlocks;
    for (const Record &part : plan.message)
        if (!worker.WriteRecord(part, 'W'))
            return TSendThread::Failed;
    if (!worker.WriteRecord(plan.settingsA, 'W') || !worker.WriteRecord(plan.identity, 'W'))
        return TSendThread::Failed;
    worker.BlockAddress = SettingsBAddress;
    if (!worker.WriteRecord(plan.settingsB, 'Y'))
        return TSendThread::Failed;
    for (const Record &map : plan.channelMaps)
        if (!worker.WriteRecord(map, 'W'))
            return TSendThread::Failed;
    worker.StopTryTime();
    worker.SendEnd();
    worker.SetProgress(maximum);
    return TSendThread::Done;
}

void WriteTransfer::Completion(bool everyStepDone, bool abandoned)
{
    m_linkState = Ended;
    WatchLineErrors(false);
    if (!everyStepDone) {
        SetOkEnabled(true);
        if (!abandoned)
            emit stopped();
        return;
    }
    WriteDone = true;
    Ask(Language->WriteOk, MsgInformation);
    if (closing())
        return;
    SetProgress(0);
    SetOkEnabled(true);
    emit stopped();
}

void WriteTransfer::RetryAfterReplyTimeout()
{
    SetOkEnabled(true);
    shared().ErrorReported = true;
    const int answer = Ask(Language->ComError, MsgRetryCancel);
    if (closing())
        return;
    if (answer == ResultRetry) {
        if (!Pause(RetryPause))
            return;
        SetProgress(0);
        StartAttempt();
    } else {
        emit stopped();
    }
}
