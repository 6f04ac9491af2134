#include "i18n/FormLanguage.h"

#include "app/Tag.h"
#include "i18n/GridTitles.h"
#include "i18n/IniFile.h"
#include "i18n/LanguageTexts.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVariantMap>

#include <functional>

namespace {

// Where a component keeps, per text slot, the text it was built with and the text the language
// file last gave it. A text that differs from the last one given was set by the window itself
// since, and counts as built in from then on.
const char BuiltInProperty[] = "zqBuiltInTexts";

const char StaticTextProperty[] = "StaticText";

const int NeverTranslate = -2;
const int FirstItemOnly = -3;

using Lookup = std::function<QString(const QString &key, const QString &builtIn)>;

class Relabeller
{
public:
    Relabeller(QString section, Lookup lookup, bool change, bool translateItems)
        : m_section(std::move(section))
        , m_lookup(std::move(lookup))
        , m_change(change)
        , m_translateItems(translateItems)
    {
    }

    void run(QWidget *window)
    {
        const QString caption = text(window, QStringLiteral("Caption"), window->windowTitle(),
                                     m_section + QStringLiteral(".Caption"));
        if (m_change && caption != window->windowTitle())
            window->setWindowTitle(caption);
        visitChildren(window);
    }

private:
    QString text(QObject *object, const QString &slot, const QString &current, const QString &key)
    {
        QVariantMap texts = object->property(BuiltInProperty).toMap();
        const QStringList kept = texts.value(slot).toStringList();
        const QString builtIn = (kept.size() == 2 && kept.at(1) == current) ? kept.at(0) : current;
        const QString result = m_lookup(key, builtIn);
        if (m_change) {
            texts.insert(slot, QStringList{builtIn, result});
            object->setProperty(BuiltInProperty, texts);
        }
        return result;
    }

    QString caption(QObject *object, const QString &current)
    {
        return text(object, QStringLiteral("Caption"), current, object->objectName() + QStringLiteral(".Caption"));
    }

    QString item(QObject *object, int n, const QString &current)
    {
        return text(object, QStringLiteral("Item.%1").arg(n), current,
                    object->objectName() + QLatin1Char('.') + QString::number(n));
    }

    // Child windows (dialogs, MDI children) are re-labelled from their own sections.
    static bool isOtherWindow(QObject *object)
    {
        auto *widget = qobject_cast<QWidget *>(object);
        if (!widget)
            return false;
        if (qobject_cast<QDialog *>(widget) || qobject_cast<QMdiSubWindow *>(widget))
            return true;
        return widget->isWindow() && (widget->windowType() == Qt::Window || widget->windowType() == Qt::Dialog);
    }

    // Widgets whose children are their own workings, never components of the window.
    static bool hasOwnWorkings(QObject *object)
    {
        return qobject_cast<QTabBar *>(object) || qobject_cast<QComboBox *>(object)
               || qobject_cast<QAbstractSpinBox *>(object) || qobject_cast<QAbstractItemView *>(object)
               || qobject_cast<QLineEdit *>(object) || qobject_cast<QAbstractButton *>(object)
               || qobject_cast<QLabel *>(object) || dynamic_cast<GridTitles *>(object);
    }

    void visitChildren(QObject *parent)
    {
        const QObjectList children = parent->children();
        for (QObject *child : children) {
            if (isOtherWindow(child))
                continue;
            const QString name = child->objectName();
            if (!name.isEmpty() && !name.startsWith(QLatin1String("qt_")))
                visit(child);
            if (!hasOwnWorkings(child))
                visitChildren(child);
        }
    }

    static bool inMenu(QAction *action)
    {
        const QList<QObject *> places = action->associatedObjects();
        for (QObject *place : places) {
            if (qobject_cast<QMenu *>(place) || qobject_cast<QMenuBar *>(place))
                return true;
        }
        return false;
    }

    static bool inToolBar(QAction *action)
    {
        const QList<QObject *> places = action->associatedObjects();
        for (QObject *place : places) {
            if (qobject_cast<QToolBar *>(place))
                return true;
        }
        return false;
    }

    static QTabWidget *tabWidgetOf(QObject *object)
    {
        auto *page = qobject_cast<QWidget *>(object);
        if (!page || !qobject_cast<QStackedWidget *>(page->parentWidget()))
            return nullptr;
        auto *tabs = qobject_cast<QTabWidget *>(page->parentWidget()->parentWidget());
        return tabs && tabs->indexOf(page) >= 0 ? tabs : nullptr;
    }

    template <typename T, typename Get, typename Set>
    void relabelCaption(T *object, Get get, Set set)
    {
        const QString current = (object->*get)();
        const QString result = caption(object, current);
        if (m_change && result != current)
            (object->*set)(result);
    }

    // Caption, then hint. The hint is taken before the caption changes, because a tool tip that
    // was never set follows the caption and would otherwise take the new caption as built in.
    template <typename T>
    void relabelCaptionAndHint(T *object, QString (T::*get)() const, void (T::*set)(const QString &))
    {
        const QString currentHint = object->toolTip();
        relabelCaption(object, get, set);
        const QString hint = text(object, QStringLiteral("Hint"), currentHint,
                                  object->objectName() + QStringLiteral(".Hint"));
        if (m_change && hint != object->toolTip())
            object->setToolTip(hint);
    }

    void visit(QObject *object)
    {
        auto *action = qobject_cast<QAction *>(object);
        auto *tabs = tabWidgetOf(object);

        if (auto *label = qobject_cast<QLabel *>(object)) {
            if (!label->property(StaticTextProperty).toBool())
                relabelCaption(label, &QLabel::text, &QLabel::setText);
        } else if (action && inMenu(action)) {
            relabelCaption(action, &QAction::text, &QAction::setText);
        } else if (auto *menu = qobject_cast<QMenu *>(object)) {
            relabelCaption(menu, &QMenu::title, &QMenu::setTitle);
        } else if (auto *button = qobject_cast<QPushButton *>(object)) {
            relabelCaption(button, &QPushButton::text, &QPushButton::setText);
        } else if (action && inToolBar(action)) {
            relabelCaptionAndHint(action, &QAction::text, &QAction::setText);
        } else if (auto *toolButton = qobject_cast<QToolButton *>(object)) {
            relabelCaptionAndHint<QAbstractButton>(toolButton, &QAbstractButton::text, &QAbstractButton::setText);
        } else if (auto *grid = dynamic_cast<GridTitles *>(object)) {
            relabelGrid(object, grid);
        } else if (auto *combo = qobject_cast<QComboBox *>(object)) {
            relabelCombo(combo);
        } else if (auto *check = qobject_cast<QCheckBox *>(object)) {
            relabelCaption(check, &QCheckBox::text, &QCheckBox::setText);
        } else if (auto *radio = qobject_cast<QRadioButton *>(object)) {
            relabelCaption(radio, &QRadioButton::text, &QRadioButton::setText);
        } else if (auto *group = qobject_cast<QGroupBox *>(object)) {
            relabelCaption(group, &QGroupBox::title, &QGroupBox::setTitle);
        } else if (tabs) {
            const int index = tabs->indexOf(static_cast<QWidget *>(object));
            const QString current = tabs->tabText(index);
            const QString result = caption(object, current);
            if (m_change && result != current)
                tabs->setTabText(index, result);
        } else if (auto *list = qobject_cast<QListWidget *>(object)) {
            relabelList(list);
        }
    }

    void relabelGrid(QObject *object, GridTitles *grid)
    {
        if (TagOf(object) == NeverTranslate)
            return;
        for (int col = 1; col < grid->gridColumnCount(); ++col) {
            const QString current = grid->gridTitle(col);
            const QString result = text(object, QStringLiteral("Column.%1").arg(col), current,
                                        object->objectName() + QLatin1Char('.') + QString::number(col));
            if (m_change && result != current)
                grid->setGridTitle(col, result);
        }
    }

    void relabelCombo(QComboBox *combo)
    {
        const int tag = TagOf(combo);
        if (!m_translateItems || tag == NeverTranslate)
            return;
        const int selected = combo->currentIndex();
        const int count = tag == FirstItemOnly ? qMin(1, combo->count()) : combo->count();
        for (int n = 0; n < count; ++n) {
            const QString current = combo->itemText(n);
            const QString result = item(combo, n, current);
            if (m_change && result != current)
                combo->setItemText(n, result);
        }
        if (m_change && combo->currentIndex() != selected)
            combo->setCurrentIndex(selected);
    }

    void relabelList(QListWidget *list)
    {
        if (TagOf(list) == NeverTranslate)
            return;
        for (int n = 0; n < list->count(); ++n) {
            QListWidgetItem *entry = list->item(n);
            const QString current = entry->text();
            const QString result = item(list, n, current);
            if (m_change && result != current)
                entry->setText(result);
        }
    }

    QString m_section;
    Lookup m_lookup;
    bool m_change;
    bool m_translateItems;
};

}

void SetStaticText(QWidget *label)
{
    label->setProperty(StaticTextProperty, true);
}

void ApplyFormLanguage(QWidget *window, const QString &languageName, bool translateItems)
{
    ApplyFormLanguageFile(window, LanguageFilePath(languageName), translateItems);
}

void ApplyFormLanguageFile(QWidget *window, const QString &filePath, bool translateItems)
{
    if (!window)
        return;
    const IniFile file(filePath);
    const QString section = window->objectName();
    Relabeller relabeller(
        section,
        [&](const QString &key, const QString &builtIn) { return file.readString(section, key, builtIn); },
        true, translateItems);
    relabeller.run(window);
}

QList<LanguageKey> FormLanguageKeys(QWidget *window, bool translateItems)
{
    QList<LanguageKey> keys;
    if (!window)
        return keys;
    const QString section = window->objectName();
    Relabeller lister(
        section,
        [&](const QString &key, const QString &builtIn) {
            keys.append(LanguageKey{section, key});
            return builtIn;
        },
        false, translateItems);
    lister.run(window);
    return keys;
}

QStringList MissingLanguageKeys(QWidget *window, bool translateItems, const QString &filePath)
{
    const IniFile file(filePath);
    QStringList missing;
    const QList<LanguageKey> keys = FormLanguageKeys(window, translateItems);
    for (const LanguageKey &k : keys) {
        if (!file.contains(k.section, k.key))
            missing << QStringLiteral("[%1] %2").arg(k.section, k.key);
    }
    return missing;
}
