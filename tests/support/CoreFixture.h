#pragma once

#include "app/TfMaindb.h"
#include "support/ScriptedMessages.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

// A fresh set of singletons in an empty application directory, the program's start-up state
// (first model with its default band, an empty channel table) and a scripted message service.
class CoreFixture : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Makes the model with this code current with the given band (its default band when empty)
    // and clears the channel table, as the program does after a change of model.
    void useModel(const QString &code, const QString &band = QString());
    QString pathOf(const QString &name) const;

    QTemporaryDir dir;
    std::unique_ptr<TfMaindb> db;
    ScriptedMessages messages;
};
