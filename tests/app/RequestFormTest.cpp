#include "app/RequestForm.h"
#include "app/SettingsCatalogue.h"
#include "common/SettingsFile.h"
#include "common/Sjis.h"
#include "common/ui/DataControls.h"
#include "store/Database.h"

#include "FormFixture.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <QtTest>

#include <fstream>

using namespace torvane;
using Answer = Prompts::Answer;
using namespace test;

namespace {
QString q(const char* utf8) {
    return QString::fromUtf8(utf8);
}
} // namespace

class RequestFormTest : public QObject {
    Q_OBJECT
    TempDir settingsStore;

private slots:
    void initTestCase() { isolateSettingsStore(settingsStore); }
    void startsInAnEmptyDirectory();
    void everyMenuEntryIsThere();
    void insertTypePostAndBrowse();
    void opensOnTheNewestUnfinishedStatement();
    void deleteAsksFirst();
    void closeWithEachAnswer_data();
    void closeWithEachAnswer();
    void requestIniWithFiveLinesTurnsTheOptionalFieldsOff();
    void optionalFieldsSwitch();
    void garbledSettingsFilesDoNotStopTheStart();
    void expenseNamesReserveSlots();
    void numberBoxRefusesText();
    void enterMovesToTheNextBox();
    void clickingABoxShowsItsHint();
    void wrongPasswordClosesTheWindow();
};

void RequestFormTest::startsInAnEmptyDirectory() {
    Fixture f;
    // The first start asks for the labour rate, then for the company's details.
    ModalAnswerer cancel([](QDialog* d) { d->reject(); });
    f.start(true);
    QTest::qWait(50);
    QCOMPARE(cancel.seen, (QStringList{"RateSetForm", "UserSetForm"}));
    QVERIFY(!std::filesystem::exists(f.dir / files::Rate));
    QVERIFY(!std::filesystem::exists(f.dir / files::User));
    QCOMPARE(f.form->liveSettings().labourRate, 0);
    QCOMPARE(f.form->liveSettings().taxPercent, 5);
    QCOMPARE(f.form->windowTitle(), q("Torvane For Win32"));
    QCOMPARE(f.form->statements().recordCount(), 0);
    QVERIFY(!f.form->statements().editing()); // nothing appended
    QCOMPARE(f.form->countText(), QString("0"));
    auto* tabs = f.form->findChild<QTabBar*>("TabControl1");
    QCOMPARE(tabs->count(), 2);
    QCOMPARE(tabs->tabText(0), q("全て"));
    QCOMPARE(tabs->tabText(1), q("個人"));
    auto* pages = f.form->findChild<QTabWidget*>("PageControl1");
    QCOMPARE(pages->tabText(0), q("明細書"));
    QCOMPARE(pages->tabText(1), q("一覧"));
    // Request.INI absent and a table with the optional fields: they are on.
    QVERIFY(f.form->optionalFieldsShown());
    QVERIFY(f.form->action("ReceptionItem")->isChecked());
    QVERIFY(f.form->width() >= 648);
    f.form->resize(500, 600);
    QVERIFY(f.form->width() >= 648);
}

void RequestFormTest::everyMenuEntryIsThere() {
    Fixture f;
    f.start();
    struct Entry {
        const char* name;
        const char* caption;
        QKeySequence key;
        bool enabled;
    } entries[] = {
        {"BackupItem", "ﾊﾞｯｸｱｯﾌﾟ(&B)", QKeySequence("Ctrl+B"), false},
        {"RestoreItem", "ﾘｽﾄｱ(&R)", QKeySequence("Ctrl+R"), false},
        {"ListPrintItem", "一覧印刷(&P)", QKeySequence("Ctrl+P"), false},
        {"ExitItem", "終了(&X)", {}, true},
        {"CopyItem", "現在のデータを複写", QKeySequence("F9"), true},
        {"ReceptionItem", "受付番号", {}, true},
        {"CheckInDateItem", "入庫日", {}, true},
        {"CheckMileageItem", "走行距離", {}, true},
        {"UserItem", "自社情報(&J)", {}, true},
        {"RateItem", "作業工賃単価(&R)", {}, true},
        {"ZeiItem", "消費税(&Z)", {}, true},
        {"Settle1", "月末", {}, true},
        {"Settle2", "　５日", {}, true},
        {"Settle6", "２５日", {}, true},
        {"PeriodBackupItem", "期間限定", {}, true},
        {"FindItem", "検索(&F)", QKeySequence("Ctrl+F"), false},
        {"FindNextItem", "次を検索(&S)", QKeySequence("F3"), false},
        {"FindPriorItem", "前を検索(&B)", QKeySequence("Shift+F3"), false},
        {"HelpItem", "目次(&C)", {}, true},
        {"AboutItem", "ﾊﾞｰｼﾞｮﾝ情報（&A)", {}, true},
    };
    for (const auto& e : entries) {
        QAction* a = f.form->action(e.name);
        QVERIFY2(a, e.name);
        QCOMPARE(a->text(), q(e.caption));
        QCOMPARE(a->shortcut(), e.key);
        QCOMPARE(a->isEnabled(), e.enabled);
    }
    for (int i = 1; i <= 10; ++i)
        QCOMPARE(f.form->action(QString("PrintItem%1").arg(i))->text(), q("定型印刷"));
    QStringList menus;
    for (QAction* a : f.form->menuBar()->actions())
        menus << a->text();
    QCOMPARE(menus, (QStringList{q("ﾌｧｲﾙ(&F)"), q("編集(&E)"), q("検索(&S)"), q("ﾍﾙﾌﾟ(&H)")}));
    QVERIFY(!f.form->action("ViewerItem")->isVisible());
    QVERIFY(f.form->action("Settle1")->isChecked());
}

void RequestFormTest::insertTypePostAndBrowse() {
    Fixture f;
    f.start();
    f.trigger("NavInsert");
    QCOMPARE(f.form->statements().state(), store::Table::State::Insert);
    commit(f.edit("氏名"), q("山田 太郎"));
    QTest::keyClicks(f.edit("走行距離"), "45210");
    QTest::keyClicks(f.box<QLineEdit>("DBEditT1"), "1200");
    f.trigger("NavPost");
    QVERIFY(!f.form->statements().editing());
    QCOMPARE(f.form->statements().recordCount(), 1);
    QCOMPARE(f.text("氏名"), std::string("山田 太郎"));
    QCOMPARE(f.form->statements().integer("単価1"), 1200);
    QCOMPARE(f.form->countText(), QString("1"));

    // Two more; the newest comes first in the list.
    for (const char* name : {"佐藤 花子", "鈴木 一郎"}) {
        f.trigger("NavInsert");
        commit(f.edit("氏名"), q(name));
        f.trigger("NavPost");
    }
    QCOMPARE(f.form->countText(), QString("3"));
    f.trigger("NavFirst");
    QCOMPARE(f.edit("氏名")->text(), q("鈴木 一郎"));
    f.trigger("NavNext");
    QCOMPARE(f.edit("氏名")->text(), q("佐藤 花子"));
    f.trigger("NavLast");
    QCOMPARE(f.edit("氏名")->text(), q("山田 太郎"));
    f.trigger("NavPrior");
    QCOMPARE(f.edit("氏名")->text(), q("佐藤 花子"));

    // Typing into a shown statement starts an edit; Cancel brings the old text back.
    commit(f.edit("氏名"), q("変更"));
    QCOMPARE(f.form->statements().state(), store::Table::State::Edit);
    f.trigger("NavCancel");
    QCOMPARE(f.edit("氏名")->text(), q("佐藤 花子"));

    // Moving on saves a pending edit.
    QTest::keyClicks(f.edit("電話番号"), "03-1234-5678");
    f.trigger("NavNext");
    f.trigger("NavPrior");
    QCOMPARE(f.text("電話番号"), std::string("03-1234-5678"));
}

void RequestFormTest::opensOnTheNewestUnfinishedStatement() {
    {
        Fixture f;
        f.db = store::Database::open(f.dir / files::Database);
        f.addStatements({{"古い", 0}, {"途中", 0}, {"済み", 5000}});
        f.db.reset();
        f.start();
        QCOMPARE(f.edit("氏名")->text(), q("途中"));
        QVERIFY(!f.form->statements().editing());
    }
    {
        Fixture f;
        f.db = store::Database::open(f.dir / files::Database);
        f.addStatements({{"済み1", 1000}, {"済み2", 2000}});
        f.db.reset();
        f.start();
        QCOMPARE(f.form->statements().state(), store::Table::State::Insert);
        QCOMPARE(f.edit("氏名")->text(), QString());
    }
}

void RequestFormTest::deleteAsksFirst() {
    Fixture f;
    f.db = store::Database::open(f.dir / files::Database);
    f.addStatements({{"一", 0}, {"二", 0}});
    f.db.reset();
    f.start();
    f.prompts.answers = {Answer::No};
    f.trigger("NavDelete");
    QCOMPARE(f.form->statements().recordCount(), 2);
    QCOMPARE(f.prompts.asked.back(), std::string("レコードを削除しますか?"));
    f.prompts.answers = {Answer::Yes};
    f.trigger("NavDelete");
    QCOMPARE(f.form->statements().recordCount(), 1);
    QCOMPARE(f.form->countText(), QString("1"));
    QCOMPARE(f.edit("氏名")->text(), q("一"));
}

void RequestFormTest::closeWithEachAnswer_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<int>("statements");
    QTest::newRow("yes saves and closes") << int(Answer::Yes) << true << 1;
    QTest::newRow("no discards and closes") << int(Answer::No) << true << 0;
    QTest::newRow("cancel stays open") << int(Answer::Cancel) << false << 0;
}

void RequestFormTest::closeWithEachAnswer() {
    QFETCH(int, answer);
    QFETCH(bool, closed);
    QFETCH(int, statements);
    Fixture f;
    f.start();
    f.trigger("NavInsert");
    commit(f.edit("氏名"), q("未登録"));
    f.form->action("CheckInDateItem")->trigger();
    f.prompts.answers = {Answer(answer)};
    QCOMPARE(f.form->close(), closed);
    QCOMPARE(f.prompts.asked.at(0), std::string("登録していません！\n登録してよろしいですか？"));
    QCOMPARE(f.form->isVisible(), !closed);
    // Request.INI is written at every close attempt, Cancel included.
    QCOMPARE(slurp(f.dir / files::Request),
             "True\r\nFalse\r\n0\r\nFalse\r\n" + sjis::lit("氏名") + "\r\n1\r\n");
    store::Table check(*f.db, "Request");
    QCOMPARE(check.recordCount(), statements);
    if (!closed)
        QVERIFY(f.form->statements().editing());
}

void RequestFormTest::requestIniWithFiveLinesTurnsTheOptionalFieldsOff() {
    Fixture f;
    put(f.dir / files::Request,
        "False\r\nTrue\r\n7\r\nTrue\r\n" + sjis::lit("自動車登録番号") + "\r\n");
    f.start();
    QVERIFY(!f.form->optionalFieldsShown());
    QCOMPARE(f.form->receptionSerial(), 0);
    QCOMPARE(f.form->settleDay(), 7);
    for (int i = 1; i <= 6; ++i) // 7 is no menu entry: none is checked
        QVERIFY(!f.form->action(QString("Settle%1").arg(i))->isChecked());
    QVERIFY(f.form->action("CheckMileageItem")->isChecked());
    QVERIFY(f.form->action("PeriodBackupItem")->isChecked());
    QVERIFY(f.form->close());
    QCOMPARE(slurp(f.dir / files::Request),
             "False\r\nTrue\r\n7\r\nTrue\r\n" + sjis::lit("自動車登録番号") + "\r\n0\r\n");
}

void RequestFormTest::optionalFieldsSwitch() {
    {
        Fixture f;
        f.start();
        QVERIFY(f.form->optionalFieldsShown());
        f.trigger("ReceptionItem");
        QVERIFY(!f.form->optionalFieldsShown());
        QCOMPARE(f.form->receptionSerial(), 0);
        QCOMPARE(f.box<QWidget>("CustomerPanel")->height(), 160);
        f.trigger("ReceptionItem");
        QVERIFY(f.form->optionalFieldsShown());
        QCOMPARE(f.form->receptionSerial(), 1);
        QCOMPARE(f.box<QWidget>("CustomerPanel")->height(), 180);
    }
    {
        // A table made before the optional fields: the switch stays off, silently.
        Fixture f;
        f.db = store::Database::open(f.dir / files::Database);
        f.db->exec("ALTER TABLE Request DROP COLUMN 受付番号");
        f.db->exec("ALTER TABLE Request DROP COLUMN 車検期限");
        f.db->exec("ALTER TABLE Request DROP COLUMN 点検日");
        f.db.reset();
        f.start();
        QVERIFY(!f.form->optionalFieldsShown());
        f.trigger("ReceptionItem");
        QVERIFY(!f.form->optionalFieldsShown());
        QVERIFY(!f.form->action("ReceptionItem")->isChecked());
        QVERIFY(f.prompts.errors.empty());
    }
}

void RequestFormTest::garbledSettingsFilesDoNotStopTheStart() {
    Fixture f;
    const std::string garbage("\x82\xFF\x00\x81\r\n\xFD\xFE", 8);
    for (const char* file :
         {files::Request, files::Select, files::Class, files::Title, files::Charge, files::TransLen,
          files::Service, files::Comment, files::NotCalc, files::Exp})
        put(f.dir / file, garbage);
    f.start();
    QVERIFY(f.form->isVisible());
    QCOMPARE(f.form->settleDay(), 0);
    QVERIFY(f.prompts.errors.empty());
    // Invalid bytes come back unchanged when the settings are written.
    QVERIFY(f.form->close());
    QVERIFY(slurp(f.dir / files::Request).find("\r\n0\r\n") != std::string::npos);
}

void RequestFormTest::expenseNamesReserveSlots() {
    struct Case {
        int records, reserved, boxes, freeRows;
    } cases[] = {{1, 0, 0, 0}, {5, 2, 4, 2}, {9, 3, 6, 3}};
    for (const auto& c : cases) {
        Fixture f;
        f.db = store::Database::open(f.dir / files::Database);
        {
            store::Table expense(*f.db, "ReExpense");
            for (int i = 1; i <= c.records; ++i) {
                expense.append();
                expense.setText("項目名", sjis::lit("費用") + std::to_string(i));
                expense.post();
            }
        }
        f.db.reset();
        f.start();
        QCOMPARE(f.form->expenseSlotCount(), c.reserved);
        QCOMPARE(f.form->expenseAmountBoxCount(), c.boxes);
        QCOMPARE(f.form->expenseFreeRowCount(), c.freeRows);
        for (int b = 1; b <= 6; ++b)
            QCOMPARE(f.form->findChild<QWidget*>(QString("ExpenseAmount%1").arg(b)) != nullptr,
                     b <= c.boxes);
    }
}

void RequestFormTest::numberBoxRefusesText() {
    Fixture f;
    f.start();
    f.trigger("NavInsert");
    auto* price = f.box<QLineEdit>("DBEditT1");
    price->setFocus();
    QTest::keyClicks(price, "1500");
    f.edit("氏名")->setFocus(); // leave the box
    price->setFocus();
    price->end(false);
    QTest::keyClicks(price, "x");
    f.edit("氏名")->setFocus();
    QCOMPARE(f.prompts.errors.size(), size_t(1));
    QVERIFY(f.prompts.errors[0].find("1500x") != std::string::npos);
    QCOMPARE(f.form->statements().integer("単価1"), 1500);
    QCOMPARE(price->text(), QString("1500"));
}

void RequestFormTest::enterMovesToTheNextBox() {
    Fixture f;
    f.start();
    QWidget* first = f.edit("入庫日");
    first->setFocus();
    QVERIFY(first->hasFocus());
    QTest::keyClick(first, Qt::Key_Return);
    QVERIFY(!first->hasFocus());
    QCOMPARE(QApplication::focusWidget(), f.edit("出庫日"));
}

void RequestFormTest::clickingABoxShowsItsHint() {
    Fixture f;
    f.start();
    QTest::mouseClick(f.edit("作成日"), Qt::LeftButton);
    QCOMPARE(f.form->hint(), q(" ダブルクリックでカレンダー表示で入力出来ます。"));
    QTest::mouseClick(f.edit("自動車登録番号"), Qt::LeftButton);
    QCOMPARE(f.form->hint(), q(" ダブルクリックで車検管理表から呼び出せます。"));
    QTest::keyClicks(f.box<QComboBox>("DBLookupComboBox3")->lineEdit(), "a");
    QCOMPARE(f.form->hint(),
             q(" 左の数字をダブルクリックすると分類毎の作業・部品名の選択が出来ます。"));
}

void RequestFormTest::wrongPasswordClosesTheWindow() {
    for (const char* typed : {"himitsu", "wrong"}) {
        Fixture f;
        put(f.dir / files::Pass, "himitsu\r\n");
        f.prompts.passwords = {typed};
        f.start();
        QTest::qWait(20);
        const bool right = std::string(typed) == "himitsu";
        QCOMPARE(f.form->isVisible(), right);
        QCOMPARE(f.box<QTabBar>("TabControl1")->isVisible(), right);
    }
}

QTEST_MAIN(RequestFormTest)
#include "RequestFormTest.moc"
