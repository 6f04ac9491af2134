#include "support/CoreFixture.h"

#include "app/Globals.h"
#include "app/TALL.h"
#include "codeplug/ChannelTable.h"
#include "codeplug/Codeplug.h"
#include "codeplug/TMacList.h"

void CoreFixture::SetUp()
{
    ASSERT_TRUE(dir.isValid());
    db = std::make_unique<TfMaindb>(dir.path());
    useModel(QStringLiteral("5917"));
}

void CoreFixture::TearDown()
{
    db.reset();
}

void CoreFixture::useModel(const QString &code, const QString &band)
{
    const TMacType *model = MacList->FindByCode(code);
    ASSERT_NE(model, nullptr);
    MakeModelCurrent(*ALL, model);
    AssignBandText(*ALL, band.isEmpty() ? model->DefaultBand : band);
    ClearChannelTable(*Channels, ALL->ChannelCount);
    ALL->Modified = false;
}

QString CoreFixture::pathOf(const QString &name) const
{
    return dir.filePath(name);
}
