#pragma once

#include <QString>

// What the language files need of a grid: the texts of its first visible row (its title row),
// one per column from 1 to gridColumnCount() - 1. Grid widgets implement it so that
// ApplyFormLanguage can re-label them.
class GridTitles
{
public:
    virtual ~GridTitles() = default;
    virtual int gridColumnCount() const = 0;
    virtual QString gridTitle(int col) const = 0;
    virtual void setGridTitle(int col, const QString &text) = 0;
};
