#include "codeplug/TMacList.h"

#include "app/TALL.h"

void TMacList::AddModel(std::unique_ptr<TMacType> model)
{
    m_models.push_back(std::move(model));
}

const TMacType *TMacList::ModelAt(int index) const
{
    if (index < 0 || index >= count())
        return nullptr;
    return m_models[size_t(index)].get();
}

const TMacType *TMacList::FindByName(const QString &name) const
{
    for (const auto &m : m_models)
        if (m->Name == name)
            return m.get();
    return nullptr;
}

const TMacType *TMacList::FindByCode(const QString &code) const
{
    for (const auto &m : m_models)
        if (m->Code == code)
            return m.get();
    return nullptr;
}

void TMacList::GetNames(QStringList &names) const
{
    names.clear();
    for (const auto &m : m_models)
        names.append(m->Name);
}

void RegisterModels(TMacList &macList, TALL &all)
{
    auto uhf = std::make_unique<TMacType>(QStringLiteral("5917"), 16, QStringLiteral("ZQ-410(UHF)"));
    uhf->SetFreqLimits(300.0, 650.0);
    uhf->SetReservedBlocks(39);
    // The fifth band is the one the band table knows with code 247, so that every band a
    // model offers is written and read back as itself.
    for (const char *band : {"350 - 370MHz", "350 - 390MHz", "370 - 390MHz", "400 - 420MHz", "400 - 480MHz",
                             "440 - 480MHz", "450 - 470MHz", "450 - 490MHz", "470 - 650MHz"})
        uhf->AddBand(QString::fromLatin1(band));
    uhf->SetDefaultBand(QStringLiteral("450 - 470MHz"));
    macList.AddModel(std::move(uhf));

    auto vhf = std::make_unique<TMacType>(QStringLiteral("5918"), 16, QStringLiteral("ZQ-410(VHF)"));
    vhf->SetFreqLimits(67.0, 300.0);
    vhf->SetReservedBlocks(39);
    for (const char *band : {"136 - 150MHz", "136 - 174MHz", "150 - 174MHz", "216 - 223MHz"})
        vhf->AddBand(QString::fromLatin1(band));
    vhf->SetDefaultBand(QStringLiteral("150 - 174MHz"));
    macList.AddModel(std::move(vhf));

    all.ProductTitle = QStringLiteral("ZQ-410");
}
