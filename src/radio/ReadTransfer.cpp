#include "radio/ReadTransfer.h"

#include "app/Globals.h"
#include "app/ShowMessage.h"
#include "app/TALL.h"
#include "codeplug/ChannelTable.h"
#include "codeplug/TFrqList.h"
#include "codeplug/TMacList.h"
#include "i18n/TLanguage.h"
#include "radio/ComPort.h"

#include <optional>

namespace {
constexpr int ReadReplyTimeout = 100;
constexpr int RestartDelay = 500;
constexpr int ClickPause = 500;
constexpr int RetryPause = 1000;
constexpr int StartPause = 5;
constexpr int SettingsBAddress = 680;

std::optional<CodeplugImage> &stagedRead()
{
    static std::optional<CodeplugImage> image;
    return image;
}
} // namespace

ReadTransfer::ReadTransfer(ComPort *port, QObject *parent)
    : TransferLink(port, ReadReplyTimeout, 0, true, parent), ReTime(RestartDelay, this)
{
    connect(&ReTime, &LinkTimer::expired, this, [this](quint64 g) { onTimer(ReTime, g, [this] { ReTimeTimer(); }); });
}

void ReadTransfer::FormShow()
{
    ClearStagedRead();
    ReadDone = false;
    AutoRetry = true;
    shared().LineErrorFlag = false;
    if (!OpenLink(true) && !closing())
        CloseTime.arm();
}

void ReadTransfer::btnOkClick()
{
    BeginAttempt();
    ReadDone = false;
    m_linkState = Transfer;
    shared().ErrorReported = false;
    SetOkEnabled(false);
    if (!Pause(ClickPause))
        return;
    m_rxIndex = 0;
    HeadTime.arm();
    WatchLineErrors(true);
    StartHandshake();
}

void ReadTransfer::myPortTriggerLineError()
{
    port()->discardInput();
    port()->discardOutput();
    WakeWorkerWithLineError();
    if (AutoRetry) {
        AutoRetry = false;
        shared().ErrorReported = true;
        ReTime.arm();
    } else {
        TryTime.arm();
    }
}

void ReadTransfer::CloseTimeTimer()
{
    CloseTime.stop();
    if (!shared().LineErrorFlag)
        emit closeRequested();
}

void ReadTransfer::ReTimeTimer()
{
    ReTime.stop();
    if (closing())
        return;
    SetOkEnabled(true);
    btnOkClick();
}

void ReadTransfer::CheckModel(const QString &identity)
{
    const QString code = identity.mid(1, 4);
    if (!MacList->FindByCode(code)) {
        Ask(Language->ModError, MsgInformation);
        WatchLineErrors(false);
        emit stopped();
        return;
    }
    m_linkState = Transfer;
    if (!Pause(StartPause))
        return;
    shared().ErrorReported = false;
    m_image = std::make_shared<CodeplugImage>();
    std::shared_ptr<CodeplugImage> image = m_image;
    StartWorker([this, code, image](TSendThread &worker) { return ReadBody(worker, code, *image); });
}

TSendThread::Result ReadTransfer::ReadBody(TSendThread &worker, const QString &modelCode, CodeplugImage &image)
{
    worker.SetOkEnabled(false);
    if (!worker.ExchangeAck())
        return TSendThread::Failed;
    const TMacType *model = MacList->FindByCode(modelCode);
    if (!model)
        return TSendThread::Quiet;
    image.model = model;
    image.modelCode = model->Code;
    const int channels = model->ChannelCount;
    image.channels.resize(channels);

    worker.SetProgressMax(channels + 6);
    worker.BlockAddress = -8;
    worker.SetProgress(0);
    Record buffer {};
    if (!worker.ReadRecord(buffer))
        return TSendThread::Failed;
    for (int n = 1; n <= channels; ++n) {
        if (!worker.ReadRecord(buffer))
            return TSendThread::Failed;
        ChannelData channel;
        if (TBWriteRead::DecodeChannel(buffer, channel))
            image.channels[n - 1] = channel;
    }
    worker.BlockAddress += 16 * model->ReservedBlocks;
    QString *lines[] = {&image.message.Line1, &image.message.Line1, &image.message.Line2, &image.message.Line2};
    for (int part = 0; part < 4; ++part) {
        if (!worker.ReadRecord(buffer))
            return TSendThread::Failed;
        const QString text = TBWriteRead::DecodeText(buffer);
        *lines[part] = part % 2 == 0 ? text : *lines[part] + text;
    }
    if (!worker.ReadRecord(buffer))
        return TSendThread::Failed;
    TBWriteRead::DecodeSettingsA(buffer, image.fun);
    if (!worker.ReadRecord(buffer))
        return TSendThread::Failed;
    const quint8 band = TBWriteRead::DecodeIdentity(buffer, image.modelCode);
    image.bandText = FrqList->TextOf(band);
    worker.BlockAddress = SettingsBAddress;
    if (!worker.ReadRecord(buffer))
        return TSendThread::Failed;
    TBWriteRead::DecodeSettingsB(buffer, image.fun);
    worker.SendEnd();
    worker.SetProgress(channels + 6);
    return TSendThread::Done;
}

void ReadTransfer::Completion(bool everyStepDone, bool abandoned)
{
    m_linkState = Ended;
    std::shared_ptr<CodeplugImage> image = std::move(m_image);
    if (!everyStepDone || !image) {
        // An attempt that no Retry or restart follows leaves Ok usable again.
        if (!abandoned && !ReTime.isActive()) {
            WatchLineErrors(false);
            SetOkEnabled(true);
            emit stopped();
        }
        return;
    }
    TryTime.stop();
    WatchLineErrors(false);
    image->fun.Normalize();
    const int channels = image->model->ChannelCount;
    ResetStagingGrid(*Staging, channels);
    for (int n = 1; n <= channels && n <= image->channels.size(); ++n)
        if (image->channels[n - 1])
            StageChannelRow(*Staging, n + 1, *image->channels[n - 1]);
    stagedRead() = *image;
    Ask(Language->ReadOk, MsgInformation);
    if (closing())
        return;
    ReadDone = true;
    CloseTime.arm();
    emit stopped();
}

void ReadTransfer::RetryAfterReplyTimeout()
{
    shared().ErrorReported = true;
    const int answer = Ask(Language->ComError, MsgRetryCancel);
    if (closing())
        return;
    if (answer == ResultRetry) {
        if (!Pause(RetryPause))
            return;
        SetProgress(0);
        SetOkEnabled(true);
        btnOkClick();
    } else {
        WatchLineErrors(false);
        SetOkEnabled(true);
        emit stopped();
    }
}

const CodeplugImage *StagedRead()
{
    return stagedRead() ? &*stagedRead() : nullptr;
}

void ClearStagedRead()
{
    stagedRead().reset();
}

bool ApplyStagedRead()
{
    const CodeplugImage *image = StagedRead();
    if (!image || !image->model)
        return false;
    MakeModelCurrent(*ALL, image->model);
    AssignBandText(*ALL, image->bandText);
    ALL->ModelCode = image->modelCode;
    *Fun = image->fun;
    *EnMsg = image->message;
    LoadStagedChannels(*Channels, *Staging, ALL->ChannelCount);
    ALL->Modified = true;
    ClearStagedRead();
    return true;
}
