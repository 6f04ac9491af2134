#include "channels/DialogCells.h"

#include "codeplug/ChannelTable.h"

#include <QComboBox>

QString ListCellText(const ChannelTable &table, int col, const QComboBox *box)
{
    const QString item = table.itemText(col, box->currentIndex());
    return item.isEmpty() ? box->currentText() : item;
}
