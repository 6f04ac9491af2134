#pragma once

// The program's singletons. They are created together by TfMaindb (the data module) before the
// first window and live until it is destroyed; tests create a fresh data module per case.
class TMacList;
class TALL;
class TTestFre;
class TEnMsg;
class TFun;
class TFrqList;
class TLanguage;
class ChannelTable;
class TMemTable;

extern TMacList *MacList;
extern TALL *ALL;
extern TTestFre *TestFre;
extern TEnMsg *EnMsg;
extern TFun *Fun;
extern TFrqList *FrqList;
extern TLanguage *Language;
// The codeplug's channel table, shown and edited by the channel window, and the staging table
// the read transfer fills before a successful read is copied into it.
extern ChannelTable *Channels;
extern ChannelTable *Staging;
// The report's tables, held by the data module: the body rows (myAdo) and the page header
// (myMain). Created empty at start-up and refilled by every print run.
extern TMemTable *myAdo;
extern TMemTable *myMain;
