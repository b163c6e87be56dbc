#include "app/RestorePos.h"

#include "FormFixture.h"

#include <QMainWindow>

using namespace torvane;
using namespace test;

class RestorePosTest : public QObject {
    Q_OBJECT
    TempDir settingsStore;

    static QSettings store() { return QSettings("Torvane", "Torvane"); }

    static TRestorePos* attach(QWidget* w) {
        auto* r = new TRestorePos(w);
        r->KeyName = "Torvane";
        r->setValueNames("ZedAviz ");
        return r;
    }

private slots:
    void init() {
        isolateSettingsStore(settingsStore);
        store().clear();
    }
    void firstRunOpensAsDesignedAndLeavesEveryValue();
    void maximisedWindowSavesItsNormalRectangle();
    void missingValuesAreSkippedOneByOne();
    void mainWindowReopensWhereItWasLeft();
};

void RestorePosTest::firstRunOpensAsDesignedAndLeavesEveryValue() {
    {
        QWidget w;
        w.resize(400, 300);
        attach(&w)->restore();
        QCOMPARE(w.size(), QSize(400, 300));
        w.move(30, 40);
    }
    QSettings s = store();
    QCOMPARE(s.value("ZedAviz PosX").toInt(), 30);
    QCOMPARE(s.value("ZedAviz PosY").toInt(), 40);
    QCOMPARE(s.value("ZedAviz Width").toInt(), 400);
    QCOMPARE(s.value("ZedAviz Height").toInt(), 300);
}

void RestorePosTest::maximisedWindowSavesItsNormalRectangle() {
    {
        QWidget w;
        attach(&w);
        w.resize(420, 310);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.showMaximized();
        QTest::qWait(20);
    }
    QSettings s = store();
    QCOMPARE(s.value("ZedAviz Width").toInt(), 420);
    QCOMPARE(s.value("ZedAviz Height").toInt(), 310);
    QWidget again;
    attach(&again)->restore();
    QVERIFY(!again.isMaximized());
    QCOMPARE(again.size(), QSize(420, 310));
}

void RestorePosTest::missingValuesAreSkippedOneByOne() {
    {
        QSettings s = store();
        s.setValue("ZedAviz Width", 500);
        s.setValue("ZedAviz PosY", "not a number");
    }
    QWidget w;
    w.move(11, 12);
    w.resize(300, 200);
    attach(&w)->restore();
    QCOMPARE(w.size(), QSize(500, 200));
    QCOMPARE(w.pos(), QPoint(11, 12));
    // Switched off: nothing is read or written.
    QWidget off;
    off.resize(123, 45);
    TRestorePos* r = attach(&off);
    r->Enabled = false;
    r->restore();
    QCOMPARE(off.size(), QSize(123, 45));
}

void RestorePosTest::mainWindowReopensWhereItWasLeft() {
    Fixture first;
    first.start();
    first.form->resize(900, 650);
    first.form->move(25, 35);
    QVERIFY(first.form->close());
    first.form.reset();
    QCOMPARE(store().value("ZedAviz Width").toInt(), 900);

    Fixture second;
    second.start();
    QCOMPARE(second.form->size(), QSize(900, 650));
}

QTEST_MAIN(RestorePosTest)
#include "RestorePosTest.moc"
