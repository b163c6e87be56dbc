// The settings in force (labour rate, tax, company lines) and what leaving a box computes.

#include "settings/RateSForm.h"
#include "settings/UserSForm.h"
#include "statement/ServiceDlg.h"
#include "store/Table.h"

#include "FormFixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QWheelEvent>

using namespace torvane;
using namespace test;

namespace {

QString q(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// Types into a box and leaves it for the next one, as a user does with Tab.
void typeAndLeave(QWidget* box, const QString& text, QWidget* next) {
    box->setFocus();
    if (auto* line = qobject_cast<QLineEdit*>(box))
        line->selectAll();
    QTest::keyClicks(box, text);
    next->setFocus();
}

} // namespace

class SettingsAndCalculationTest : public QObject {
    Q_OBJECT
    TempDir settingsStore;

private slots:
    void initTestCase() { isolateSettingsStore(settingsStore); }
    void settingsFilesAreReadOnceAndWrittenOnOk();
    void cancelKeepsAnEditedValueForTheRun();
    void companyLinesFillAndWriteSeven();
    void leavingBoxesComputesTheStatement();
    void quantityBoxRefusesTextThatIsNoNumber();
    void discountLineAsksAndWrites();
    void specialDiscountAsksForAPercentage();
    void lineKeysInsertAndDeleteLines();
    void labourAmountTypedDirectly();
    void pickingANameAppliesTheItem();
    void nameDialogChoosesByCodeOrClass();
    void scrollingShowsTheUpperSlots();
    void scrollingWhileTypingLeavesTheBoxFirst();
    void reservedSlotsAreCutOffAtTheBottom();
};

void SettingsAndCalculationTest::settingsFilesAreReadOnceAndWrittenOnOk() {
    struct Case {
        const char* rateFile;
        int rate;
    } cases[] = {{"7500\r\n", 7500}, {"-500\r\n", -500}, {"abc\r\n", 0}, {"12x\r\n", 0}, {"", 0}};
    for (const auto& c : cases) {
        Fixture f;
        put(f.dir / files::Rate, c.rateFile);
        f.start();
        QCOMPARE(f.form->liveSettings().labourRate, c.rate);
        QCOMPARE(f.form->liveSettings().taxPercent, 5); // Zei.INI absent
    }
    Fixture f;
    put(f.dir / files::Zei, "8\r\n");
    f.start();
    QCOMPARE(f.form->liveSettings().taxPercent, 8);
    // Text that is no whole number reads, and is written, as 0.
    ModalAnswerer ok([](QDialog* d) {
        auto* spin = d->findChild<ui::IntSpinEdit*>("SpinEdit1");
        spin->setText("abc");
        QTest::mouseClick(d->findChild<QWidget*>("OKButton"), Qt::LeftButton);
    });
    f.trigger("RateItem");
    QCOMPARE(slurp(f.dir / files::Rate), std::string("0\r\n"));
    QCOMPARE(f.form->liveSettings().labourRate, 0);
    f.trigger("ZeiItem");
    QCOMPARE(slurp(f.dir / files::Zei), std::string("0\r\n"));
}

void SettingsAndCalculationTest::cancelKeepsAnEditedValueForTheRun() {
    Fixture f;
    f.start();
    // The rate's arrows step by 500 yen.
    ModalAnswerer stepAndCancel([](QDialog* d) {
        auto* spin = d->findChild<ui::IntSpinEdit*>("SpinEdit1");
        spin->stepBy(2);
        QTest::mouseClick(d->findChild<QWidget*>("CancelButton"), Qt::LeftButton);
    });
    f.trigger("RateItem");
    QApplication::setActiveWindow(f.form.get());
    QCOMPARE(f.form->liveSettings().labourRate, 8000);
    QCOMPARE(slurp(f.dir / files::Rate), std::string("7000\r\n"));
    // The new rate is the one in force for the statements of this run.
    f.trigger("NavInsert");
    typeAndLeave(f.box<QLineEdit>("DBEditJ1"), "1", f.edit("氏名"));
    QCOMPARE(f.yen("作業工賃1"), 8000);
}

void SettingsAndCalculationTest::companyLinesFillAndWriteSeven() {
    Fixture f;
    put(f.dir / files::User, sjis::lit("東京都大田区\r\n大森自動車\r\n(有)大森自動車\r\n"));
    f.start();
    QCOMPARE(f.form->userForm()->line(2), sjis::lit("大森自動車"));
    QCOMPARE(f.form->userForm()->line(4), std::string());
    ModalAnswerer ok([](QDialog* d) {
        d->findChild<QLineEdit*>("Edit4")->setText("03-1111-2222");
        QTest::mouseClick(d->findChild<QWidget*>("OKButton"), Qt::LeftButton);
    });
    f.trigger("UserItem");
    QCOMPARE(
        slurp(f.dir / files::User),
        sjis::lit("東京都大田区\r\n大森自動車\r\n(有)大森自動車\r\n03-1111-2222\r\n\r\n\r\n\r\n"));
}

void SettingsAndCalculationTest::leavingBoxesComputesTheStatement() {
    Fixture f;
    f.start();
    f.trigger("NavInsert");
    auto* name = f.edit("氏名");
    typeAndLeave(f.box<QLineEdit>("DBEditJ1"), "1.5", name);
    QCOMPARE(f.text("作業工賃1"), std::string("10500"));
    typeAndLeave(f.box<QLineEdit>("DBEditT2"), "333", name);
    typeAndLeave(f.box<QLineEdit>("DBEditN2"), "1.5", name);
    QCOMPARE(f.text("部品代2"), std::string("499.5"));
    QCOMPARE(f.yen("部品代合計"), 500);
    QCOMPARE(f.yen("作業工賃合計"), 10500);
    QCOMPARE(f.yen("消費税"), 550);
    QCOMPARE(f.yen("請求額"), 11550);
    QCOMPARE(f.box<QLineEdit>("請求額")->text(), QString("11550"));
    typeAndLeave(f.edit("調整額"), "-50", name);
    QCOMPARE(f.yen("請求額"), 11500);
    // The inspection boxes carry the fees into the adjustment.
    typeAndLeave(f.edit("自賠責"), "20000", name);
    typeAndLeave(f.edit("お預り"), "5000", name);
    QCOMPARE(f.yen("車検合計"), 20000);
    QCOMPARE(f.yen("調整額"), 15000);
    QCOMPARE(f.yen("請求額"), 10500 + 500 + 550 + 15000);
}

void SettingsAndCalculationTest::quantityBoxRefusesTextThatIsNoNumber() {
    Fixture f;
    f.start();
    f.trigger("NavInsert");
    auto* quantity = f.box<QLineEdit>("DBEditN1");
    typeAndLeave(quantity, "2", f.edit("氏名"));
    typeAndLeave(quantity, "3abc", f.edit("氏名"));
    QCOMPARE(f.prompts.errors.size(), size_t(1));
    QVERIFY(f.prompts.errors[0].find("3abc") != std::string::npos);
    // The value of before the visit stays, not the "3" typed on the way.
    QCOMPARE(f.text("数量1"), std::string("2"));
    QCOMPARE(quantity->text(), QString("2"));
}

void SettingsAndCalculationTest::discountLineAsksAndWrites() {
    Fixture f;
    put(f.dir / files::Zei, "5\r\n");
    f.start();
    f.trigger("NavInsert");
    auto* name = f.edit("氏名");
    // 請求額 123456: labour 100000 (rate 7000 × hours), parts 17577.
    put(f.dir / "unused", "");
    f.form->statements().setNumber("作業工賃1", 100000);
    f.form->statements().setNumber("部品代1", 17577);
    f.form->DataCalc(0);
    f.form->PartCalc(0);
    QCOMPARE(f.yen("請求額"), 123456);
    QStringList shown;
    ModalAnswerer choose([&](QDialog* d) {
        for (int i = 1; i <= 4; ++i)
            shown << d->findChild<QRadioButton*>(QString("Choice%1").arg(i))->text();
        d->findChild<QRadioButton*>("Choice3")->click();
    });
    commit(f.box<QComboBox>("DBLookupComboBox2"), q("値引き"));
    name->setFocus();
    QCOMPARE(shown, (QStringList{q("6円"), q("56円"), q("456円"), q("3456円")}));
    QCOMPARE(f.yen("作業工賃2"), -434);
    QCOMPARE(f.yen("請求額"), 123000);
    // Leaving the name box again leaves the written discount alone.
    f.box<QComboBox>("DBLookupComboBox2")->setFocus();
    name->setFocus();
    QCOMPARE(choose.seen.size(), 1);
}

void SettingsAndCalculationTest::specialDiscountAsksForAPercentage() {
    Fixture f;
    f.start();
    f.trigger("NavInsert");
    auto* name = f.edit("氏名");
    f.form->statements().setNumber("作業工賃1", 35000);
    f.form->DataCalc(0);
    ModalAnswerer tenPercent([](QDialog* d) {
        d->findChild<QSpinBox*>("PercentEdit")->setValue(10);
        QTest::keyClick(d, Qt::Key_Return);
    });
    commit(f.box<QComboBox>("DBLookupComboBox2"), q("特別値引き"));
    name->setFocus();
    QCOMPARE(tenPercent.seen, QStringList{"SpServDlg"});
    QCOMPARE(f.yen("作業工賃2"), -3500);
    QCOMPARE(f.yen("作業工賃合計"), 31500);
}

void SettingsAndCalculationTest::lineKeysInsertAndDeleteLines() {
    Fixture f;
    f.start();
    f.trigger("NavInsert");
    for (int s = 1; s <= 5; ++s) {
        f.form->statements().setText("作業内容" + std::to_string(s), std::to_string(s));
        f.form->statements().setNumber("作業工賃" + std::to_string(s), 100 * s);
    }
    auto* row3 = f.box<QComboBox>("DBLookupComboBox3");
    row3->setFocus();
    QTest::keyClick(row3, Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(f.text("作業内容3"), std::string("4"));
    QCOMPARE(f.text("作業内容4"), std::string("5"));
    QCOMPARE(f.text("作業内容5"), std::string());
    QCOMPARE(f.yen("作業工賃合計"), 100 + 200 + 400 + 500);
    QCOMPARE(row3->currentText(), QString("4"));
    QTest::keyClick(row3, Qt::Key_Insert, Qt::ControlModifier);
    QCOMPARE(f.text("作業内容3"), std::string());
    QCOMPARE(f.text("作業内容4"), std::string("4"));
    // Another modifier with Ctrl: an ordinary key for the box.
    QTest::keyClick(row3, Qt::Key_Delete, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(f.text("作業内容4"), std::string("4"));
}

void SettingsAndCalculationTest::labourAmountTypedDirectly() {
    Fixture f;
    f.start();
    f.trigger("NavInsert");
    ModalAnswerer type5000([](QDialog* d) {
        d->findChild<QLineEdit*>("AmountEdit")->setText("5000");
        QTest::keyClick(d, Qt::Key_Return);
    });
    QTest::mouseDClick(f.box<QLineEdit>("DBEditG2"), Qt::LeftButton);
    QTest::qWait(30);
    QCOMPARE(type5000.seen, QStringList{"DFormDlg"});
    QCOMPARE(f.yen("作業工賃2"), 5000);
    QCOMPARE(f.yen("作業工賃合計"), 5000);
    QCOMPARE(f.box<QLineEdit>("DBEditG2")->text(), QString("5000"));
}

void SettingsAndCalculationTest::pickingANameAppliesTheItem() {
    Fixture f;
    f.db = store::Database::open(f.dir / files::Database);
    {
        store::Table master(*f.db, "ReqItem");
        const struct {
            const char* name;
            int uses;
            const char* hours;
        } items[] = {{"オイル交換", 5, "0.5"}, {"点検", 9, "1"}, {"洗車", 0, "0.25"}};
        for (const auto& i : items) {
            master.append();
            master.setText("項目名", sjis::lit(i.name));
            master.setInteger("引用回数", i.uses);
            master.setInteger("在庫数", 3);
            master.setText("時間1", i.hours);
            master.setText("時間2", i.hours);
            master.post();
        }
    }
    f.start();
    auto* row1 = f.box<QComboBox>("DBLookupComboBox1");
    auto* row20 = f.box<QComboBox>("DBLookupComboBox20");
    QCOMPARE(row1->count(), 3);
    QCOMPARE(row20->itemText(0), q("点検")); // most used first, in every row
    QCOMPARE(row1->itemText(2), q("洗車"));
    f.trigger("NavInsert");
    row1->setCurrentIndex(2);
    emit row1->activated(2);
    QCOMPARE(f.text("作業内容1"), std::string("洗車"));
    QCOMPARE(f.yen("作業工賃1"), 7000 / 4);
    QCOMPARE(f.text("種別"), std::string("軽自動車"));
    QCOMPARE(row1->currentText(), q("洗車"));
    // The save to the master brings the lists up to date a moment later.
    QTest::qWait(20);
    QCOMPARE(row1->count(), 3);
    QCOMPARE(row1->currentText(), q("洗車"));
    store::Table master(*f.db, "ReqItem");
    master.setRecNo(3);
    QCOMPARE(master.integer("引用回数"), 1);
    QCOMPARE(master.integer("在庫数"), 2);
}

void SettingsAndCalculationTest::nameDialogChoosesByCodeOrClass() {
    Fixture f;
    f.db = store::Database::open(f.dir / files::Database);
    {
        store::Table master(*f.db, "ReqItem");
        const struct {
            const char* name;
            const char* group;
            int code;
            const char* hours;
        } items[] = {{"オイル交換", "エンジン", 1, "0.5"},
                     {"プラグ交換", "エンジン", 12, "0.8"},
                     {"パッド交換", "ブレーキ", 30, "1"}};
        for (const auto& i : items) {
            master.append();
            master.setText("項目名", sjis::lit(i.name));
            master.setText("分類名", sjis::lit(i.group));
            master.setInteger("コード", i.code);
            master.setText("時間1", i.hours);
            master.post();
        }
    }
    f.start();
    f.trigger("NavInsert");
    std::vector<std::string> namesWhileTyping;
    {
        ModalAnswerer byCode([&](QDialog* d) {
            QWidget* code = d->findChild<QWidget*>("CodeEdit");
            QTest::keyClick(code, Qt::Key_1);
            namesWhileTyping.push_back(f.text("作業内容2"));
            QTest::keyClick(code, Qt::Key_2);
            namesWhileTyping.push_back(f.text("作業内容2"));
            QTest::keyClick(code, Qt::Key_Return);
        });
        QTest::mouseDClick(f.box<QLabel>("Panel8Title2"), Qt::LeftButton);
        QTest::qWait(30);
    }
    QCOMPARE(namesWhileTyping, (std::vector<std::string>{"オイル交換", "プラグ交換"}));
    QCOMPARE(f.text("作業内容2"), std::string("プラグ交換"));
    QCOMPARE(f.yen("作業工賃2"), 5600); // 0.8 h at 7000
    QVERIFY(!f.form->itemMaster().filtered());
    {
        // By class: only the class's names are offered; the second is chosen.
        QStringList offered;
        ModalAnswerer byClass([&](QDialog* d) {
            auto* classes = d->findChild<QComboBox*>("ClassCombo");
            QCOMPARE(classes->count(), 2);
            emit classes->activated(1); // ブレーキ
            auto* names = d->findChild<QComboBox*>("NameCombo");
            for (int i = 0; i < names->count(); ++i)
                offered << names->itemText(i);
            emit names->activated(0);
            d->accept();
        });
        QTest::mouseDClick(f.box<QLabel>("Panel8Title3"), Qt::LeftButton);
        QTest::qWait(30);
        QCOMPARE(offered, QStringList{q("パッド交換")});
    }
    QCOMPARE(f.text("作業内容3"), std::string("パッド交換"));
    QCOMPARE(f.yen("作業工賃3"), 7000);
    {
        // A code that matches nothing: Enter keeps the dialog open; closing it applies
        // nothing.
        ModalAnswerer noMatch([&](QDialog* d) {
            QWidget* code = d->findChild<QWidget*>("CodeEdit");
            QTest::keyClick(code, Qt::Key_9);
            QTest::keyClick(code, Qt::Key_Return);
            QVERIFY(d->isVisible());
            d->reject();
        });
        QTest::mouseDClick(f.box<QLabel>("Panel8Title4"), Qt::LeftButton);
        QTest::qWait(30);
    }
    QCOMPARE(f.text("作業内容4"), std::string());
    QVERIFY(f.form->statements().isNull("時間4"));
}

void SettingsAndCalculationTest::scrollingShowsTheUpperSlots() {
    Fixture f;
    f.start();
    f.trigger("NavInsert");
    f.form->statements().setText("作業内容21", "twenty-one");
    f.form->statements().setText("作業内容1", "one");
    QScrollBar* bar = f.form->itemScroll()->verticalScrollBar();
    bar->setValue(101);
    auto* row1 = f.box<QComboBox>("DBLookupComboBox1");
    QCOMPARE(f.box<QLabel>("Panel8Title1")->text(), QString("21"));
    QCOMPARE(row1->currentText(), QString("twenty-one"));
    QCOMPARE(f.form->slotOfRow(1), 21);
    QCOMPARE(f.form->slotOfRow(6), 6);
    QVERIFY(row1->y() > f.box<QComboBox>("DBLookupComboBox20")->y());
    // What is typed into the moved row lands in slot 21.
    commit(row1, "x");
    QCOMPARE(f.text("作業内容21"), std::string("twenty-onex"));
    bar->setValue(100);
    QCOMPARE(f.box<QLabel>("Panel8Title1")->text(), QString("1"));
    QCOMPARE(row1->currentText(), QString("one"));
    QCOMPARE(row1->y(), 0);
}

void SettingsAndCalculationTest::scrollingWhileTypingLeavesTheBoxFirst() {
    Fixture f;
    f.start();
    f.trigger("NavInsert");
    f.form->statements().setText("単価3", "500");
    auto* quantity = f.box<QLineEdit>("DBEditN3");
    quantity->setFocus();
    QTest::keyClicks(quantity, "2");
    // The wheel before the box is left: slot 3 is computed, then the rows move.
    QWidget* viewport = f.form->itemScroll()->viewport();
    const QPointF at(viewport->width() / 2.0, viewport->height() / 2.0);
    QWheelEvent wheel(at, viewport->mapToGlobal(at), QPoint(), QPoint(0, -360), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &wheel);
    QVERIFY(f.form->itemScroll()->verticalScrollBar()->value() > 100);
    QCOMPARE(f.yen("部品代3"), 1000);
    QCOMPARE(f.yen("部品代合計"), 1000);
    QCOMPARE(f.form->slotOfRow(3), 23);
    QVERIFY(f.form->statements().isNull("部品代23"));
    // Hours typed in row 7 and the box left normally: a later scroll moves no focus.
    auto* hours = f.box<QLineEdit>("DBEditJ7");
    hours->setFocus();
    QTest::keyClicks(hours, "1");
    f.edit("氏名")->setFocus();
    f.form->itemScroll()->verticalScrollBar()->setValue(160);
    QVERIFY(f.edit("氏名")->hasFocus());
}

void SettingsAndCalculationTest::reservedSlotsAreCutOffAtTheBottom() {
    Fixture f;
    f.db = store::Database::open(f.dir / files::Database);
    {
        store::Table expense(*f.db, "ReExpense");
        for (int i = 1; i <= 5; ++i) { // two reserved slots: 35 and 34
            expense.append();
            expense.setText("項目名", "e" + std::to_string(i));
            expense.post();
        }
    }
    f.start();
    QScrollBar* bar = f.form->itemScroll()->verticalScrollBar();
    bar->setValue(bar->maximum());
    QCOMPARE(f.form->slotOfRow(13), 33);
    QVERIFY(f.box<QComboBox>("DBLookupComboBox13")->isVisible());
    QVERIFY(!f.box<QComboBox>("DBLookupComboBox14")->isVisible());
    // Ctrl+Insert on the last usable slot (33, in row 13 now): it is emptied, nothing moves.
    f.trigger("NavInsert");
    f.form->statements().setText("作業内容32", "32");
    f.form->statements().setText("作業内容33", "33");
    auto* row13 = f.box<QComboBox>("DBLookupComboBox13");
    row13->setFocus();
    QTest::keyClick(row13, Qt::Key_Insert, Qt::ControlModifier);
    QCOMPARE(f.text("作業内容33"), std::string());
    QCOMPARE(f.text("作業内容32"), std::string("32"));
    QVERIFY(f.form->statements().isNull("作業内容34"));
    QVERIFY(!f.box<QComboBox>("DBLookupComboBox15")->isVisible());
    auto* totals = f.box<QLineEdit>("PartsTotalEnd");
    QCOMPARE(totals->y(), 662);
    QCOMPARE(totals->y(), f.box<QComboBox>("DBLookupComboBox13")->y() + 20);
}

QTEST_MAIN(SettingsAndCalculationTest)
#include "SettingsAndCalculationTest.moc"
