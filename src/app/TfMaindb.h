#pragma once

#include <QString>

#include <memory>

class TMacList;
class TALL;
class TTestFre;
class TEnMsg;
class TFun;
class TFrqList;
class TLanguage;
class ChannelTable;
class TMemTable;

// The data module: creates every singleton in the fixed start-up order and owns them.
// Only one exists at a time.
class TfMaindb
{
public:
    // appDir: the directory the configuration and language files are looked up in; empty means
    // the directory of the running executable.
    explicit TfMaindb(const QString &appDir = QString());
    ~TfMaindb();

    TfMaindb(const TfMaindb &) = delete;
    TfMaindb &operator=(const TfMaindb &) = delete;

private:
    void DataModuleCreate(const QString &appDir);

    std::unique_ptr<TMacList> m_macList;
    std::unique_ptr<TALL> m_all;
    std::unique_ptr<TTestFre> m_testFre;
    std::unique_ptr<TEnMsg> m_enMsg;
    std::unique_ptr<TFun> m_fun;
    std::unique_ptr<TFrqList> m_frqList;
    std::unique_ptr<TLanguage> m_language;
    std::unique_ptr<ChannelTable> m_channels;
    std::unique_ptr<ChannelTable> m_staging;
    std::unique_ptr<TMemTable> m_myAdo;
    std::unique_ptr<TMemTable> m_myMain;
};
