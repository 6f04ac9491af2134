#include "app/DesktopDialogs.h"

#include "app/ShowMessage.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>

namespace {

// "Data File(*.dat)|*.dat" pairs of description and pattern become Qt's "Data File (*.dat)".
QString qtFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        const int paren = description.indexOf(QLatin1Char('('));
        if (paren > 0)
            description = description.left(paren).trimmed();
        out.append(QStringLiteral("%1 (%2)").arg(description, parts[i + 1]));
    }
    return out.join(QStringLiteral(";;"));
}

QString withSuffix(QString path, const QString &suffix)
{
    QString s = suffix;
    s.remove(QLatin1Char('*'));
    if (!path.isEmpty() && !s.isEmpty() && QFileInfo(path).suffix().isEmpty())
        path += s.startsWith(QLatin1Char('.')) ? s : QLatin1Char('.') + s;
    return path;
}

} // namespace

void InstallDesktopDialogs(QWidget *parent)
{
    QPointer<QWidget> owner(parent);
    SetMessageHandler([owner](const QString &caption, const QString &text, int type) {
        QWidget *p = owner ? owner.data() : QApplication::activeWindow();
        switch (type) {
        case MsgInformation:
            QMessageBox::information(p, caption, text, QMessageBox::Ok);
            return int(ResultOk);
        case MsgYesNo:
            return QMessageBox::question(p, caption, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
                           == QMessageBox::Yes
                       ? int(ResultYes)
                       : int(ResultNo);
        case MsgRetryCancel: {
            QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Retry | QMessageBox::Cancel, p);
            return box.exec() == QMessageBox::Retry ? int(ResultRetry) : int(ResultCancel);
        }
        default:
            return int(ResultOk);
        }
    });
    SetOpenFileHandler([owner](const FileDialogRequest &r) {
        return QFileDialog::getOpenFileName(owner, r.caption, r.directory, qtFilter(r.filter));
    });
    SetSaveFileHandler([owner](const FileDialogRequest &r) {
        QFileDialog dialog(owner, r.caption, r.directory, qtFilter(r.filter));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        QString suffix = r.defaultSuffix;
        suffix.remove(QLatin1Char('*')).remove(QLatin1Char('.'));
        dialog.setDefaultSuffix(suffix);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return QString();
        return withSuffix(dialog.selectedFiles().first(), r.defaultSuffix);
    });
}
