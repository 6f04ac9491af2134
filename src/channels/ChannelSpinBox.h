#pragma once

#include <QSpinBox>

// A spin box of channel numbers that never refuses a typed number: on commit a number below the
// minimum becomes the minimum and one above the maximum the maximum. Its value change is
// reported on commit, not on every key.
class ChannelSpinBox : public QSpinBox
{
    Q_OBJECT
public:
    explicit ChannelSpinBox(QWidget *parent = nullptr);

protected:
    QValidator::State validate(QString &input, int &pos) const override;
    void fixup(QString &input) const override;
};
