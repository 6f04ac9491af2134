#pragma once

#include <QDialog>

#include <functional>

class QComboBox;
class QLabel;
class QPushButton;
class QWidget;

// The model information dialog: the user chooses a model of the catalogue and one of its bands.
// It changes nothing itself; the caller reads Confirmed and the two lists after it closed.
class TfModel : public QDialog
{
    Q_OBJECT
public:
    explicit TfModel(QWidget *parent = nullptr);

    bool Confirmed = false;

    QLabel *Label1;
    QComboBox *cbCopmut;
    QLabel *Label2;
    QComboBox *cbPd;
    QPushButton *btnOk;
    QPushButton *btnCancel;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();
    void cbCopmutChange();
    void btnOkClick();
    void btnCancelClick();

    bool m_shown = false;
};

// Puts the chosen model and band into effect, in the order the program relies on: after the
// "ClearData" question when the data was modified, the model and band become current, the
// function settings and message return to their defaults and `runNew` (the main window's New,
// which asks to save while the data is still modified) empties the channel table. Returns
// false when the user answered No, or the catalogue does not know the model; nothing changed then.
bool ApplyModelChoice(const QString &modelName, const QString &bandText, const std::function<void()> &runNew);

// The main window's change of model: shows the model dialog over `parent` and, when the user
// confirmed it, applies the choice. Returns true when the model and band were changed.
bool RunModelChange(QWidget *parent, const std::function<void()> &runNew);
