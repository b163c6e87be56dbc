// The calendar dialog, the date boxes of the main window and the name box's reading.

#include "input/DateSetDlg.h"
#include "input/YomiEd32.h"
#include "store/Table.h"

#include "../app/FormFixture.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

using namespace torvane;
using namespace test;

namespace {

QString q(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// The era label and year field of the dialog, as the user reads them.
QString shown(TDateSDlg& d) {
    return d.eraLabel()->text() + QString::number(d.yearField()->value()) + "/" +
           QString::number(d.monthField()->value());
}

void preedit(QWidget* box, const QString& kana) {
    QInputMethodEvent event(kana, {});
    QApplication::sendEvent(box, &event);
}

void commitText(QWidget* box, const QString& text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(box, &event);
}

} // namespace

class DateAndReadingTest : public QObject {
    Q_OBJECT
    TempDir settingsStore;

private slots:
    void initTestCase() { isolateSettingsStore(settingsStore); }
    void yearFieldRollsTheEraOver_data();
    void yearFieldRollsTheEraOver();
    void monthFieldKeepsTheDayInTheMonth();
    void clickPicksAndTheCloseBoxPicksNothing();
    void dateBoxesOpenTheCalendar();
    void leavingTheExpiryFillsTheCheckDate();
    void leavingTheStatementDateWritesReceptionNumbers();
    void typedNamesFillTheReading();
    void postalButtonsConvertBothWays();
};

void DateAndReadingTest::yearFieldRollsTheEraOver_data() {
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("typed");
    QTest::addColumn<QString>("expected");
    QTest::newRow("昭和64 is 平成01") << 1988 << 6 << 1 << 64 << q("平成1/6");
    QTest::newRow("平成00 is 昭和63") << 1990 << 6 << 1 << 0 << q("昭和63/6");
    QTest::newRow("明治100 is 昭和42") << 1900 << 6 << 1 << 100 << q("昭和42/6");
    QTest::newRow("大正00 is 明治44") << 1915 << 6 << 1 << 0 << q("明治44/6");
    QTest::newRow("明治00 stays") << 1900 << 6 << 1 << 0 << q("明治0/6");
    QTest::newRow("平成32 is 令和02") << 2018 << 6 << 1 << 32 << q("令和2/6");
    QTest::newRow("平成31 in June is 令和01") << 2018 << 6 << 1 << 31 << q("令和1/6");
    QTest::newRow("平成31 in April stays") << 2018 << 4 << 1 << 31 << q("平成31/4");
    QTest::newRow("令和00 is the year before") << 2020 << 6 << 1 << 0 << q("平成30/6");
}

void DateAndReadingTest::yearFieldRollsTheEraOver() {
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(int, typed);
    QFETCH(QString, expected);
    TDateSDlg dialog;
    dialog.moveTo({year, month, day});
    dialog.show();
    dialog.yearField()->setValue(typed);
    QCOMPARE(shown(dialog), expected);
    QCOMPARE(dialog.result(), std::string()); // moving is no pick
}

void DateAndReadingTest::monthFieldKeepsTheDayInTheMonth() {
    TDateSDlg dialog;
    dialog.moveTo({2000, 2, 29});
    dialog.show();
    dialog.yearField()->setValue(13); // 平成13 = 2001, not a leap year
    QCOMPARE(dialog.calendarDate(), (era::Date{2001, 2, 28}));
    dialog.moveTo({2001, 1, 31});
    dialog.monthField()->setValue(4);
    QCOMPARE(dialog.calendarDate(), (era::Date{2001, 4, 30}));
    // Tab goes from the year to the month field, Shift+Tab back.
    QApplication::setActiveWindow(&dialog);
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    dialog.yearField()->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(dialog.monthField()->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QVERIFY(dialog.yearField()->hasFocus());
}

void DateAndReadingTest::clickPicksAndTheCloseBoxPicksNothing() {
    TDateSDlg dialog;
    QTimer::singleShot(50, [&] { emit dialog.calendar()->clicked(QDate(2005, 7, 25)); });
    QCOMPARE(dialog.pick({2005, 7, 1}), sjis::lit("平成17年07月25日"));
    QTimer::singleShot(50, [&] { dialog.reject(); });
    QCOMPARE(dialog.pick({2005, 7, 1}), std::string());
}

void DateAndReadingTest::dateBoxesOpenTheCalendar() {
    Fixture f;
    f.start();
    f.trigger("NavInsert");
    commit(f.edit("入庫日"), q("平成１２年０３月０４日"));
    {
        era::Date opened;
        ModalAnswerer pick([&](QDialog* d) {
            auto* dialog = static_cast<TDateSDlg*>(d);
            opened = dialog->calendarDate();
            emit dialog->calendar()->clicked(QDate(2000, 3, 10));
        });
        QTest::mouseDClick(f.edit("入庫日"), Qt::LeftButton);
        QTest::qWait(50);
        QCOMPARE(opened, (era::Date{2000, 3, 4}));
        QCOMPARE(f.text("入庫日"), std::string("平成１２年０３月１０日"));
    }
    // Closing the calendar without a pick leaves the box as it was.
    ModalAnswerer close([](QDialog* d) { d->reject(); });
    QTest::mouseDClick(f.edit("入庫日"), Qt::LeftButton);
    QTest::qWait(50);
    QCOMPARE(f.text("入庫日"), std::string("平成１２年０３月１０日"));
}

void DateAndReadingTest::leavingTheExpiryFillsTheCheckDate() {
    Fixture f;
    f.start();
    f.trigger("NavInsert");
    const era::Date today = era::today();
    // Expiring this year: the check falls a year on.
    const sjis::Bytes expiry = era::dateText(today.year, 3, 10);
    commit(f.edit("車検期限"), sjis::toQString(expiry));
    f.edit("氏名")->setFocus();
    QCOMPARE(f.form->statements().text("点検日"), era::dateText(today.year + 1, 3, 10));
    // A check date already there stays.
    f.edit("点検日")->setFocus();
    f.edit("点検日")->selectAll();
    commitText(f.edit("点検日"), q("別の日"));
    f.edit("車検期限")->setFocus();
    f.edit("氏名")->setFocus();
    QCOMPARE(f.text("点検日"), std::string("別の日"));
}

void DateAndReadingTest::leavingTheStatementDateWritesReceptionNumbers() {
    Fixture f;
    f.start();
    f.trigger("NavInsert");
    commit(f.edit("作成日"), q("平成１７年０７月２５日"));
    f.edit("氏名")->setFocus();
    QCOMPARE(f.text("受付番号"), std::string("05072501"));
    f.trigger("NavPost");
    f.trigger("NavInsert");
    commit(f.edit("作成日"), q("平成１７年０７月２６日"));
    f.edit("氏名")->setFocus();
    QCOMPARE(f.text("受付番号"), std::string("05072602"));
}

void DateAndReadingTest::typedNamesFillTheReading() {
    Fixture f;
    f.start();
    f.trigger("NavInsert");
    commit(f.edit("ふりがな"), q("お客様 "));
    auto* name = f.edit("氏名");
    name->setFocus();
    // As an input method sends it: the kana while typing, then the converted text.
    preedit(name, q("やまだ"));
    commitText(name, q("山田"));
    preedit(name, q("たろう"));
    preedit(name, q("太郎"));
    commitText(name, q("太郎"));
    QCOMPARE(name->text(), q("山田太郎"));
    QCOMPARE(f.text("氏名"), std::string("山田太郎"));
    QCOMPARE(f.text("ふりがな"), std::string("お客様 やまだたろう"));
    // Text committed without a reading adds nothing; katakana typing reads as hiragana.
    commitText(name, q("様"));
    preedit(name, q("カブ"));
    commitText(name, q("カブ"));
    QCOMPARE(f.text("ふりがな"), std::string("お客様 やまだたろうかぶ"));
}

void DateAndReadingTest::postalButtonsConvertBothWays() {
    Fixture f;
    f.db = store::Database::open(f.dir / files::Database);
    {
        store::Table post(*f.db, "PostData");
        for (const auto& [code, address] : {std::pair{"0600041", "北海道札幌市中央区大通東"},
                                            std::pair{"0600042", "北海道札幌市中央区大通西"}}) {
            post.append();
            post.setText("郵便番号７桁", code);
            post.setText("住所", sjis::lit(address));
            post.post();
        }
    }
    f.start();
    f.trigger("NavInsert");
    commit(f.edit("郵便番号"), "0600042");
    ModalAnswerer ok([](QDialog* d) { d->findChild<QPushButton*>("okButton")->click(); });
    QTest::mouseClick(f.box<QPushButton>("AddressButton"), Qt::LeftButton);
    QTest::qWait(30);
    QCOMPARE(f.text("住所"), std::string("北海道札幌市中央区大通西"));
    f.edit("住所")->setFocus();
    f.edit("住所")->selectAll();
    commit(f.edit("住所"), q("北海道札幌市中央区大通東"));
    QCOMPARE(f.text("住所"), std::string("北海道札幌市中央区大通東"));
    f.form->statements().setText("郵便番号", "");
    QTest::mouseClick(f.box<QPushButton>("PostButton"), Qt::LeftButton);
    QTest::qWait(30);
    QCOMPARE(f.text("郵便番号"), std::string("0600041"));
}

QTEST_MAIN(DateAndReadingTest)
#include "DateAndReadingTest.moc"
