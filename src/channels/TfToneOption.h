#pragma once

#include <QDialog>
#include <QString>

class CellGrid;
class ChannelTable;
class QGroupBox;
class QListWidget;
class QRadioButton;

// The tone picker: CTCSS tones and DCS codes (normal or inverted) in three tables, one shown
// at a time. A double click on a tone closes it with that tone in PickedTone; closing it any
// other way leaves PickedTone empty.
class TfToneOption : public QDialog
{
    Q_OBJECT
public:
    explicit TfToneOption(QWidget *parent = nullptr);

    QString PickedTone;

    CellGrid *gvCtcss = nullptr;
    CellGrid *gvDcsN = nullptr;
    CellGrid *gvDcsI = nullptr;
    QGroupBox *gbList = nullptr;
    QRadioButton *rCTCSS = nullptr;
    QRadioButton *rDCSN = nullptr;
    QRadioButton *rDCSI = nullptr;
    QListWidget *lbSel = nullptr;
    QListWidget *lbValue = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();
    void rCTCSSClick(QObject *sender);
    void gvCtcssDblClick();
    void gvDcsNDblClick();
    void gvDcsIDblClick();
    void pick(CellGrid *grid);
    void fillCtcss();
    void fillDcs();

    ChannelTable *m_ctcss = nullptr;
    ChannelTable *m_dcsN = nullptr;
    ChannelTable *m_dcsI = nullptr;
    bool m_shown = false;
};

// Opens the picker modally over `parent` and returns the tone picked, empty for none.
QString PickTone(QWidget *parent);
