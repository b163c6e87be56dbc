// The statement list of the main window: month tabs, the filter entry and the customer tab.

#include "../app/FormFixture.h"
#include "store/Table.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>

using namespace torvane;
using namespace test;

namespace {

QString q(const char* utf8) {
    return QString::fromUtf8(utf8);
}

void addDated(Fixture& f,
              std::initializer_list<std::tuple<const char*, const char*, const char*>> rows) {
    f.db = store::Database::open(f.dir / files::Database);
    store::Table t(*f.db, "Request");
    for (const auto& [date, name, kind] : rows) {
        t.append();
        t.setText("作成日", sjis::lit(date));
        t.setInteger("項番", era::CharToDate(sjis::lit(date)).year * 10000 +
                                 era::CharToDate(sjis::lit(date)).month * 100 +
                                 era::CharToDate(sjis::lit(date)).day);
        t.setText("氏名", sjis::lit(name));
        t.setText("種別", sjis::lit(kind));
        t.setInteger("請求額", 1000);
        t.post();
    }
}

QStringList tabs(const Fixture& f) {
    auto* bar = f.box<QTabBar>("TabControl1");
    QStringList out;
    for (int i = 0; i < bar->count(); ++i)
        out << bar->tabText(i);
    return out;
}

} // namespace

class ListTabsTest : public QObject {
    Q_OBJECT
    TempDir settingsStore;

private slots:
    void initTestCase() { isolateSettingsStore(settingsStore); }
    void monthTabsNarrowTheList();
    void filterEntryAndCustomerTab();
    void saveSetsTheDateKeyAndRebuildsTheTabs();
    void saveLeavesANoteInTheLedger();
    void copyTakesTheChosenFields();
    void periodChoiceKeepsFromNotAfterTo();
    void filterEntriesAreEditedInTheirDialog();
};

void ListTabsTest::monthTabsNarrowTheList() {
    Fixture f;
    addDated(f, {{"平成１３年１１月２１日", "a", "軽自動車"},
                 {"平成１３年１２月２１日", "b", "軽自動車"},
                 {"平成１４年０１月０５日", "c", "普通自動車"}});
    f.start();
    QCOMPARE(tabs(f), (QStringList{q("全て"), q("個人"), q("平成１４年０１月"),
                                   q("平成１３年１２月"), q("平成１３年１１月")}));
    auto* bar = f.box<QTabBar>("TabControl1");
    bar->setCurrentIndex(3);
    QCOMPARE(f.form->countText(), QString("1"));
    QCOMPARE(f.text("氏名"), std::string("b"));
    bar->setCurrentIndex(0);
    QCOMPARE(f.form->countText(), QString("3"));
    // Settle day 20: 平成１３年１２月２１日 belongs to January.
    f.trigger("Settle5");
    QCOMPARE(tabs(f),
             (QStringList{q("全て"), q("個人"), q("平成１４年０１月"), q("平成１３年１２月")}));
    bar->setCurrentIndex(2);
    QCOMPARE(f.form->countText(), QString("2"));
}

void ListTabsTest::filterEntryAndCustomerTab() {
    Fixture f;
    put(f.dir / files::Filter1, sjis::lit("全て\r\n軽以外\r\n"));
    put(f.dir / files::Filter2, sjis::lit("全て\r\n種別\r\n"));
    put(f.dir / files::Filter3, sjis::lit("全て\r\n軽自動車以外\r\n"));
    addDated(f, {{"平成１３年１２月０１日", "O'Brien", "軽自動車"},
                 {"平成１３年１２月０２日", "O'Brien", "普通自動車"},
                 {"平成１４年０１月０５日", "佐藤", "普通自動車"}});
    f.start();
    auto* entries = f.box<QComboBox>("FilterComboBox");
    entries->setCurrentIndex(1);
    emit entries->activated(1);
    QCOMPARE(f.form->countText(), QString("2")); // the two 普通自動車
    auto* bar = f.box<QTabBar>("TabControl1");
    bar->setCurrentIndex(3); // 平成１３年１２月, and still not 軽自動車
    QCOMPARE(f.form->countText(), QString("1"));
    QCOMPARE(f.text("種別"), std::string("普通自動車"));
    // 個人: everything of this customer, in all months; the quote is doubled.
    bar->setCurrentIndex(1);
    QCOMPARE(f.form->countText(), QString("2"));
    QCOMPARE(f.text("氏名"), std::string("O'Brien"));
}

void ListTabsTest::saveSetsTheDateKeyAndRebuildsTheTabs() {
    Fixture f;
    addDated(f, {{"平成１７年０７月０１日", "a", "軽自動車"}});
    f.start();
    f.trigger("NavInsert");
    commit(f.edit("作成日"), q("平成１７年０８月２５日"));
    commit(f.edit("氏名"), q("新しい"));
    f.trigger("NavPost");
    QCOMPARE(f.form->statements().integer("項番"), 20050825);
    QCOMPARE(f.text("氏名"), std::string("新しい"));
    QCOMPARE(f.form->statements().recNo(), 1); // newest first
    QCOMPARE(tabs(f).at(2), q("平成１７年０８月"));
    // A check answered はい keeps the statement unsaved.
    f.trigger("CheckMileageItem");
    f.trigger("NavInsert");
    commit(f.edit("氏名"), q("未完"));
    f.prompts.answers = {Prompts::Answer::Yes};
    f.trigger("NavPost");
    QVERIFY(f.form->statements().editing());
    QCOMPARE(f.prompts.asked.back(),
             std::string("走行距離の入力が有りません！\n入力してから登録し直して下さい。"));
}

void ListTabsTest::saveLeavesANoteInTheLedger() {
    Fixture f;
    put(f.dir / files::TransLen, "10\r\n");
    f.db = store::Database::open(f.dir / files::Database);
    {
        store::Table ledger(*f.db, "INDATA");
        ledger.append();
        ledger.setText("使用者", sjis::lit("山田太郎"));
        ledger.post();
    }
    f.start();
    f.form->inspectionLedger().first();
    f.trigger("NavInsert");
    commit(f.edit("氏名"), q("山田太郎"));
    commit(f.edit("作成日"), q("平成１７年０７月２５日"));
    commit(f.edit("走行距離"), q("45210"));
    f.form->statements().setText("タイトル", sjis::lit("車検"));
    f.form->setLinkMarker("INDATA");
    f.trigger("NavPost");
    QVERIFY(f.form->linkMarker().isEmpty());
    store::Table ledger(*f.db, "INDATA");
    QCOMPARE(*sjis::toUtf8(ledger.text("備考")),
             std::string("\r\n平成１７年０７月２５日　車検      45210"));
    // Cancel empties the marker and writes nothing.
    f.form->setLinkMarker("INDATA");
    f.trigger("NavInsert");
    f.trigger("NavCancel");
    QVERIFY(f.form->linkMarker().isEmpty());
}

void ListTabsTest::copyTakesTheChosenFields() {
    Fixture f;
    addDated(f, {{"平成１７年０７月０１日", "山田", "軽自動車"}});
    {
        store::Table t(*f.db, "Request");
        t.first();
        t.edit();
        t.setText("住所", sjis::lit("東京都"));
        t.setText("自動車登録番号", sjis::lit("品川 500 さ 12-34"));
        t.post();
    }
    // Without ReCopy.INI nothing is chosen: はい copies nothing.
    f.start();
    {
        QStringList right;
        ModalAnswerer yes([&](QDialog* d) {
            QCOMPARE(d->findChild<QListWidget*>("LeftList")->count(), 244);
            QTest::mouseClick(d->findChild<QPushButton*>("YesButton"), Qt::LeftButton);
        });
        f.trigger("CopyItem");
        QTest::qWait(20);
    }
    QCOMPARE(f.text("氏名"), std::string()); // still the new, empty statement of the start
    f.trigger("NavFirst");
    QCOMPARE(f.text("氏名"), std::string("山田"));
    put(f.dir / files::Copy, sjis::lit("種別\r\n\r\n氏名\r\n住所\r\n自動車登録番号\r\n\r\n"));
    {
        ModalAnswerer yes([&](QDialog* d) {
            QCOMPARE(d->findChild<QListWidget*>("RightList")->count(), 3);
            d->findChild<QPushButton*>("YesButton")->click();
        });
        f.trigger("CopyButton");
        QTest::qWait(20);
    }
    QCOMPARE(f.form->statements().state(), store::Table::State::Insert);
    QCOMPARE(f.text("氏名"), std::string("山田"));
    QCOMPARE(f.text("住所"), std::string("東京都"));
    QCOMPARE(f.text("自動車登録番号"), std::string("品川 500 さ 12-34"));
    QCOMPARE(f.text("作成日"), std::string());
    QCOMPARE(f.text("請求額"), std::string());
    QCOMPARE(f.form->statements().recordCount(), 1); // not saved yet
}

void ListTabsTest::periodChoiceKeepsFromNotAfterTo() {
    Fixture f;
    addDated(f, {{"平成１４年０１月０５日", "a", "軽自動車"},
                 {"平成１４年０３月０５日", "b", "軽自動車"}});
    f.start();
    {
        ModalAnswerer choose([](QDialog* d) {
            auto* from = d->findChild<QComboBox*>("FromComboBox");
            auto* to = d->findChild<QComboBox*>("ToComboBox");
            QCOMPARE(from->currentIndex(), 2); // the earliest month
            QCOMPARE(to->currentIndex(), 0);   // the latest
            to->setCurrentIndex(1);
            from->setCurrentIndex(0); // later than To: takes To's month
            QCOMPARE(from->currentIndex(), 1);
            to->setCurrentIndex(2); // earlier than From: takes From's month
            QCOMPARE(to->currentIndex(), 1);
            d->findChild<QPushButton*>("OKButton")->click();
        });
        const auto period = f.form->choosePeriod();
        QVERIFY(period.has_value());
        QCOMPARE(period->first, 3);
        QCOMPARE(period->second, 3);
        QCOMPARE(
            f.form->periodFilterText(4, 2),
            sjis::lit("(作成日 >= '平成１４年０１月') and (作成日 <= '平成１４年０３月３１日')"));
    }
    // Closed otherwise than by OK: a cancel.
    ModalAnswerer close([](QDialog* d) { d->reject(); });
    QVERIFY(!f.form->choosePeriod().has_value());
}

void ListTabsTest::filterEntriesAreEditedInTheirDialog() {
    Fixture f;
    addDated(f, {{"平成１４年０１月０５日", "a", "軽自動車"},
                 {"平成１４年０３月０５日", "b", "普通自動車"}});
    f.start();
    const auto add = [](QDialog* d, const char* name, const char* field, const char* value) {
        d->findChild<QLineEdit*>("NameEdit")->setText(QString::fromUtf8(name));
        d->findChild<QComboBox*>("FieldCombo")->setCurrentText(QString::fromUtf8(field));
        d->findChild<QLineEdit*>("ValueEdit")->setText(QString::fromUtf8(value));
        d->findChild<QPushButton*>("AddButton")->click();
    };
    {
        ModalAnswerer ok([&](QDialog* d) {
            add(d, "全て", "全て", "全て");
            add(d, "軽以外", "種別", "軽自動車以外");
            d->findChild<QPushButton*>("OKButton")->click();
        });
        f.trigger("FilterItem");
        QTest::qWait(20);
    }
    QCOMPARE(slurp(f.dir / files::Filter3), sjis::lit("全て\r\n軽自動車以外\r\n"));
    {
        // Closed without OK: the entries are read again from the files.
        int shown = 0;
        {
            ModalAnswerer cancel([&](QDialog* d) {
                add(d, "x", "種別", "x");
                d->reject();
            });
            f.trigger("FilterItem");
            QTest::qWait(20);
        }
        ModalAnswerer look([&](QDialog* d) {
            shown = d->findChild<QListWidget*>("NamesList")->count();
            d->reject();
        });
        f.trigger("FilterItem");
        QTest::qWait(20);
        QCOMPARE(shown, 2);
    }
    auto* entries = f.box<QComboBox>("FilterComboBox");
    QCOMPARE(entries->count(), 2);
    QCOMPARE(entries->currentIndex(), 0);
    QCOMPARE(f.form->countText(), QString("2"));
    entries->setCurrentIndex(1);
    emit entries->activated(1);
    QCOMPARE(f.form->countText(), QString("1"));
    QCOMPARE(f.text("種別"), std::string("普通自動車"));
}

QTEST_MAIN(ListTabsTest)
#include "ListTabsTest.moc"
