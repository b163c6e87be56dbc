#include "input/PostDataForm.h"

#include "common/Sjis.h"
#include "input/PostalImport.h"
#include "store/Database.h"
#include "store/Table.h"

#include "PostalFixture.h"
#include "app/FormFixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

using namespace torvane;
using sjis::lit;

namespace {

std::string utf8(const sjis::Bytes& cp932) {
    return *sjis::toUtf8(cp932);
}

} // namespace

class PostDataFormTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TempDir> dir;
    std::unique_ptr<ScriptedPrompts> prompts;
    std::unique_ptr<store::Database> db;
    std::unique_ptr<store::Table> statement;

    // Five areas of two cities, as the import stores them.
    void fillPostData() {
        test::writeFile(
            *dir / "five.csv",
            test::crlfLines({
                test::postalLine("0600000", "北海道", "札幌市中央区", "以下に掲載がない場合"),
                test::postalLine("0640941", "北海道", "札幌市中央区", "旭ケ丘"),
                test::postalLine("0600042", "北海道", "札幌市中央区", "大通西（１～１９丁目）"),
                test::postalLine("0200000", "岩手県", "盛岡市", "以下に掲載がない場合"),
                test::postalLine("0200020", "岩手県", "盛岡市", "本町"),
            }));
        input::importPostData(*db, *dir / "five.csv", {3, {7, 8, 9}});
    }

    void newStatement(const char* code, const char* address) {
        statement = std::make_unique<store::Table>(*db, "Request");
        statement->append();
        statement->setInteger("項番", 1);
        statement->setText("郵便番号", lit(code));
        statement->setText("住所", lit(address));
        statement->post();
    }

    std::unique_ptr<TPostForm> form() {
        return std::make_unique<TPostForm>(dir->path(), *db, *prompts);
    }

    static void click(QDialog* d, const char* button) {
        QTest::mouseClick(d->findChild<QPushButton*>(button), Qt::LeftButton);
    }

private slots:
    void init() {
        dir = std::make_unique<TempDir>();
        test::isolateSettingsStore(*dir);
        prompts = std::make_unique<ScriptedPrompts>();
        db = store::Database::open(*dir / "ZEDAVIZ.db");
    }
    void cleanup() {
        statement.reset();
        db.reset();
        prompts.reset();
        dir.reset();
    }

    void showsTheTableWithItsCaptionAndButtons();
    void codeWithoutRowOpensAtTheFirstRow();
    void okStoresTheAddressOfTheChosenRow();
    void unknownAddressShowsTheSearchBar();
    void knownAddressOpensAtItsRow();
    void addressSearchWithoutMatchGoesToTheFirstRow();
    void emptyTableStoresEmptyText();
    void buttonsFollowTheWidth();
    void importReplacesTheRowsAndReportsFileErrors();
    void positionIsRemembered();
};

void PostDataFormTest::showsTheTableWithItsCaptionAndButtons() {
    fillPostData();
    auto f = form();
    QCOMPARE(f->windowTitle(), QStringLiteral("郵便番号変換"));
    QCOMPARE(f->grid()->model()->rowCount(), 5);
    QCOMPARE(f->grid()->model()->columnCount(), 2);
    QCOMPARE(f->grid()->model()->headerData(0, Qt::Horizontal).toString(),
             QStringLiteral("郵便番号７桁"));
    QCOMPARE(f->grid()->model()->index(4, 1).data().toString(), QStringLiteral("岩手県盛岡市本町"));
    QCOMPARE(f->findChild<QPushButton*>("okButton")->text(), QStringLiteral("OK(&Y)"));
    QCOMPARE(f->findChild<QPushButton*>("cancelButton")->text(), QStringLiteral("ｷｬﾝｾﾙ"));
    auto* load = f->findChild<QPushButton*>("loadButton");
    QCOMPARE(load->text(), QStringLiteral("データ読込"));
    QCOMPARE(load->toolTip(), QStringLiteral("運輸省のデータ読込"));
    QCOMPARE(f->findChild<QPushButton*>("searchButton")->text(), QStringLiteral("住所検索"));
    QVERIFY(f->findChild<QWidget*>("searchBar")->isHidden());
}

void PostDataFormTest::codeWithoutRowOpensAtTheFirstRow() {
    fillPostData();
    newStatement("9990000", "どこか");
    auto f = form();
    f->postData().setRecNo(4);
    int recNo = 0, gridRow = -1;
    test::ModalAnswerer answer([&](QDialog* d) {
        recNo = f->postData().recNo();
        gridRow = f->grid()->currentIndex().row();
        click(d, "cancelButton");
    });
    QVERIFY(!f->codeToAddress(*statement));
    QCOMPARE(recNo, 1);
    QCOMPARE(gridRow, 0);
    QVERIFY(!statement->editing());
    QCOMPARE(utf8(statement->text("住所")), std::string("どこか"));
}

void PostDataFormTest::okStoresTheAddressOfTheChosenRow() {
    fillPostData();
    newStatement("06409", "");
    auto f = form();
    int recNo = 0;
    test::ModalAnswerer answer([&](QDialog* d) {
        recNo = f->postData().recNo();
        click(d, "okButton");
    });
    QVERIFY(f->codeToAddress(*statement));
    QCOMPARE(recNo, 2);
    QVERIFY(statement->editing());
    QCOMPARE(utf8(statement->text("住所")), std::string("北海道札幌市中央区旭ケ丘"));
    statement->post();

    // A row picked in the grid is the one taken.
    test::ModalAnswerer pick([&](QDialog* d) {
        f->grid()->setCurrentIndex(f->grid()->model()->index(4, 0));
        click(d, "okButton");
    });
    QVERIFY(f->codeToAddress(*statement));
    QCOMPARE(utf8(statement->text("住所")), std::string("岩手県盛岡市本町"));
}

void PostDataFormTest::unknownAddressShowsTheSearchBar() {
    fillPostData();
    newStatement("", "岩手県盛岡市本町３丁目");
    auto f = form();
    bool barShown = false;
    QString searchText;
    int recNo = 0, afterSearch = 0;
    test::ModalAnswerer answer([&](QDialog* d) {
        barShown = d->findChild<QWidget*>("searchBar")->isVisible();
        auto* edit = d->findChild<QLineEdit*>("searchEdit");
        searchText = edit->text();
        recNo = f->postData().recNo();
        edit->setText(QStringLiteral("岩手県盛岡市本"));
        click(d, "searchButton");
        afterSearch = f->postData().recNo();
        click(d, "okButton");
    });
    QVERIFY(f->addressToCode(*statement));
    QVERIFY(barShown);
    QCOMPARE(searchText, QStringLiteral("岩手県盛岡市本町３丁目"));
    QCOMPARE(recNo, 1);
    QCOMPARE(afterSearch, 5);
    QCOMPARE(statement->text("郵便番号"), "0200020");
    QVERIFY(f->findChild<QWidget*>("searchBar")->isHidden());
}

void PostDataFormTest::knownAddressOpensAtItsRow() {
    fillPostData();
    newStatement("", "北海道札幌市中央区大通西");
    auto f = form();
    bool barShown = true;
    int gridRow = -1;
    test::ModalAnswerer answer([&](QDialog* d) {
        barShown = d->findChild<QWidget*>("searchBar")->isVisible();
        gridRow = f->grid()->currentIndex().row();
        click(d, "okButton");
    });
    QVERIFY(f->addressToCode(*statement));
    QVERIFY(!barShown);
    QCOMPARE(gridRow, 2);
    QCOMPARE(statement->text("郵便番号"), "0600042");

    // Cancel leaves the statement as it was.
    statement->post();
    test::ModalAnswerer cancel([&](QDialog* d) { click(d, "cancelButton"); });
    QVERIFY(!f->addressToCode(*statement));
    QVERIFY(!statement->editing());
    QCOMPARE(statement->text("郵便番号"), "0600042");
}

void PostDataFormTest::addressSearchWithoutMatchGoesToTheFirstRow() {
    fillPostData();
    auto f = form();
    f->showSearchBar(QStringLiteral("岩手県"));
    f->searchAddress();
    QCOMPARE(f->postData().recNo(), 4);
    QCOMPARE(f->grid()->currentIndex().row(), 3);
    f->findChild<QLineEdit*>("searchEdit")->setText(QStringLiteral("沖縄県"));
    f->searchAddress();
    QCOMPARE(f->postData().recNo(), 1);
    QCOMPARE(f->grid()->currentIndex().row(), 0);
}

void PostDataFormTest::emptyTableStoresEmptyText() {
    newStatement("0600042", "北海道");
    auto f = form();
    QCOMPARE(f->grid()->model()->rowCount(), 0);
    {
        test::ModalAnswerer answer([&](QDialog* d) { click(d, "okButton"); });
        QVERIFY(f->codeToAddress(*statement));
        QCOMPARE(statement->text("住所"), "");
    }
    statement->post();
    test::ModalAnswerer answer([&](QDialog* d) { click(d, "okButton"); });
    QVERIFY(f->addressToCode(*statement));
    QCOMPARE(statement->text("郵便番号"), "");
}

void PostDataFormTest::buttonsFollowTheWidth() {
    auto f = form();
    f->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.get()));
    struct Case {
        int width;
        int ok, cancel, load;
    };
    for (const Case& c :
         {Case{600, 113, 263, 413}, Case{801, 163, 363, 563}, Case{403, 63, 164, 265}}) {
        f->resize(c.width, 300);
        QTest::qWait(10);
        QCOMPARE(f->width(), c.width);
        auto left = [&](const char* name) {
            auto* b = f->findChild<QPushButton*>(name);
            return b->mapTo(f.get(), QPoint(0, 0)).x();
        };
        QCOMPARE(left("okButton"), c.ok);
        QCOMPARE(left("cancelButton"), c.cancel);
        QCOMPARE(left("loadButton"), c.load);
        // At the bottom of the window.
        auto* ok = f->findChild<QPushButton*>("okButton");
        QVERIFY(ok->mapTo(f.get(), QPoint(0, ok->height())).y() <= f->height());
        QVERIFY(ok->mapTo(f.get(), QPoint(0, 0)).y() > f->height() - 45);
    }
}

void PostDataFormTest::importReplacesTheRowsAndReportsFileErrors() {
    fillPostData();
    test::writeFile(*dir / "PostData.INI", "3\r\n7\r\n8\r\n9\r\n");
    test::writeFile(
        *dir / "two.csv",
        test::crlfLines({
            test::postalLine("9071800", "沖縄県", "八重山郡与那国町", "以下に掲載がない場合"),
            test::postalLine("9071801", "沖縄県", "八重山郡与那国町", "与那国"),
        }));
    auto f = form();
    std::filesystem::path chosen = *dir / "two.csv";
    f->chooseFile = [&] { return chosen; };
    f->postData().setRecNo(3);
    click(f.get(), "loadButton");
    QVERIFY(prompts->errors.empty());
    QCOMPARE(f->grid()->model()->rowCount(), 2);
    QCOMPARE(f->postData().recNo(), 1);
    QCOMPARE(f->grid()->model()->index(1, 1).data().toString(),
             QStringLiteral("沖縄県八重山郡与那国町与那国"));

    // A file that cannot be read: the message, and the rows as they were.
    std::filesystem::create_directory(*dir / "folder.csv");
    chosen = *dir / "folder.csv";
    click(f.get(), "loadButton");
    QCOMPARE(prompts->errors.size(), size_t(1));
    QCOMPARE(f->grid()->model()->rowCount(), 2);
    QCOMPARE(utf8(f->postData().text("郵便番号７桁")), std::string("9071800"));

    // No file chosen: nothing happens.
    chosen.clear();
    click(f.get(), "loadButton");
    QCOMPARE(prompts->errors.size(), size_t(1));
    QCOMPARE(f->grid()->model()->rowCount(), 2);
}

void PostDataFormTest::positionIsRemembered() {
    {
        auto f = form();
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.get()));
        f->resize(520, 360);
        f->move(40, 50);
        QTest::qWait(10);
    }
    QSettings s("Torvane", "Torvane");
    QCOMPARE(s.value("PostWidth").toInt(), 520);
    QCOMPARE(s.value("PostHeight").toInt(), 360);
    QVERIFY(s.contains("PostPosX"));
    QVERIFY(s.contains("PostPosY"));
    auto again = form();
    QCOMPARE(again->size(), QSize(520, 360));
}

QTEST_MAIN(PostDataFormTest)
#include "PostDataFormTest.moc"
