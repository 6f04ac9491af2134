#pragma once

#include <QString>

class ChannelTable;
class QComboBox;

// The shown text a list column receives from a dialog's list box: the channel table's own item
// for the chosen index, so the table shows the channel window's texts whatever the dialog's
// language file calls its items; the box's text when the table has no such item.
QString ListCellText(const ChannelTable &table, int col, const QComboBox *box);
