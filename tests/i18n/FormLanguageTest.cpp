#include "app/Globals.h"
#include "app/TALL.h"
#include "app/Tag.h"
#include "i18n/FormLanguage.h"
#include "i18n/GridTitles.h"
#include "i18n/LanguageTexts.h"
#include "support/CoreFixture.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

class TitleGrid : public QWidget, public GridTitles
{
public:
    TitleGrid(const QString &name, QStringList titles, QWidget *parent)
        : QWidget(parent)
        , titles(std::move(titles))
    {
        setObjectName(name);
    }
    int gridColumnCount() const override { return int(titles.size()); }
    QString gridTitle(int col) const override { return titles.at(col); }
    void setGridTitle(int col, const QString &text) override { titles[col] = text; }

    QStringList titles;
};

// A window with one component of every kind the language files reach, and a few they do not.
class TestWindow : public QWidget
{
public:
    TestWindow()
    {
        setObjectName(QStringLiteral("fTest"));
        setWindowTitle(QStringLiteral("Test Window"));
        auto *layout = new QVBoxLayout(this);

        label = new QLabel(QStringLiteral("Label"), this);
        label->setObjectName(QStringLiteral("Label1"));
        layout->addWidget(label);

        auto *bar = new QMenuBar(this);
        menu = bar->addMenu(QStringLiteral("&File"));
        menu->setObjectName(QStringLiteral("nFile"));
        menuItem = new QAction(QStringLiteral("&Open"), this);
        menuItem->setObjectName(QStringLiteral("nOpen"));
        menuItem->setToolTip(QStringLiteral("menu hint"));
        SetTag(menuItem, 3);
        menu->addAction(menuItem);
        barItem = new QAction(QStringLiteral("&Help"), this);
        barItem->setObjectName(QStringLiteral("nHelp"));
        bar->addAction(barItem);

        auto *toolBar = new QToolBar(this);
        toolAction = new QAction(QStringLiteral("Open"), this);
        toolAction->setObjectName(QStringLiteral("tbOpen"));
        toolAction->setToolTip(QStringLiteral("Open a file"));
        SetTag(toolAction, 3);
        toolBar->addAction(toolAction);

        toolButton = new QToolButton(this);
        toolButton->setObjectName(QStringLiteral("tbSave"));
        toolButton->setText(QStringLiteral("Save"));
        toolButton->setToolTip(QStringLiteral("Save the file"));
        layout->addWidget(toolButton);

        button = new QPushButton(QStringLiteral("&Ok"), this);
        button->setObjectName(QStringLiteral("btnOk"));
        layout->addWidget(button);

        grid = new TitleGrid(QStringLiteral("gvData"), {"corner", "RX", "TX"}, this);
        fixedGrid = new TitleGrid(QStringLiteral("gvFixed"), {"corner", "Code"}, this);
        SetTag(fixedGrid, -2);

        combo = addCombo(QStringLiteral("cbMonikey"), {"Off", "Monitor", "Scan"}, 0, layout);
        firstOnly = addCombo(QStringLiteral("cbTxTimeout"), {"Off", "30", "60"}, -3, layout);
        fixedCombo = addCombo(QStringLiteral("cbModel"), {"ZQ-410(UHF)", "ZQ-410(VHF)"}, -2, layout);
        combo->setCurrentIndex(2);
        firstOnly->setCurrentIndex(1);

        check = new QCheckBox(QStringLiteral("Beep"), this);
        check->setObjectName(QStringLiteral("chBeep"));
        layout->addWidget(check);

        group = new QGroupBox(QStringLiteral("Options"), this);
        group->setObjectName(QStringLiteral("gbOptions"));
        auto *groupLayout = new QVBoxLayout(group);
        radio = new QRadioButton(QStringLiteral("High"), group);
        radio->setObjectName(QStringLiteral("rbHigh"));
        groupLayout->addWidget(radio);
        layout->addWidget(group);

        tabs = new QTabWidget(this);
        tabs->setObjectName(QStringLiteral("pcPages"));
        auto *page = new QWidget;
        page->setObjectName(QStringLiteral("tsMain"));
        tabs->addTab(page, QStringLiteral("Main"));
        layout->addWidget(tabs);

        list = new QListWidget(this);
        list->setObjectName(QStringLiteral("lbValue"));
        list->addItems({"One", "Two"});
        list->setCurrentRow(1);
        layout->addWidget(list);
        fixedList = new QListWidget(this);
        fixedList->setObjectName(QStringLiteral("lbCodes"));
        fixedList->addItems({"D023N"});
        SetTag(fixedList, -2);
        layout->addWidget(fixedList);

        value = new QLabel(QStringLiteral("460.05000"), this);
        value->setObjectName(QStringLiteral("lbFrequency"));
        SetStaticText(value);
        layout->addWidget(value);

        edit = new QLineEdit(QStringLiteral("typed"), this);
        edit->setObjectName(QStringLiteral("eText"));
        layout->addWidget(edit);

        child = new QDialog(this);
        child->setObjectName(QStringLiteral("fChild"));
        childLabel = new QLabel(QStringLiteral("Child"), child);
        childLabel->setObjectName(QStringLiteral("Label1"));
    }

    QComboBox *addCombo(const QString &name, const QStringList &items, int tag, QVBoxLayout *layout)
    {
        auto *c = new QComboBox(this);
        c->setObjectName(name);
        c->addItems(items);
        SetTag(c, tag);
        layout->addWidget(c);
        return c;
    }

    static QStringList items(const QComboBox *c)
    {
        QStringList texts;
        for (int i = 0; i < c->count(); ++i)
            texts << c->itemText(i);
        return texts;
    }

    static QStringList items(const QListWidget *l)
    {
        QStringList texts;
        for (int i = 0; i < l->count(); ++i)
            texts << l->item(i)->text();
        return texts;
    }

    // Every text the language files can reach, in one list, to compare whole windows.
    QStringList texts() const
    {
        QStringList t = {windowTitle(), label->text(), menu->title(), menuItem->text(), menuItem->toolTip(),
                         toolAction->text(), toolAction->toolTip(), toolButton->text(), toolButton->toolTip(),
                         button->text(), check->text(), radio->text(), group->title(), tabs->tabText(0),
                         edit->text(), childLabel->text(), barItem->text(), value->text()};
        t << grid->titles << fixedGrid->titles << items(combo) << items(firstOnly) << items(fixedCombo)
          << items(list) << items(fixedList);
        return t;
    }

    QLabel *label;
    QMenu *menu;
    QAction *menuItem;
    QAction *barItem;
    QAction *toolAction;
    QToolButton *toolButton;
    QPushButton *button;
    TitleGrid *grid;
    TitleGrid *fixedGrid;
    QComboBox *combo;
    QComboBox *firstOnly;
    QComboBox *fixedCombo;
    QCheckBox *check;
    QGroupBox *group;
    QRadioButton *radio;
    QTabWidget *tabs;
    QListWidget *list;
    QListWidget *fixedList;
    QLabel *value;
    QLineEdit *edit;
    QDialog *child;
    QLabel *childLabel;
};

const QByteArray FullFile = "[fTest]\r\n"
                            "fTest.Caption=Fenster\r\n"
                            "Label1.Caption=Etikett\r\n"
                            "nFile.Caption=&Datei\r\n"
                            "nOpen.Caption=&Öffnen\r\n"
                            "nOpen.Hint=never read\r\n"
                            "nHelp.Caption=&Hilfe\r\n"
                            "tbOpen.Caption=Öffnen\r\n"
                            "tbOpen.Hint=Datei öffnen\r\n"
                            "tbSave.Caption=Sichern\r\n"
                            "tbSave.Hint=Datei sichern\r\n"
                            "btnOk.Caption=&Gut\r\n"
                            "gvData.0=never read\r\n"
                            "gvData.1=Empfang\r\n"
                            "gvData.2=Senden\r\n"
                            "gvFixed.1=never read\r\n"
                            "cbMonikey.0=Aus\r\n"
                            "cbMonikey.1=Mithören\r\n"
                            "cbMonikey.2=Suchlauf\r\n"
                            "cbTxTimeout.0=Aus\r\n"
                            "cbTxTimeout.1=never read\r\n"
                            "cbModel.0=never read\r\n"
                            "chBeep.Caption=Piep\r\n"
                            "rbHigh.Caption=Hoch\r\n"
                            "gbOptions.Caption=Optionen\r\n"
                            "tsMain.Caption=Haupt\r\n"
                            "lbValue.0=Eins\r\n"
                            "lbValue.1=Zwei\r\n"
                            "lbCodes.0=never read\r\n"
                            "eText.Caption=never read\r\n"
                            "lbFrequency.Caption=never read\r\n"
                            "[fChild]\r\n"
                            "Label1.Caption=never read\r\n";

class FormLanguageTest : public CoreFixture
{
protected:
    QString writeLanguage(const QString &name, const QByteArray &body)
    {
        const QString path = LanguageFilePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(body);
        return path;
    }
};

TEST_F(FormLanguageTest, EveryKindOfComponentTakesItsText)
{
    writeLanguage(QStringLiteral("German"), FullFile);
    TestWindow w;
    ApplyFormLanguage(&w, QStringLiteral("German"), true);

    EXPECT_EQ(w.windowTitle(), QStringLiteral("Fenster"));
    EXPECT_EQ(w.label->text(), QStringLiteral("Etikett"));
    EXPECT_EQ(w.menu->title(), QStringLiteral("&Datei"));
    EXPECT_EQ(w.menuItem->text(), QStringLiteral("&Öffnen"));
    EXPECT_EQ(w.menuItem->toolTip(), QStringLiteral("menu hint"));
    EXPECT_EQ(w.barItem->text(), QStringLiteral("&Hilfe"));
    EXPECT_EQ(w.toolAction->text(), QStringLiteral("Öffnen"));
    EXPECT_EQ(w.toolAction->toolTip(), QStringLiteral("Datei öffnen"));
    EXPECT_EQ(w.toolButton->text(), QStringLiteral("Sichern"));
    EXPECT_EQ(w.toolButton->toolTip(), QStringLiteral("Datei sichern"));
    EXPECT_EQ(w.button->text(), QStringLiteral("&Gut"));
    EXPECT_EQ(w.grid->titles, QStringList({"corner", "Empfang", "Senden"}));
    EXPECT_EQ(w.fixedGrid->titles, QStringList({"corner", "Code"}));
    EXPECT_EQ(TestWindow::items(w.combo), QStringList({"Aus", "Mithören", "Suchlauf"}));
    EXPECT_EQ(w.combo->currentIndex(), 2);
    EXPECT_EQ(TestWindow::items(w.firstOnly), QStringList({"Aus", "30", "60"}));
    EXPECT_EQ(w.firstOnly->currentIndex(), 1);
    EXPECT_EQ(TagOf(w.firstOnly), -3);
    EXPECT_EQ(TestWindow::items(w.fixedCombo), QStringList({"ZQ-410(UHF)", "ZQ-410(VHF)"}));
    EXPECT_EQ(w.check->text(), QStringLiteral("Piep"));
    EXPECT_EQ(w.radio->text(), QStringLiteral("Hoch"));
    EXPECT_EQ(w.group->title(), QStringLiteral("Optionen"));
    EXPECT_EQ(w.tabs->tabText(0), QStringLiteral("Haupt"));
    EXPECT_EQ(TestWindow::items(w.list), QStringList({"Eins", "Zwei"}));
    EXPECT_EQ(TestWindow::items(w.fixedList), QStringList({"D023N"}));
    EXPECT_EQ(w.edit->text(), QStringLiteral("typed"));
    EXPECT_EQ(w.value->text(), QStringLiteral("460.05000"));
    EXPECT_EQ(w.childLabel->text(), QStringLiteral("Child"));
}

TEST_F(FormLanguageTest, ItemsFlagClearLeavesCombosButNotListBoxes)
{
    writeLanguage(QStringLiteral("German"), FullFile);
    TestWindow w;
    ApplyFormLanguage(&w, QStringLiteral("German"), false);
    EXPECT_EQ(TestWindow::items(w.combo), QStringList({"Off", "Monitor", "Scan"}));
    EXPECT_EQ(TestWindow::items(w.firstOnly), QStringList({"Off", "30", "60"}));
    EXPECT_EQ(TestWindow::items(w.list), QStringList({"Eins", "Zwei"}));
    EXPECT_EQ(w.grid->titles, QStringList({"corner", "Empfang", "Senden"}));
    EXPECT_EQ(w.label->text(), QStringLiteral("Etikett"));
}

TEST_F(FormLanguageTest, MissingKeysKeepTheBuiltInTextAndEmptyValuesEmpty)
{
    writeLanguage(QStringLiteral("Sparse"), "[FTEST]\r\nlabel1.caption=\r\ncbMonikey.1=Mithören\r\n"
                                            "btnOk.Caption=\"  Gut  \"\r\n");
    TestWindow w;
    QStringList expected = w.texts();
    ApplyFormLanguage(&w, QStringLiteral("Sparse"), true);
    EXPECT_EQ(w.label->text(), QString());
    EXPECT_EQ(w.button->text(), QStringLiteral("  Gut  "));
    EXPECT_EQ(TestWindow::items(w.combo), QStringList({"Off", "Mithören", "Scan"}));
    EXPECT_EQ(w.combo->currentIndex(), 2);

    expected.replace(1, QString());
    expected.replace(9, QStringLiteral("  Gut  "));
    expected.replace(expected.indexOf(QStringLiteral("Monitor")), QStringLiteral("Mithören"));
    EXPECT_EQ(w.texts(), expected);
}

TEST_F(FormLanguageTest, NoFileChangesNothing)
{
    TestWindow w;
    const QStringList before = w.texts();
    ApplyFormLanguage(&w, QString(), true);
    EXPECT_EQ(w.texts(), before);
    ApplyFormLanguage(&w, QStringLiteral("Missing"), true);
    EXPECT_EQ(w.texts(), before);
}

TEST_F(FormLanguageTest, SwitchingBackShowsTheBuiltInTextsWhereTheFileIsSilent)
{
    writeLanguage(QStringLiteral("German"), FullFile);
    writeLanguage(QStringLiteral("English"), "[fTest]\r\nbtnOk.Caption=O&K\r\n");
    TestWindow w;
    const QStringList builtIn = w.texts();

    ApplyFormLanguage(&w, QStringLiteral("German"), true);
    const QStringList german = w.texts();
    ApplyFormLanguage(&w, QStringLiteral("German"), true);
    EXPECT_EQ(w.texts(), german);

    ApplyFormLanguage(&w, QStringLiteral("English"), true);
    QStringList english = builtIn;
    english.replace(9, QStringLiteral("O&K"));
    EXPECT_EQ(w.texts(), english);
    EXPECT_EQ(w.combo->currentIndex(), 2);
    EXPECT_EQ(w.list->currentRow(), 1);

    ApplyFormLanguage(&w, QStringLiteral("German"), true);
    EXPECT_EQ(w.texts(), german);
    ApplyFormLanguage(&w, QStringLiteral("Missing"), true);
    EXPECT_EQ(w.texts(), builtIn);
}

TEST_F(FormLanguageTest, TextsTheWindowSetsItselfCountAsBuiltIn)
{
    writeLanguage(QStringLiteral("German"), FullFile);
    writeLanguage(QStringLiteral("Empty"), "[fTest]\r\n");
    TestWindow w;
    ApplyFormLanguage(&w, QStringLiteral("German"), true);
    w.label->setText(QStringLiteral("set by the window"));
    w.list->item(0)->setText(QStringLiteral("refilled"));
    ApplyFormLanguage(&w, QStringLiteral("Empty"), true);
    EXPECT_EQ(w.label->text(), QStringLiteral("set by the window"));
    EXPECT_EQ(w.list->item(0)->text(), QStringLiteral("refilled"));
    EXPECT_EQ(w.list->item(1)->text(), QStringLiteral("Two"));
    EXPECT_EQ(w.button->text(), QStringLiteral("&Ok"));
}

TEST_F(FormLanguageTest, KeysListedAreTheKeysRead)
{
    TestWindow w;
    const QStringList before = w.texts();
    auto names = [](const QList<LanguageKey> &keys) {
        QStringList n;
        for (const LanguageKey &k : keys) {
            EXPECT_EQ(k.section, QStringLiteral("fTest"));
            n << k.key;
        }
        return n;
    };
    const QStringList withItems = names(FormLanguageKeys(&w, true));
    EXPECT_EQ(withItems, QStringList({"fTest.Caption", "Label1.Caption", "nFile.Caption", "nOpen.Caption", "nHelp.Caption",
                                      "tbOpen.Caption", "tbOpen.Hint", "tbSave.Caption", "tbSave.Hint",
                                      "btnOk.Caption", "gvData.1", "gvData.2", "cbMonikey.0", "cbMonikey.1",
                                      "cbMonikey.2", "cbTxTimeout.0", "chBeep.Caption", "gbOptions.Caption",
                                      "rbHigh.Caption", "tsMain.Caption", "lbValue.0", "lbValue.1"}));
    QStringList withoutItems = withItems;
    withoutItems.removeIf([](const QString &k) { return k.startsWith(QLatin1String("cb")); });
    EXPECT_EQ(names(FormLanguageKeys(&w, false)), withoutItems);
    EXPECT_EQ(w.texts(), before);

    const QString sparse = writeLanguage(QStringLiteral("Sparse"), "[fTest]\r\nfTest.Caption=x\r\n"
                                                                   "[Other]\r\nLabel1.Caption=y\r\n");
    const QStringList missing = MissingLanguageKeys(&w, false, sparse);
    EXPECT_EQ(missing.size(), withoutItems.size() - 1);
    EXPECT_EQ(missing.first(), QStringLiteral("[fTest] Label1.Caption"));
    EXPECT_TRUE(MissingLanguageKeys(&w, true, writeLanguage(QStringLiteral("German"), FullFile)).isEmpty());
}

TEST_F(FormLanguageTest, AHintNeverSetStaysTheBuiltInCaption)
{
    writeLanguage(QStringLiteral("German"), "[fBar]\r\ntbNew.Caption=Neu\r\n");
    QWidget w;
    w.setObjectName(QStringLiteral("fBar"));
    auto *bar = new QToolBar(&w);
    auto *action = new QAction(QStringLiteral("&New"), &w);
    action->setObjectName(QStringLiteral("tbNew"));
    bar->addAction(action);
    const QString builtInHint = action->toolTip();

    ApplyFormLanguage(&w, QStringLiteral("German"), true);
    EXPECT_EQ(action->text(), QStringLiteral("Neu"));
    EXPECT_EQ(action->toolTip(), builtInHint);
    ApplyFormLanguage(&w, QStringLiteral("Missing"), true);
    EXPECT_EQ(action->text(), QStringLiteral("&New"));
    EXPECT_EQ(action->toolTip(), builtInHint);
}

}
