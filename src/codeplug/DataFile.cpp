#include "codeplug/DataFile.h"

#include "app/Globals.h"
#include "app/ShowMessage.h"
#include "app/TALL.h"
#include "app/Utilities.h"
#include "codeplug/ChannelTable.h"
#include "codeplug/TFrqList.h"
#include "codeplug/TMacList.h"
#include "i18n/TLanguage.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace {

void appendRecord(QByteArray &bytes, const Record &r)
{
    bytes.append(reinterpret_cast<const char *>(r.data()), int(r.size()));
}

Record recordAt(const QByteArray &bytes, int index)
{
    Record r;
    r.fill(0xFF);
    const qsizetype offset = qsizetype(index) * 16;
    for (int i = 0; i < 16 && offset + i < bytes.size(); ++i)
        r[size_t(i)] = quint8(bytes.at(offset + i));
    return r;
}

QString threeDigits(double v)
{
    return QString::number(qRound64(v)).rightJustified(3, QLatin1Char('0'));
}

QString nativePath(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

void tell(const QString &text)
{
    ShowMessage(Language->Confirmation, text, MsgInformation);
}

} // namespace

int DataFileRecordCount(const TMacType &model)
{
    const int n = model.ChannelCount;
    const int r = model.ReservedBlocks;
    return n + r + 7 + (n > 16 ? 4 : 0);
}

bool EncodeDataFile(QByteArray &bytes, const QDateTime &when, QString *problem)
{
    const TMacType *model = ALL->CurrentModel;
    if (!model) {
        if (problem)
            *problem = QStringLiteral("No radio model is selected.");
        return false;
    }
    bytes.clear();
    ALL->ChannelUsedBits.clear();
    ALL->ScanBits.clear();

    Record r;
    const QString bandDigits = threeDigits(ALL->BandLow) + threeDigits(ALL->BandHigh);
    if (!TBWriteRead::EncodeHeader(r, when.toString(QStringLiteral("yyyy-MM-dd HH:mm")), bandDigits,
                                   QLatin1Char('P') + ALL->ModelCode)) {
        if (problem)
            *problem = QStringLiteral("The band %1 cannot be stored in a data file.").arg(ALL->BandText);
        return false;
    }
    appendRecord(bytes, r);

    for (int k = 1; k <= model->ChannelCount; ++k) {
        ChannelData channel;
        QString why;
        switch (ReadChannelRow(*Channels, k + 1, channel, &why)) {
        case RowState::NotInUse:
            ALL->ChannelUsedBits += QLatin1Char('0');
            ALL->ScanBits += QLatin1Char('0');
            TBWriteRead::FillBlock(r);
            break;
        case RowState::InUse:
            ALL->ChannelUsedBits += QLatin1Char('1');
            if (!TBWriteRead::EncodeChannel(r, channel)) {
                if (problem)
                    *problem = QStringLiteral("Channel %1 cannot be stored: its frequencies or tones are not valid.").arg(k);
                return false;
            }
            ALL->ScanBits += channel.scanAdd == 1 ? QLatin1Char('1') : QLatin1Char('0');
            break;
        case RowState::Invalid:
            if (problem)
                *problem = QStringLiteral("Channel %1 cannot be stored: %2").arg(k).arg(why);
            return false;
        }
        appendRecord(bytes, r);
    }

    TBWriteRead::FillBlock(r);
    for (int i = 0; i < model->ReservedBlocks - 1; ++i)
        appendRecord(bytes, r);

    TBWriteRead::EncodeSettingsB(r, *Fun);
    appendRecord(bytes, r);
    for (const QString &part : {EnMsg->Line1.mid(0, 16), EnMsg->Line1.mid(16, 16), EnMsg->Line2.mid(0, 16),
                                EnMsg->Line2.mid(16, 16)}) {
        TBWriteRead::EncodeText(r, part);
        appendRecord(bytes, r);
    }
    TBWriteRead::EncodeSettingsA(r, *Fun);
    appendRecord(bytes, r);
    TBWriteRead::EncodeIdentity(r, ALL->ModelCode, FrqList->CodeOf(ALL->BandText));
    appendRecord(bytes, r);

    if (model->ChannelCount > 16) {
        for (const QString &bits : {ALL->ChannelUsedBits.mid(0, 128), ALL->ChannelUsedBits.mid(128, 128),
                                    ALL->ScanBits.mid(0, 128), ALL->ScanBits.mid(128, 128)}) {
            TBWriteRead::EncodeChannelMap(r, bits);
            appendRecord(bytes, r);
        }
    }
    return true;
}

bool WriteDataFile(const QString &path, const QDateTime &when)
{
    QByteArray bytes;
    QString problem;
    if (!EncodeDataFile(bytes, when, &problem)) {
        tell(QStringLiteral("The file \"%1\" was not saved. %2").arg(nativePath(path), problem));
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        tell(QStringLiteral("Cannot create file \"%1\". %2").arg(nativePath(path), file.errorString()));
        return false;
    }
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        tell(QStringLiteral("Cannot write file \"%1\". %2").arg(nativePath(path), reason));
        return false;
    }
    ALL->Modified = false;
    return true;
}

bool DecodeDataFile(const QByteArray &bytes, const QString &path, CodeplugImage &image, QString &refusal,
                    bool &unknownModel)
{
    unknownModel = false;
    const QString name = nativePath(path);
    if (bytes.size() < 16) {
        refusal = QStringLiteral("The file \"%1\" is not a data file: it holds only %2 bytes.").arg(name).arg(bytes.size());
        return false;
    }
    QString dateText;
    QString bandDigits;
    QString modelText;
    TBWriteRead::DecodeHeader(recordAt(bytes, 0), dateText, bandDigits, modelText);
    const QString code = modelText.mid(1).trimmed();
    const TMacType *model = MacList->FindByCode(code);
    if (!model) {
        unknownModel = true;
        refusal = Language->ModError;
        return false;
    }
    for (const QChar c : bandDigits) {
        if (!c.isDigit()) {
            refusal = QStringLiteral("The file \"%1\" is not a valid data file: its band digits \"%2\" are not decimal.")
                          .arg(name, bandDigits);
            return false;
        }
    }
    const int n = model->ChannelCount;
    const int reserved = model->ReservedBlocks;
    const int needed = n + reserved + 7;
    if (bytes.size() < qsizetype(needed) * 16) {
        refusal = QStringLiteral("The file \"%1\" is incomplete: it holds %2 bytes, a data file of the %3 holds %4.")
                      .arg(name)
                      .arg(bytes.size())
                      .arg(model->Name)
                      .arg(DataFileRecordCount(*model) * 16);
        return false;
    }

    image = CodeplugImage();
    image.model = model;
    image.savedAt = dateText;
    int index = 1;
    for (int k = 1; k <= n; ++k, ++index) {
        ChannelData c;
        if (TBWriteRead::DecodeChannel(recordAt(bytes, index), c))
            image.channels.append(c);
        else
            image.channels.append(std::nullopt);
    }
    index += reserved - 1;
    TBWriteRead::DecodeSettingsB(recordAt(bytes, index++), image.fun);
    image.message.Line1 = TBWriteRead::DecodeText(recordAt(bytes, index++));
    image.message.Line1 += TBWriteRead::DecodeText(recordAt(bytes, index++));
    image.message.Line2 = TBWriteRead::DecodeText(recordAt(bytes, index++));
    image.message.Line2 += TBWriteRead::DecodeText(recordAt(bytes, index++));
    TBWriteRead::DecodeSettingsA(recordAt(bytes, index++), image.fun);
    const quint8 band = TBWriteRead::DecodeIdentity(recordAt(bytes, index++), image.modelCode);
    image.bandText = FrqList->TextOf(band);
    return true;
}

void ApplyDataFileImage(const CodeplugImage &image)
{
    MakeModelCurrent(*ALL, image.model);
    ClearChannelTable(*Channels, ALL->ChannelCount);
    Channels->beginUpdate();
    for (int k = 1; k <= image.channels.size(); ++k)
        if (const auto &c = image.channels[k - 1])
            StoreChannelRow(*Channels, k + 1, *c);
    Channels->endUpdate();
    *Fun = image.fun;
    *EnMsg = image.message;
    ALL->ModelCode = image.modelCode;
    AssignBandText(*ALL, image.bandText);
    ALL->Modified = false;
}

ReadDataFileResult ReadDataFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        tell(QStringLiteral("Cannot open file \"%1\". %2").arg(nativePath(path), file.errorString()));
        return ReadDataFileResult::CannotOpen;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        tell(QStringLiteral("Cannot read file \"%1\". %2").arg(nativePath(path), file.errorString()));
        return ReadDataFileResult::CannotOpen;
    }
    file.close();

    CodeplugImage image;
    QString refusal;
    bool unknownModel = false;
    if (!DecodeDataFile(bytes, path, image, refusal, unknownModel)) {
        tell(refusal);
        return ReadDataFileResult::Refused;
    }
    ApplyDataFileImage(image);
    return ReadDataFileResult::Ok;
}
