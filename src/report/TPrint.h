#pragma once

class TMemTable;

// The print class: lists the function settings through a settings window that is never shown,
// so the report carries the very texts the window shows in the current language.
class TPrint
{
public:
    // Appends the function-settings section to the body table. Returns true.
    bool PrintFunSet(TMemTable &body);
};
