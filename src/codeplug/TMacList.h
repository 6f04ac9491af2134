#pragma once

#include "codeplug/TMacType.h"

#include <QStringList>

#include <memory>
#include <vector>

class TALL;
class TFrqList;

// The model catalogue, in registration order.
class TMacList
{
public:
    void AddModel(std::unique_ptr<TMacType> model);
    int count() const { return int(m_models.size()); }
    const TMacType *ModelAt(int index) const;
    const TMacType *FindByName(const QString &name) const;
    const TMacType *FindByCode(const QString &code) const;
    void GetNames(QStringList &names) const;

private:
    std::vector<std::unique_ptr<TMacType>> m_models;
};

// Registers the two models of the family and sets the product title.
void RegisterModels(TMacList &macList, TALL &all);
