#include "app/RequestForm.h"

#include "app/Keyboard.h"
#include "app/RestorePos.h"
#include "app/SettingsCatalogue.h"
#include "app/VersionDlg.h"
#include "common/FileError.h"
#include "common/Sjis.h"
#include "input/DateSetDlg.h"
#include "input/Kana.h"
#include "input/PostDataForm.h"
#include "input/YomiEd32.h"
#include "listing/FilterFDlg.h"
#include "listing/MonthSetingDlg.h"
#include "listing/MonthTabs.h"
#include "listing/StatementListModel.h"
#include "settings/RateSForm.h"
#include "settings/UserSForm.h"
#include "statement/Calculation.h"
#include "statement/CopyPatternDlg.h"
#include "statement/CopyStatement.h"
#include "statement/DateFields.h"
#include "statement/DiFormDlg.h"
#include "statement/Discounts.h"
#include "statement/LedgerNote.h"
#include "statement/LineEdit.h"
#include "statement/SFormDlg.h"
#include "statement/SaveSteps.h"
#include "statement/ServiceDlg.h"
#include "statement/StatementList.h"
#include "statement/StatementRecord.h"
#include "store/StoreError.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStatusBar>
#include <QStringListModel>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

namespace torvane {
namespace {

constexpr int BoxHeight = 20;
constexpr int PanelHeightWithOptional = 180;
constexpr int PanelHeight = 160;
constexpr int MinimumWidth = 648;

const char* const DateHint = " ダブルクリックでカレンダー表示で入力出来ます。";
const char* const LedgerHint = " ダブルクリックで車検管理表から呼び出せます。";
const char* const NameHint =
    " 左の数字をダブルクリックすると分類毎の作業・部品名の選択が出来ます。";

QString q(const char* utf8) {
    return QString::fromUtf8(utf8);
}
QString q(const sjis::Bytes& cp932) {
    return sjis::toQString(cp932);
}

QStringList toList(const std::vector<sjis::Bytes>& lines) {
    QStringList out;
    for (const auto& l : lines)
        out << sjis::toQString(l);
    return out;
}

} // namespace

TRequestDataForm::TRequestDataForm(std::filesystem::path dataDirectory, store::Database& database,
                                   Prompts& prompts, QWidget* parent)
    : QMainWindow(parent)
    , dataDir_(std::move(dataDirectory))
    , db_(database)
    , prompts_(prompts) {
    setObjectName("RequestDataForm");
    setWindowTitle(q("Torvane For Win32"));
    ui::setErrorSink([this](const std::string& message) { prompts_.error(message); });

    list_ = std::make_unique<store::Table>(db_, "Request");
    // The item master: every save to it brings the name lists up to date.
    master_ = std::make_unique<store::Table>(db_, "ReqItem");
    ledger_ = std::make_unique<store::Table>(db_, "INDATA");
    master_->afterPost = [this](store::Table&) { scheduleItemListRebuild(); };
    itemNames_ = new QStringListModel(this);
    itemListTimer_.setSingleShot(true);
    itemListTimer_.setInterval(1);
    connect(&itemListTimer_, &QTimer::timeout, this, &TRequestDataForm::rebuildItemLists);
    link_ = new ui::DataLink(*list_, this);

    for (QLabel** label :
         {&serviceLabel_, &spServiceLabel_, &taxNameLabel_, &notCalcLabel_, &cFormLabel_}) {
        *label = new QLabel(this);
        (*label)->hide();
    }
    serviceLabel_->setText(q("値引き"));
    spServiceLabel_->setText(q("特別値引き"));
    taxNameLabel_->setText(q("消費税無"));
    notCalcLabel_->setText(q("見積り"));

    buildMenus();
    buildToolBar();
    tabHost_ = new QWidget(this);
    auto* hostLayout = new QVBoxLayout(tabHost_);
    hostLayout->setContentsMargins(0, 0, 0, 0);
    hostLayout->setSpacing(0);
    pages_ = new QTabWidget(tabHost_);
    pages_->setObjectName("PageControl1");
    pages_->addTab(buildEditorPage(), q("明細書"));
    pages_->addTab(buildListPage(), q("一覧"));
    hostLayout->addWidget(pages_, 1);
    tabBar_ = new QTabBar(tabHost_);
    tabBar_->setObjectName("TabControl1");
    tabBar_->setShape(QTabBar::RoundedSouth);
    tabBar_->setExpanding(false);
    hostLayout->addWidget(tabBar_);
    setCentralWidget(tabHost_);

    hintLabel_ = new QLabel(this);
    hintLabel_->setFixedWidth(500);
    statusBar()->addWidget(hintLabel_);
    setMinimumWidth(MinimumWidth);
    resize(1000, 740);

    // Creation steps, in their order.
    readRequestSettings();    // Request.INI
    bindOptionalFields();     // 受付番号, 車検期限, 点検日
    loadFilterEntries();      // ReFilter1.INI
    readSingleLineSettings(); // captions and the vocabulary
    readListSettings();       // ReSelect.INI, ReClass.INI
    columnLayoutSaved_ = settings::exists(dataDir_ / files::Display);
    readPassword();     // RePass.INI
    setUpExpenseRows(); // ReExpense
    keyboard::setCapsLock(true);
    ui::guarded([&] { list_->setIndexName("降順"); });
    rebuildMonthTabs();
    connect(tabBar_, &QTabBar::currentChanged, this, &TRequestDataForm::tabChanged);
    connect(filterCombo_, &QComboBox::activated, this, &TRequestDataForm::filterEntryChanged);
    connect(selectCombo_, &QComboBox::activated, this, [this] { applyPersonalFilter(); });

    // Every save: the date key and the checks first; then the month tabs, since a new
    // 作成日 may open a new month.
    list_->beforePost = [this](store::Table& t) {
        const RequestSettings s = currentSettings();
        statement::beforeSave(t, {s.checkInDate, s.checkMileage}, prompts_, era::today());
    };
    list_->afterPost = [this](store::Table&) {
        // A statement filled from the inspection ledger leaves a note in its record.
        if (!cFormLabel_->text().isEmpty())
            ui::guarded([&] {
                statement::writeLedgerNote(*list_, *ledger_, titlePadLength_, ledgerDateField_);
            });
        cFormLabel_->clear();
        rebuildMonthTabs();
    };
    list_->afterCancel = [this](store::Table&) { cFormLabel_->clear(); };

    connect(link_, &ui::DataLink::recordChanged, this, [this] {
        updateCount();
        showInspectionPanel();
    });
    connect(link_, &ui::DataLink::stateChanged, this, &TRequestDataForm::updateCount);
    updateCount();

    qApp->installEventFilter(this);

    firstIdleTimer_.setSingleShot(true);
    firstIdleTimer_.setInterval(1);
    connect(&firstIdleTimer_, &QTimer::timeout, this, &TRequestDataForm::firstIdle);
    passwordTimer_.setSingleShot(true);
    passwordTimer_.setInterval(1);
    connect(&passwordTimer_, &QTimer::timeout, this, &TRequestDataForm::passwordCheck);

    // The dialogs come after the main window's own creation; each reads its settings
    // files now and keeps the settings in force for the whole run.
    rateForm_ = new TRateSetForm(dataDir_, prompts_, this);
    userForm_ = new TUserSetForm(dataDir_, prompts_, this);
    zeiForm_ = new TZeiSetForm(dataDir_, prompts_, this);
    dateDlg_ = new TDateSDlg(this);
    postForm_ = new TPostForm(dataDir_, db_, prompts_, this);
    dFormDlg_ = new TDFormDlg(this);
    formDlg_ = new TFormDlg(db_, *master_, this);
    copyDlg_ = new TCopyPatDlg(dataDir_, prompts_, this);
    mSetDlg_ = new TMSetDlg(this);
    filterDlg_ = new TFilterDlg(dataDir_, prompts_, *dateDlg_, this);
    connect(action("FilterItem"), &QAction::triggered, this, &TRequestDataForm::editFilterEntries);
    for (const char* name : {"CopyItem", "CopyButton"}) {
        QAction* copy = action(name);
        copy->setEnabled(true);
        connect(copy, &QAction::triggered, this, &TRequestDataForm::copyCurrent);
    }
    spServDlg_ = new TSpServDlg(this);
    servDlg_ = new TServDlg(this);
    discountDialogs_ = std::make_unique<DiscountDialogsUi>(*servDlg_, *spServDlg_, prompts_);
    connect(action("UserItem"), &QAction::triggered, userForm_, &QDialog::exec);
    connect(action("RateItem"), &QAction::triggered, rateForm_, &QDialog::exec);
    connect(action("ZeiItem"), &QAction::triggered, zeiForm_, &QDialog::exec);

    restorePos_ = new TRestorePos(this);
    restorePos_->KeyName = "Torvane";
    restorePos_->setValueNames("ZedAviz ");
    restorePos_->restore();
}

TRequestDataForm::~TRequestDataForm() {
    qApp->removeEventFilter(this);
    ui::setErrorSink({});
    // The boxes and the link read the statement table: they go before it does.
    delete tabHost_;
    delete link_;
}

std::optional<SettingsLines> TRequestDataForm::readSettings(const char* file) const {
    try {
        return settings::read(dataDir_ / file);
    } catch (const FileError& e) {
        prompts_.error(e.what());
        return std::nullopt;
    }
}

// ---------------------------------------------------------------- creation steps

void TRequestDataForm::readRequestSettings() {
    settings_ = RequestSettings::fromLines(readSettings(files::Request));
    checkInDateAction_->setChecked(settings_.checkInDate);
    checkMileageAction_->setChecked(settings_.checkMileage);
    static const int days[] = {0, 5, 10, 15, 20, 25};
    for (size_t i = 0; i < settleActions_.size(); ++i)
        settleActions_[i]->setChecked(days[i] == settings_.settleDay);
    periodBackupAction_->setChecked(settings_.periodBackup);
    selectCombo_->setEditText(q(settings_.selectField));
}

void TRequestDataForm::bindOptionalFields() {
    const bool present = list_->hasField("受付番号");
    if (!present)
        settings_.receptionSerial = 0;
    const bool on = present && settings_.receptionSerial >= 1;
    receptionAction_->setChecked(on);
    optionalRow_->setVisible(on);
    customerPanel_->setFixedHeight(on ? PanelHeightWithOptional : PanelHeight);
}

void TRequestDataForm::toggleOptionalFields() {
    if (settings_.receptionSerial >= 1) {
        receptionAction_->setChecked(false);
        optionalRow_->hide();
        customerPanel_->setFixedHeight(PanelHeight);
        settings_.receptionSerial = 0;
        return;
    }
    settings_.receptionSerial = 1;
    if (!list_->hasField("受付番号")) {
        settings_.receptionSerial = 0;
        receptionAction_->setChecked(false);
        return;
    }
    receptionAction_->setChecked(true);
    optionalRow_->show();
    customerPanel_->setFixedHeight(PanelHeightWithOptional);
}

bool TRequestDataForm::optionalFieldsShown() const {
    return !optionalRow_->isHidden();
}

void TRequestDataForm::loadFilterEntries(const QString& keep) {
    // Active with two entries or more; the choice kept when it still exists and the entries
    // were active before, else the first entry.
    const bool wasActive = filterEntriesActive_;
    filterCombo_->clear();
    filterFields_.clear();
    filterValues_.clear();
    filterEntriesActive_ = false;
    if (const auto names = readSettings(files::Filter1)) {
        filterCombo_->addItems(toList(names->list()));
        if (auto fields = readSettings(files::Filter2))
            filterFields_ = fields->list();
        if (auto values = readSettings(files::Filter3))
            filterValues_ = values->list();
        filterEntriesActive_ = names->count() > 1;
        const int kept = filterCombo_->findText(keep);
        filterCombo_->setCurrentIndex(filterEntriesActive_ && wasActive && kept >= 0 ? kept : 0);
    }
    filterAction_->setVisible(filterEntriesActive_ && tabBar_->currentIndex() != 1);
}

void TRequestDataForm::readSingleLineSettings() {
    if (auto l = readSettings(files::TransLen))
        titlePadLength_ = settings::leadingInteger(l->line(1));
    if (auto l = readSettings(files::CarForm); l && !l->line(1).empty()) {
        const auto utf8 = sjis::toUtf8(l->line(1));
        ledgerDateField_ = utf8 ? *utf8 : "作成日";
    }
    if (auto l = readSettings(files::ExpenseCaption))
        expenseTitle_->setText(q(l->line(1)));
    if (auto l = readSettings(files::Regulation))
        regulationTitle_->setText(q(l->line(1)));
    if (auto l = readSettings(files::Service))
        serviceLabel_->setText(q(l->line(1)));
    if (auto l = readSettings(files::SpService))
        spServiceLabel_->setText(q(l->line(1)));
    if (auto l = readSettings(files::TaxName))
        taxNameLabel_->setText(q(l->line(1)));
    if (auto l = readSettings(files::Comment)) {
        commentTitle_->setText(q(l->line(1)));
        commentIsReception_ = commentTitle_->text().contains(q("受付番号"));
    }
    if (auto l = readSettings(files::NotCalc); l && !l->line(1).empty())
        notCalcLabel_->setText(q(l->line(1)));
}

void TRequestDataForm::readListSettings() {
    if (auto l = readSettings(files::Select)) {
        selectCombo_->clear();
        selectCombo_->addItems(toList(l->list()));
    }
    selectCombo_->setEditText(q(settings_.selectField));
    QStringList classes{q("軽自動車"), q("普通自動車")};
    if (auto l = readSettings(files::Class))
        classes = toList(l->list());
    classGroup_->setItems(classes);
}

void TRequestDataForm::readPassword() {
    if (auto l = readSettings(files::Pass); l && !l->line(1).empty()) {
        password_ = q(l->line(1));
        tabHost_->hide(); // until the password is given
    }
}

void TRequestDataForm::setUpExpenseRows() {
    expenseNames_.clear();
    ui::guarded([&] {
        store::Table expense(db_, "ReExpense");
        for (expense.first(); !expense.eof(); expense.next())
            expenseNames_ << q(expense.text("項目名"));
    });
    for (QWidget* w : expenseWidgets_)
        delete w;
    expenseWidgets_.clear();
    freeExpenseNames_.clear();

    const statement::ExpenseLayout layout =
        statement::expenseLayout(static_cast<int>(expenseNames_.size()));
    expenseSlotCount_ = layout.expenseSlotCount;
    expenseAmountBoxes_ = layout.amountBoxes;
    expenseFreeRows_ = layout.freeRows;
    if (layout.titleFromFirstName)
        expenseTitle_->setText(expenseNames_.at(0));

    int insertAt = expenseLayout_->indexOf(expenseTitle_->parentWidget()) + 1;
    const auto addRow = [&](QWidget* row) {
        row->setFixedHeight(BoxHeight);
        expenseLayout_->insertWidget(insertAt++, row);
        expenseWidgets_.push_back(row);
    };
    for (int box = 1; box <= layout.amountBoxes; ++box) {
        auto* row = new QWidget;
        auto* h = new QHBoxLayout(row);
        h->setContentsMargins(0, 0, 0, 0);
        h->setSpacing(2);
        h->addWidget(title(expenseNames_.at(box), 80));
        auto* amount = new ui::DBEdit(*link_, statement::expenseAmountField(box), row);
        amount->setObjectName(QString("ExpenseAmount%1").arg(box));
        connect(amount, &ui::DBEdit::exited, this, &TRequestDataForm::inspectionStep);
        amount->setAlignment(Qt::AlignRight);
        h->addWidget(amount);
        addRow(row);
    }
    for (int r = 1; r <= layout.freeRows; ++r) {
        const int slot = statement::expenseFreeRowSlot(r);
        auto* row = new QWidget;
        auto* h = new QHBoxLayout(row);
        h->setContentsMargins(0, 0, 0, 0);
        h->setSpacing(2);
        auto* name = new ui::DBComboBox(
            *link_, statement::slotFieldName(statement::SlotField::Name, slot), row);
        name->setObjectName(QString("ExpenseName%1").arg(r));
        name->setFixedWidth(80);
        freeExpenseNames_.push_back(name);
        h->addWidget(name);
        auto* amount = new ui::DBEdit(
            *link_, statement::slotFieldName(statement::SlotField::UnitPrice, slot), row);
        amount->setObjectName(QString("ExpensePrice%1").arg(r));
        connect(amount, &ui::DBEdit::exited, this, &TRequestDataForm::inspectionStep);
        amount->setAlignment(Qt::AlignRight);
        h->addWidget(amount);
        addRow(row);
    }
    // The item area ends right after the last usable slot.
    layoutRows();
}

// ---------------------------------------------------------------- building

QAction* TRequestDataForm::action(const QString& objectName) const {
    return findChild<QAction*>(objectName);
}

void TRequestDataForm::buildMenus() {
    // An entry whose work is not built yet is there, with its caption and shortcut, but
    // disabled.
    const auto add = [this](QMenu* menu, const char* name, const char* caption,
                            const QKeySequence& key = {}, bool enabled = false) {
        QAction* a = menu->addAction(q(caption));
        a->setObjectName(name);
        a->setShortcut(key);
        a->setEnabled(enabled);
        return a;
    };

    QMenu* file = menuBar()->addMenu(q("ﾌｧｲﾙ(&F)"));
    add(file, "BackupItem", "ﾊﾞｯｸｱｯﾌﾟ(&B)", QKeySequence(Qt::CTRL | Qt::Key_B));
    add(file, "RestoreItem", "ﾘｽﾄｱ(&R)", QKeySequence(Qt::CTRL | Qt::Key_R));
    add(file, "ListPrintItem", "一覧印刷(&P)", QKeySequence(Qt::CTRL | Qt::Key_P));
    file->addSeparator();
    for (size_t i = 0; i < printActions_.size(); ++i)
        printActions_[i] =
            add(file, QString("PrintItem%1").arg(i + 1).toLatin1().constData(), "定型印刷");
    file->addSeparator();
    QAction* quit = add(file, "ExitItem", "終了(&X)", {}, true);
    connect(quit, &QAction::triggered, this, &QWidget::close);

    QMenu* editMenu = menuBar()->addMenu(q("編集(&E)"));
    add(editMenu, "CopyItem", "現在のデータを複写", QKeySequence(Qt::Key_F9), true);
    add(editMenu, "CleanupItem", "データ整理");
    QMenu* rename = editMenu->addMenu(q("名称変更(&F)"));
    for (const char* c : {"調整額", "諸費用", "値引き", "特別値引き", "消費税無", "コメント"})
        add(rename, "", c);
    receptionAction_ = add(rename, "ReceptionItem", "受付番号", {}, true);
    receptionAction_->setCheckable(true);
    connect(receptionAction_, &QAction::triggered, this, [this] { toggleOptionalFields(); });
    QMenu* lists = editMenu->addMenu(q("ﾘｽﾄ修正(&E)"));
    for (const char* c :
         {"作業・部品", "タイトル", "担当者", "種別", "諸費用", "諸費用項目", "一覧"})
        add(lists, "", c);
    add(lists, "FilterItem", "フィルタ項目", {}, true);
    QMenu* checks = editMenu->addMenu(q("入力確認"));
    checkInDateAction_ = add(checks, "CheckInDateItem", "入庫日", {}, true);
    checkMileageAction_ = add(checks, "CheckMileageItem", "走行距離", {}, true);
    for (QAction* a : {checkInDateAction_, checkMileageAction_})
        a->setCheckable(true);
    add(editMenu, "UserItem", "自社情報(&J)", {}, true);
    add(editMenu, "RateItem", "作業工賃単価(&R)", {}, true);
    add(editMenu, "ZeiItem", "消費税(&Z)", {}, true);
    QMenu* profit = editMenu->addMenu(q("利益計算設定(&C)"));
    add(profit, "NotCalcItem", "利益除外名称");
    add(editMenu, "DigitLengthItem", "印刷等桁数設定(&S)");
    add(editMenu, "TitleColorItem", "ﾀｲﾄﾙ色変更(&T)");
    QMenu* settle = editMenu->addMenu(q("決済日"));
    static const char* const settleCaptions[] = {"月末",   "　５日", "１０日",
                                                 "１５日", "２０日", "２５日"};
    static const int settleDays[] = {0, 5, 10, 15, 20, 25};
    for (size_t i = 0; i < settleActions_.size(); ++i) {
        settleActions_[i] = add(settle, QString("Settle%1").arg(i + 1).toLatin1().constData(),
                                settleCaptions[i], {}, true);
        settleActions_[i]->setCheckable(true);
        const int day = settleDays[i];
        connect(settleActions_[i], &QAction::triggered, this,
                [this, day] { chooseSettleDay(day); });
    }
    settleActions_[0]->setChecked(true);
    add(editMenu, "PasswordItem", "パスワードの設定");
    QMenu* backup = editMenu->addMenu(q("バックアップ方法"));
    periodBackupAction_ = add(backup, "PeriodBackupItem", "期間限定", {}, true);
    periodBackupAction_->setCheckable(true);
    add(editMenu, "ListPrintSetItem", "一覧印刷設定");
    add(editMenu, "PrintSetItem", "印刷設定");
    add(editMenu, "PrintOrderItem", "印刷順序変更");

    QMenu* search = menuBar()->addMenu(q("検索(&S)"));
    add(search, "FindItem", "検索(&F)", QKeySequence(Qt::CTRL | Qt::Key_F));
    add(search, "FindNextItem", "次を検索(&S)", QKeySequence(Qt::Key_F3));
    add(search, "FindPriorItem", "前を検索(&B)", QKeySequence(Qt::SHIFT | Qt::Key_F3));
    viewerSeparator_ = search->addSeparator();
    viewerAction_ = add(search, "ViewerItem", "修理明細書表示");
    viewerSeparator_->setVisible(false);
    viewerAction_->setVisible(false);

    QMenu* help = menuBar()->addMenu(q("ﾍﾙﾌﾟ(&H)"));
    connect(add(help, "HelpItem", "目次(&C)", {}, true), &QAction::triggered, this,
            &TRequestDataForm::showHelp);
    connect(add(help, "AboutItem", "ﾊﾞｰｼﾞｮﾝ情報（&A)", {}, true), &QAction::triggered, this,
            &TRequestDataForm::showAbout);
}

void TRequestDataForm::buildToolBar() {
    QToolBar* bar = addToolBar(q("ツールバー"));
    bar->setObjectName("ToolBar1");
    bar->setMovable(false);
    bar->setFloatable(false);
    QStyle* s = style();
    const auto nav = [&](const char* name, QStyle::StandardPixmap icon, const char* hint,
                         std::function<void()> act) {
        QAction* a = bar->addAction(s->standardIcon(icon), q(hint));
        a->setObjectName(name);
        a->setToolTip(q(hint));
        connect(a, &QAction::triggered, this, [act] { ui::guarded(act); });
        return a;
    };
    nav("NavFirst", QStyle::SP_MediaSkipBackward, "先頭へ", [this] { list_->first(); });
    nav("NavPrior", QStyle::SP_MediaSeekBackward, "前へ", [this] { list_->prior(); });
    nav("NavNext", QStyle::SP_MediaSeekForward, "次へ", [this] { list_->next(); });
    nav("NavLast", QStyle::SP_MediaSkipForward, "最後へ", [this] { list_->last(); });
    nav("NavPost", QStyle::SP_DialogApplyButton, "登録", [this] { list_->post(); });
    nav("NavDelete", QStyle::SP_TrashIcon, "削除", [this] { deleteStatement(); });
    nav("NavCancel", QStyle::SP_DialogCancelButton, "キャンセル", [this] { list_->cancel(); });
    nav("NavInsert", QStyle::SP_FileIcon, "挿入", [this] { list_->insert(); });
    bar->addSeparator();
    const auto later = [&](const char* name, QStyle::StandardPixmap icon, const char* hint) {
        QAction* a = bar->addAction(s->standardIcon(icon), q(hint));
        a->setObjectName(name);
        a->setToolTip(q(hint));
        a->setEnabled(false);
    };
    later("CopyButton", QStyle::SP_FileDialogNewFolder, "現在のデータを複写");
    later("FindButton", QStyle::SP_FileDialogContentsView, "検索");
    later("FindNextButton", QStyle::SP_ArrowDown, "次を検索");
    later("FindPriorButton", QStyle::SP_ArrowUp, "前を検索");
    QAction* profit = bar->addAction(q("利益計算"));
    profit->setObjectName("ProfitButton");
    profit->setEnabled(false);

    auto* spacer = new QWidget(bar);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    bar->addWidget(spacer);
    filterCombo_ = new QComboBox(bar);
    filterCombo_->setObjectName("FilterComboBox");
    filterCombo_->setMinimumWidth(120);
    filterAction_ = bar->addWidget(filterCombo_);
    selectCombo_ = new QComboBox(bar);
    selectCombo_->setObjectName("SelectComboBox");
    selectCombo_->setEditable(true);
    selectCombo_->addItems({q("氏名"), q("自動車登録番号")});
    selectCombo_->setMinimumWidth(120);
    selectAction_ = bar->addWidget(selectCombo_);
    selectAction_->setVisible(false);
    countLabel_ = new QLabel(bar);
    countLabel_->setObjectName("CountLabel");
    QFont big = countLabel_->font();
    big.setPointSize(16);
    big.setBold(true);
    countLabel_->setFont(big);
    countLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    countLabel_->setMinimumWidth(90);
    bar->addWidget(countLabel_);
    bar->addWidget(new QLabel(q(" 件 "), bar));
}

QLabel* TRequestDataForm::title(const QString& caption, int width) {
    auto* l = new QLabel(caption);
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Raised);
    l->setAlignment(Qt::AlignCenter);
    l->setAutoFillBackground(true);
    l->setBackgroundRole(QPalette::Button);
    l->setFixedHeight(BoxHeight);
    if (width > 0)
        l->setFixedWidth(width);
    return l;
}

ui::DBEdit* TRequestDataForm::edit(const char* field, bool readOnly) {
    auto* e = new ui::DBEdit(*link_, field);
    e->setObjectName(QString::fromUtf8(field));
    e->setFixedHeight(BoxHeight);
    e->setReadOnly(readOnly);
    const int index = list_->fieldIndex(field);
    if (index >= 0 && list_->field(index).type != store::FieldType::Text &&
        list_->field(index).type != store::FieldType::Flag)
        e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return e;
}

ui::DBComboBox* TRequestDataForm::combo(const char* field) {
    auto* c = new ui::DBComboBox(*link_, field);
    c->setObjectName(QString::fromUtf8(field));
    c->setFixedHeight(BoxHeight);
    return c;
}

QWidget* TRequestDataForm::buildEditorPage() {
    auto* page = new QWidget;
    auto* v = new QVBoxLayout(page);
    v->setContentsMargins(2, 2, 2, 2);
    v->setSpacing(2);

    auto* top = new QWidget;
    auto* topLayout = new QVBoxLayout(top);
    topLayout->setContentsMargins(0, 0, 0, 0);
    topLayout->setSpacing(2);

    // the date row
    auto* dates = new QHBoxLayout;
    dates->setSpacing(2);
    for (const char* f : {"入庫日", "出庫日", "作成日"}) {
        dates->addWidget(title(q(f), 60));
        dates->addWidget(dateBox(f));
    }
    topLayout->addLayout(dates);

    // the header row
    auto* header = new QHBoxLayout;
    header->setSpacing(2);
    header->addWidget(title(q("タイトル"), 60));
    titleCombo_ = combo("タイトル");
    header->addWidget(titleCombo_, 2);
    inspectionCheck_ = new ui::DBCheckBox(*link_, "車検", q("車検の明細書"));
    inspectionCheck_->setObjectName("車検");
    connect(inspectionCheck_, &QCheckBox::toggled, this, [this] { showInspectionPanel(); });
    header->addWidget(inspectionCheck_);
    header->addWidget(title(q("受付担当"), 60));
    receptionStaff_ = combo("受付担当");
    header->addWidget(receptionStaff_, 1);
    header->addWidget(title(q("整備担当"), 60));
    mechanic_ = combo("整備担当");
    header->addWidget(mechanic_, 1);
    topLayout->addLayout(header);

    // the customer and vehicle panel with the inspection panel at its right
    auto* panelRow = new QHBoxLayout;
    panelRow->setSpacing(2);
    panelRow->addWidget(buildCustomerPanel(), 3);
    panelRow->addWidget(buildInspectionPanel(), 1);
    topLayout->addLayout(panelRow);

    auto* splitter = new QSplitter(Qt::Vertical);
    splitter->setObjectName("Splitter1");
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(top);
    splitter->addWidget(buildItemArea());
    splitter->setStretchFactor(1, 1);
    v->addWidget(splitter, 1);
    v->addWidget(buildTotalsRow());
    return page;
}

ui::DBEdit* TRequestDataForm::dateBox(const char* field) {
    ui::DBEdit* e = edit(field);
    connect(e, &ui::DBEdit::clicked, this, [this] { setHint(q(DateHint)); });
    connect(e, &ui::DBEdit::doubleClicked, this, [this, e] { pickDate(e); });
    if (std::string(field) == "車検期限")
        connect(e, &ui::DBEdit::exited, this, [this] {
            ui::guarded([&] {
                if (auto message = statement::fillCheckDate(*list_, era::today()))
                    prompts_.error(*message);
            });
        });
    if (std::string(field) == "作成日")
        connect(e, &ui::DBEdit::exited, this, [this] {
            ui::guarded([&] {
                statement::writeReceptionNumbers(*list_, settings_.receptionSerial,
                                                 commentIsReception_, era::today());
            });
        });
    return e;
}

void TRequestDataForm::pickDate(ui::DBEdit* box) {
    const sjis::Bytes picked = dateDlg_->pick(era::CharToDate(list_->text(box->fieldName())));
    if (picked.empty())
        return;
    ui::guarded([&] {
        if (!list_->editing())
            list_->edit();
        list_->setText(box->fieldName(), era::changeChar(picked));
    });
}

void TRequestDataForm::YomiDBMemo1YomiOut(QObject*, sjis::Bytes& reading) {
    reading = input::KanaToHiragana(reading);
    if (reading.empty())
        return;
    const auto* furigana = findChild<ui::DBEdit*>("ふりがな");
    const sjis::Bytes shown = sjis::fromQString(furigana->text());
    ui::guarded([&] {
        if (!list_->editing())
            list_->edit();
        list_->setText("ふりがな", shown + reading);
    });
}

QWidget* TRequestDataForm::buildCustomerPanel() {
    customerPanel_ = new QFrame;
    customerPanel_->setObjectName("CustomerPanel");
    customerPanel_->setFrameShape(QFrame::StyledPanel);
    auto* g = new QGridLayout(customerPanel_);
    g->setContentsMargins(2, 2, 2, 2);
    g->setHorizontalSpacing(2);
    g->setVerticalSpacing(2);

    const auto ledgerBox = [this](const char* field) {
        ui::DBEdit* e = edit(field);
        connect(e, &ui::DBEdit::clicked, this, [this] { setHint(q(LedgerHint)); });
        return e;
    };
    int r = 0;
    g->addWidget(title(q("ふりがな"), 70), r, 0);
    g->addWidget(ledgerBox("ふりがな"), r, 1, 1, 3);
    g->addWidget(title(q("初　度　登　録"), 90), r, 4);
    g->addWidget(ledgerBox("初度登録"), r, 5);
    ++r;
    g->addWidget(title(q("氏　　　名"), 70), r, 0);
    // The name box keeps the reading of what is typed and adds it to ふりがな.
    auto* name = new TYomiDBMemo(*link_, "氏名");
    name->setObjectName("氏名");
    name->setFixedHeight(BoxHeight);
    name->VKkana = false;
    name->OnYomiOut = [this](QObject* sender, sjis::Bytes& reading) {
        YomiDBMemo1YomiOut(sender, reading);
    };
    connect(name, &ui::DBEdit::clicked, this, [this] { setHint(q(LedgerHint)); });
    g->addWidget(name, r, 1, 1, 3);
    g->addWidget(title(q("型　式"), 90), r, 4);
    g->addWidget(edit("型式"), r, 5);
    ++r;
    g->addWidget(title(q("郵便番号"), 70), r, 0);
    auto* postRow = new QHBoxLayout;
    postRow->setSpacing(2);
    ui::DBEdit* postalCode = edit("郵便番号");
    postalCode->setMinimumWidth(80);
    postRow->addWidget(postalCode, 1);
    // "〒": the code of the address; "住所変換": the address of the code.
    const std::pair<const char*, const char*> buttons[] = {{"〒", "郵便番号変換"},
                                                           {"住所変換", "住所変換"}};
    for (const auto& [caption, hint] : buttons) {
        auto* b = new QPushButton(q(caption));
        const bool toCode = std::string(caption) == "〒";
        b->setObjectName(toCode ? "PostButton" : "AddressButton");
        b->setToolTip(q(hint));
        b->setFixedHeight(BoxHeight);
        connect(b, &QPushButton::clicked, this, [this, toCode] {
            ui::guarded([&] {
                if (toCode)
                    postForm_->addressToCode(*list_);
                else
                    postForm_->codeToAddress(*list_);
            });
        });
        postRow->addWidget(b);
    }
    g->addLayout(postRow, r, 1);
    g->addWidget(title(q("型式番号"), 70), r, 2);
    g->addWidget(edit("型式指定番号"), r, 3);
    g->addWidget(title(q("車　台　番　号"), 90), r, 4);
    g->addWidget(ledgerBox("車台番号"), r, 5);
    ++r;
    g->addWidget(title(q("住　　　所"), 70), r, 0);
    g->addWidget(ledgerBox("住所"), r, 1, 1, 3);
    g->addWidget(title(q("原動機"), 90), r, 4);
    g->addWidget(edit("原動機の型式"), r, 5);
    ++r;
    g->addWidget(title(q("電話番号"), 70), r, 0);
    g->addWidget(ledgerBox("電話番号"), r, 1);
    g->addWidget(title(q("登録番号"), 70), r, 2);
    g->addWidget(ledgerBox("自動車登録番号"), r, 3);
    g->addWidget(title(q("類別番号"), 90), r, 4);
    g->addWidget(edit("類別区分番号"), r, 5);
    ++r;
    g->addWidget(title(q("車　　　名"), 70), r, 0);
    g->addWidget(ledgerBox("車名"), r, 1);
    g->addWidget(title(q("走行距離"), 70), r, 2);
    g->addWidget(edit("走行距離"), r, 3);
    ++r;
    commentTitle_ = title(q("コメント"), 70);
    g->addWidget(commentTitle_, r, 0);
    g->addWidget(edit("コメント"), r, 1, 1, 5);
    ++r;

    optionalRow_ = new QWidget;
    auto* opt = new QHBoxLayout(optionalRow_);
    opt->setContentsMargins(0, 0, 0, 0);
    opt->setSpacing(2);
    const char* const optional[] = {"受付番号", "車検期限", "点検日"};
    const char* const optionalCaptions[] = {"受　付　番　号", "車検期限", "点検日"};
    for (int i = 0; i < 3; ++i) {
        opt->addWidget(title(q(optionalCaptions[i]), 90));
        ui::DBEdit* e = i == 0 ? edit(optional[i]) : dateBox(optional[i]);
        if (i == 0)
            connect(e, &ui::DBEdit::clicked, this, [this] { setHint(q(LedgerHint)); });
        optionalBoxes_[static_cast<size_t>(i)] = e;
        opt->addWidget(e);
    }
    g->addWidget(optionalRow_, r, 0, 1, 6);
    g->setColumnStretch(1, 2);
    g->setColumnStretch(3, 2);
    g->setColumnStretch(5, 2);
    g->setRowStretch(r + 1, 1);
    return customerPanel_;
}

QWidget* TRequestDataForm::buildInspectionPanel() {
    auto* scroll = new QScrollArea;
    scroll->setObjectName("InspectionScroll");
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::StyledPanel);
    inspectionPanel_ = new QFrame;
    inspectionPanel_->setObjectName("InspectionPanel");
    expenseLayout_ = new QVBoxLayout(inspectionPanel_);
    expenseLayout_->setContentsMargins(2, 2, 2, 2);
    expenseLayout_->setSpacing(2);
    const auto line = [this](QLabel* caption, ui::DBEdit* box) {
        auto* row = new QWidget;
        row->setFixedHeight(BoxHeight);
        auto* h = new QHBoxLayout(row);
        h->setContentsMargins(0, 0, 0, 0);
        h->setSpacing(2);
        h->addWidget(caption);
        h->addWidget(box);
        expenseLayout_->addWidget(row);
        return row;
    };
    const auto fee = [this](const char* field) {
        ui::DBEdit* e = edit(field);
        connect(e, &ui::DBEdit::exited, this, &TRequestDataForm::inspectionStep);
        return e;
    };
    for (const char* f : {"自賠責", "重量税", "印紙代"})
        line(title(q(f), 80), fee(f));
    expenseTitle_ = title(q("諸費用"), 80);
    line(expenseTitle_, fee("諸費用"));
    // the expense amount boxes and free rows go here (setUpExpenseRows)
    line(title(q("合   計"), 80), edit("車検合計", true));
    ui::DBEdit* deposit = edit("お預り");
    connect(deposit, &ui::DBEdit::exited, this, [this] { calculate(statement::DepositStep); });
    line(title(q("お預り"), 80), deposit);
    expenseLayout_->addStretch(1);
    scroll->setWidget(inspectionPanel_);
    scroll->setMinimumWidth(180);
    inspectionPanel_->setProperty("scroll", QVariant::fromValue<QObject*>(scroll));
    return scroll;
}

QWidget* TRequestDataForm::buildItemArea() {
    auto* area = new QWidget;
    auto* v = new QVBoxLayout(area);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(0);

    auto* heading = new QGridLayout;
    heading->setSpacing(1);
    heading->addWidget(title(q("No"), 28), 0, 0, 2, 1);
    heading->addWidget(title(q("作　業　・　部　品　名")), 0, 1, 2, 1);
    heading->addWidget(title(q("数　量"), 60), 0, 2, 2, 1);
    heading->addWidget(title(q("部　　　　　品　　　　　代")), 0, 3, 1, 2);
    heading->addWidget(title(q("単　　　価"), 90), 1, 3);
    heading->addWidget(title(q("金　　　額"), 90), 1, 4);
    heading->addWidget(title(q("作　業　工　賃")), 0, 5, 1, 2);
    heading->addWidget(title(q("時　間"), 60), 1, 5);
    heading->addWidget(title(q("金　　　額"), 90), 1, 6);
    heading->setColumnStretch(1, 1);
    auto* headingRow = new QHBoxLayout;
    headingRow->setSpacing(4);
    headingRow->addWidget(title(q("種別"), 40));
    classGroup_ = new ui::DBRadioGroup(*link_, "種別");
    classGroup_->setObjectName("ClassRadioGroup");
    headingRow->addWidget(classGroup_);
    headingRow->addStretch(1);
    v->addLayout(headingRow);
    auto* headingHost = new QWidget;
    headingHost->setLayout(heading);
    v->addWidget(headingHost);

    auto* scroll = new QScrollArea;
    scroll->setObjectName("ItemScrollBox");
    scroll->setFrameShape(QFrame::NoFrame);
    // The heading keeps clear of the scroll bar so that its columns stand over the rows.
    heading->setContentsMargins(0, 0, scroll->verticalScrollBar()->sizeHint().width(), 0);
    scroll->setWidgetResizable(true);
    scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    itemScroll_ = scroll;
    // The rows are placed by hand: three groups of them move as the area scrolls.
    rowsHost_ = new QWidget;
    rowsHost_->setObjectName("ItemRows");
    rowsHost_->installEventFilter(this);
    separator_ = new QFrame(rowsHost_);
    separator_->setFrameShape(QFrame::HLine);
    using statement::SlotField;
    for (int r = 1; r <= statement::RowCount; ++r) {
        ItemRow& row = rows_[static_cast<size_t>(r - 1)];
        const auto field = [r](SlotField f) { return statement::slotFieldName(f, r); };
        row.number = title(QString::number(r), 28);
        row.number->setParent(rowsHost_);
        row.number->setObjectName(QString("Panel8Title%1").arg(r));
        row.name = new ui::DBComboBox(*link_, field(SlotField::Name), rowsHost_);
        row.name->setObjectName(QString("DBLookupComboBox%1").arg(r));
        row.name->setFixedHeight(BoxHeight);
        connect(row.name, &ui::DBComboBox::textTyped, this, [this] { setHint(q(NameHint)); });
        const auto box = [&](SlotField f, const char* prefix, int width, bool readOnly) {
            auto* e = new ui::DBEdit(*link_, field(f), rowsHost_);
            e->setObjectName(QString("%1%2").arg(prefix).arg(r));
            e->setFixedSize(width, BoxHeight);
            e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            e->setReadOnly(readOnly);
            e->setAttribute(Qt::WA_InputMethodEnabled, false); // numbers: no input method
            return e;
        };
        row.quantity = box(SlotField::Quantity, "DBEditN", 60, false);
        row.unitPrice = box(SlotField::UnitPrice, "DBEditT", 90, false);
        row.partsAmount = box(SlotField::PartsAmount, "DBEditB", 90, true);
        row.hours = box(SlotField::Hours, "DBEditJ", 60, false);
        row.labourAmount = box(SlotField::LabourAmount, "DBEditG", 90, true);
        // Leaving a box recomputes what depends on it, for the slot the row shows now.
        connect(row.quantity, &ui::DBEdit::exited, this, [this, r] { PartCalc(slotOfRow(r)); });
        connect(row.unitPrice, &ui::DBEdit::exited, this, [this, r] { PartCalc(slotOfRow(r)); });
        connect(row.hours, &ui::DBEdit::exited, this, [this, r] { DataCalc(slotOfRow(r)); });
        connect(row.name, &ui::DBComboBox::exited, this, [this, r] { ServiceCheck(slotOfRow(r)); });
        connect(row.labourAmount, &ui::DBEdit::doubleClicked, this,
                [this, r] { directLabourInput(r); });
        row.name->setModel(itemNames_);
        row.name->setCompleter(nullptr); // no automatic completion of typed names
        connect(row.name, &QComboBox::activated, this, [this, r](int index) {
            paging_.markEditing(r, true);
            ListSet(slotOfRow(r), index + 1);
        });
        // Leaving a box of the row ends the edit in progress of its group.
        for (ui::DBEdit* e : {row.quantity, row.unitPrice, row.hours})
            connect(e, &ui::DBEdit::exited, this, [this, r] { paging_.markEditing(r, false); });
        connect(row.name, &ui::DBComboBox::exited, this,
                [this, r] { paging_.markEditing(r, false); });
    }
    // the totals right after the last row
    partsTotalEnd_ = edit("部品代合計", true);
    partsTotalEnd_->setObjectName("PartsTotalEnd");
    partsTotalEnd_->setParent(rowsHost_);
    labourTotalEnd_ = edit("作業工賃合計", true);
    labourTotalEnd_->setObjectName("LabourTotalEnd");
    labourTotalEnd_->setParent(rowsHost_);
    scroll->setWidget(rowsHost_);
    connect(scroll->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &TRequestDataForm::pagingStep);
    layoutRows();
    v->addWidget(scroll, 1);
    return area;
}

QWidget* TRequestDataForm::buildTotalsRow() {
    auto* row = new QWidget;
    auto* g = new QGridLayout(row);
    g->setContentsMargins(0, 0, 0, 0);
    g->setSpacing(2);
    regulationTitle_ = title(q("調　整　額"));
    const std::pair<QLabel*, const char*> parts[] = {{title(q("部 品 代 合 計")), "部品代合計"},
                                                     {title(q("作業工賃合計")), "作業工賃合計"},
                                                     {title(q("消　費　税")), "消費税"},
                                                     {regulationTitle_, "調整額"},
                                                     {title(q("請　求　額")), "請求額"}};
    int c = 0;
    for (size_t i = 0; i < std::size(parts); ++i) {
        g->addWidget(parts[i].first, 0, c);
        const bool adjustment = std::string(parts[i].second) == "調整額";
        ui::DBEdit* box = edit(parts[i].second, !adjustment);
        if (adjustment)
            connect(box, &ui::DBEdit::exited, this,
                    [this] { calculate(statement::AdjustmentStep); });
        g->addWidget(box, 1, c);
        ++c;
        if (i + 1 < std::size(parts)) {
            auto* op = new QLabel(i + 2 == std::size(parts) ? "=" : "+");
            op->setAlignment(Qt::AlignCenter);
            g->addWidget(op, 1, c++);
        }
    }
    return row;
}

QWidget* TRequestDataForm::buildListPage() {
    grid_ = new QTableView;
    grid_->setObjectName("DBGrid1");
    model_ = new listing::StatementListModel(*link_, grid_);
    grid_->setModel(model_);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->verticalHeader()->setDefaultSectionSize(20);
    grid_->verticalHeader()->hide();
    grid_->horizontalHeader()->setSectionsMovable(true);
    grid_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    // A click on a row makes its statement current.
    connect(grid_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid() && current.row() != model_->currentRow())
                    ui::guarded([&] { list_->setRecNo(current.row() + 1); });
            });
    connect(link_, &ui::DataLink::recordChanged, grid_, [this] {
        const int r = model_->currentRow();
        if (r >= 0 && grid_->currentIndex().row() != r)
            grid_->setCurrentIndex(model_->index(r, std::max(1, grid_->currentIndex().column())));
    });
    return grid_;
}

// ---------------------------------------------------------------- running

void TRequestDataForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (firstShown_)
        return;
    firstShown_ = true;
    firstShow();
    firstIdleTimer_.start();
    passwordTimer_.start();
}

void TRequestDataForm::firstShow() {
    showInspectionPanel();
    grid_->setColumnHidden(0, true);
    ui::guarded([&] { statement::goToNewestUnfinished(*list_); });
}

void TRequestDataForm::firstIdle() {
    if (auto l = readSettings(files::Title))
        titleCombo_->addItems(toList(l->list()));
    if (auto l = readSettings(files::Charge)) {
        receptionStaff_->addItems(toList(l->list()));
        mechanic_->addItems(toList(l->list()));
    }
    if (auto l = readSettings(files::Exp))
        for (ui::DBComboBox* c : freeExpenseNames_)
            c->addItems(toList(l->list()));
    // The lists must not overwrite what the boxes show.
    for (ui::DBComboBox* c : {titleCombo_, receptionStaff_, mechanic_})
        c->refresh();
    for (ui::DBComboBox* c : freeExpenseNames_)
        c->refresh();

    inspectionLedgerPresent_ = settings::exists(dataDir_ / files::InspectionLedgerProgram);
    const bool viewerPresent = settings::exists(dataDir_ / files::ViewerProgram);
    viewerAction_->setVisible(viewerPresent);
    viewerSeparator_->setVisible(viewerPresent);
    // A first start: nothing else marks it than the missing rate and company files.
    if (!settings::exists(dataDir_ / files::Rate))
        rateForm_->exec();
    if (!settings::exists(dataDir_ / files::User))
        userForm_->exec();
    rebuildItemLists();
    // Tab 全て: the whole list, unless a filter entry narrows it.
    {
        const QSignalBlocker quiet(tabBar_);
        tabBar_->setCurrentIndex(0);
    }
    tabChanged(0);
}

void TRequestDataForm::passwordCheck() {
    if (!password_.isEmpty()) {
        const std::string typed =
            prompts_.askPassword("パスワード", "パスワードを入力してください。");
        if (QString::fromStdString(typed) != password_) {
            list_->cancel();
            close();
            return;
        }
        tabHost_->show();
    }
    applyColumnLayout();
}

void TRequestDataForm::applyColumnLayout() {
    if (width() < MinimumWidth)
        resize(MinimumWidth, height());
}

void TRequestDataForm::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    applyColumnLayout();
}

void TRequestDataForm::updateCount() {
    countLabel_->setText(QString::number(list_->recordCount()));
}

QString TRequestDataForm::countText() const {
    return countLabel_->text();
}

void TRequestDataForm::setHint(const QString& text) {
    hintLabel_->setText(text);
}

QString TRequestDataForm::hint() const {
    return hintLabel_->text();
}

void TRequestDataForm::showInspectionPanel() {
    QWidget* scroll =
        qobject_cast<QWidget*>(inspectionPanel_->property("scroll").value<QObject*>());
    if (scroll)
        scroll->setVisible(inspectionCheck_->isChecked());
}

void TRequestDataForm::chooseSettleDay(int day) {
    static const int days[] = {0, 5, 10, 15, 20, 25};
    for (size_t i = 0; i < settleActions_.size(); ++i)
        settleActions_[i]->setChecked(days[i] == day);
    settings_.settleDay = day;
    rebuildMonthTabs();
    tabBar_->setCurrentIndex(0);
    tabChanged(0);
}

void TRequestDataForm::rebuildMonthTabs() {
    ui::guarded([&] {
        const int64_t current = list_->currentId();
        if (list_->filtered())
            list_->applyFilter(list_->filter(), false);
        monthTabs_.clear();
        if (const auto ends = list_->primaryEnds("作成日"))
            monthTabs_ = listing::buildMonthTabs(ends->first.textForm(), ends->second.textForm(),
                                                 settings_.settleDay, era::today());
        const QSignalBlocker quiet(tabBar_);
        while (tabBar_->count() > 0)
            tabBar_->removeTab(0);
        tabBar_->addTab(q("全て"));
        tabBar_->addTab(q("個人"));
        for (const auto& tab : monthTabs_)
            tabBar_->addTab(sjis::toQString(tab.caption));
        tabBar_->setCurrentIndex(0);
        if (current != 0)
            list_->moveToId(current);
    });
    updateCount();
}

sjis::Bytes TRequestDataForm::chosenEntryTest() const {
    // Empty when the entries are inactive or the chosen one tests nothing ("全て").
    const int k = filterCombo_->currentIndex();
    if (!filterEntriesActive_ || k < 0)
        return {};
    const SettingsLines fields(filterFields_);
    const SettingsLines values(filterValues_);
    const sjis::Bytes& value = values.line(static_cast<size_t>(k) + 1);
    if (value == sjis::lit("全て"))
        return {};
    return listing::entryTest(fields.line(static_cast<size_t>(k) + 1), value);
}

void TRequestDataForm::tabChanged(int index) {
    selectAction_->setVisible(false);
    filterAction_->setVisible(index != 1 && filterEntriesActive_);
    const sjis::Bytes entry = chosenEntryTest();
    ui::guarded([&] {
        if (index >= 2) {
            tabPeriodText_ = listing::tabPeriodText(monthTabs_.at(static_cast<size_t>(index - 2)),
                                                    settings_.settleDay);
            list_->applyFilter(entry.empty() ? tabPeriodText_ : tabPeriodText_ + " and " + entry,
                               true);
        } else if (index == 0) {
            tabPeriodText_.clear();
            if (entry.empty())
                list_->applyFilter(list_->filter(), false);
            else
                list_->applyFilter(entry, true);
        } else {
            selectAction_->setVisible(true);
            applyPersonalFilter();
        }
    });
    updateCount();
}

void TRequestDataForm::applyPersonalFilter() {
    // The statements of the same customer or car: the chosen field equals the current one's.
    ui::guarded([&] {
        const sjis::Bytes field = sjis::fromQString(selectCombo_->currentText());
        const auto utf8 = sjis::toUtf8(field);
        const sjis::Bytes value = list_->text(utf8 ? *utf8 : field);
        list_->applyFilter(listing::personalFilter(field, value), true);
    });
    updateCount();
}

void TRequestDataForm::filterEntryChanged() {
    const sjis::Bytes entry = chosenEntryTest();
    ui::guarded([&] {
        if (!entry.empty())
            list_->applyFilter(tabPeriodText_.empty() ? entry : tabPeriodText_ + " and " + entry,
                               true);
        else if (!tabPeriodText_.empty())
            list_->applyFilter(tabPeriodText_, true);
        else
            list_->applyFilter(list_->filter(), false);
    });
    updateCount();
}

void TRequestDataForm::deleteStatement() {
    if (list_->isEmpty() && list_->state() != store::Table::State::Insert)
        return;
    if (prompts_.askYesNo("レコードを削除しますか?"))
        list_->remove();
}

void TRequestDataForm::showAbout() {
    TVersionDlg dialog(this);
    dialog.exec();
}

void TRequestDataForm::showHelp() {
    const std::filesystem::path help = dataDir_ / files::HelpFile;
    if (!settings::exists(help)) {
        prompts_.error("ヘルプファイルが見つかりません。\n" + help.string());
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(help.string())));
}

bool TRequestDataForm::eventFilter(QObject* watched, QEvent* event) {
    // Enter moves on to the next box, as Tab does, in every box of this window.
    // A double click on a row's number opens the name dialog for the row's slot.
    if (event->type() == QEvent::MouseButtonDblClick) {
        for (int r = 1; r <= statement::RowCount; ++r) {
            if (watched == rows_[static_cast<size_t>(r - 1)].number) {
                chooseName(r);
                return true;
            }
        }
    }
    if (event->type() == QEvent::Resize && watched == rowsHost_)
        layoutRows();
    if (event->type() == QEvent::KeyPress) {
        if (const int row = editingBoxRow(watched))
            paging_.markEditing(row, true);
    }
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        auto* widget = qobject_cast<QWidget*>(watched);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && widget &&
            widget->window() == this && key->modifiers() == Qt::NoModifier) {
            focusNextChild();
            return true;
        }
        // Ctrl+Insert and Ctrl+Delete in a name box insert and delete a line; Ctrl must be
        // the only modifier, and the key goes no further.
        if ((key->key() == Qt::Key_Insert || key->key() == Qt::Key_Delete) &&
            key->modifiers() == Qt::ControlModifier) {
            if (const int row = nameBoxRow(watched)) {
                const int slot = slotOfRow(row);
                const auto live = liveSettings();
                ui::guarded([&] {
                    if (key->key() == Qt::Key_Insert)
                        statement::insertLine(*list_, slot, live);
                    else
                        statement::deleteLine(*list_, slot, live);
                });
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TRequestDataForm::scheduleItemListRebuild() {
    if (!itemListRebuildSuppressed_)
        itemListTimer_.start();
}

void TRequestDataForm::rebuildItemLists() {
    itemListTimer_.stop();
    ui::guarded([&] { itemList_ = statement::rebuildItemList(*master_); });
    QStringList names;
    names.reserve(static_cast<qsizetype>(itemList_.names.size()));
    for (const auto& n : itemList_.names)
        names << sjis::toQString(n);
    // One list behind all twenty drop-downs: the rows show the same names.
    itemNames_->setStringList(names);
    for (const ItemRow& row : rows_)
        row.name->refresh();
}

std::vector<sjis::Bytes> TRequestDataForm::classNames() const {
    std::vector<sjis::Bytes> out;
    for (const QString& c : classGroup_->items())
        out.push_back(sjis::fromQString(c));
    return out;
}

void TRequestDataForm::ListSet(int n, std::optional<int> q) {
    ui::guarded([&] {
        statement::ListSet(*list_, *master_, n, q, itemList_, classNames(), liveSettings());
    });
}

int TRequestDataForm::editingBoxRow(QObject* object) const {
    if (const int r = nameBoxRow(object))
        return r;
    for (int r = 1; r <= statement::RowCount; ++r) {
        const ItemRow& row = rows_[static_cast<size_t>(r - 1)];
        if (object == row.quantity || object == row.unitPrice || object == row.hours)
            return r;
    }
    return 0;
}

int TRequestDataForm::nameBoxRow(QObject* object) const {
    for (int r = 1; r <= statement::RowCount; ++r) {
        const ui::DBComboBox* name = rows_[static_cast<size_t>(r - 1)].name;
        if (name && (object == name || object == name->lineEdit()))
            return r;
    }
    return 0;
}

void TRequestDataForm::chooseName(int row) {
    const int slot = slotOfRow(row);
    const bool chosen = formDlg_->choose(*list_, slot);
    // Only an item the user chose is applied; a dialog closed without one (or a code that
    // matched nothing) leaves the line as typed and only recomputes it.
    if (chosen) {
        ListSet(slot, std::nullopt);
    } else {
        DataCalc(slot);
        PartCalc(slot);
    }
    ui::guarded([&] { master_->setFiltered(false); });
    if (row <= 15)
        ServiceCheck(slot);
}

std::optional<std::pair<int, int>> TRequestDataForm::choosePeriod() {
    QStringList captions;
    for (const auto& tab : monthTabs_)
        captions << sjis::toQString(tab.caption);
    return mSetDlg_->choose(captions);
}

sjis::Bytes TRequestDataForm::periodFilterText(int from, int to) const {
    return listing::periodFilterText(monthTabs_.at(static_cast<size_t>(from - 2)),
                                     monthTabs_.at(static_cast<size_t>(to - 2)),
                                     settings_.settleDay);
}

void TRequestDataForm::editFilterEntries() {
    const QString remembered = filterCombo_->currentText();
    filterDlg_->exec();
    loadFilterEntries(remembered);
    filterEntryChanged();
}

void TRequestDataForm::copyCurrent() {
    const auto fields = copyDlg_->ask();
    if (!fields)
        return;
    ui::guarded([&] { statement::copyStatement(*list_, *fields); });
}

void TRequestDataForm::directLabourInput(int row) {
    const sjis::Bytes typed = dFormDlg_->ask();
    const int slot = slotOfRow(row);
    ui::guarded([&] { statement::directLabour(*list_, slot, typed, liveSettings()); });
}

RequestSettings TRequestDataForm::currentSettings() const {
    RequestSettings s = settings_;
    s.checkInDate = checkInDateAction_->isChecked();
    s.checkMileage = checkMileageAction_->isChecked();
    s.periodBackup = periodBackupAction_->isChecked();
    s.selectField = sjis::fromQString(selectCombo_->currentText());
    return s;
}

void TRequestDataForm::writeRequestIni() {
    try {
        settings::write(dataDir_ / files::Request, currentSettings().toLines());
    } catch (const FileError& e) {
        prompts_.error(e.what());
    }
}

void TRequestDataForm::closeEvent(QCloseEvent* event) {
    bool stay = false;
    if (list_->editing()) {
        switch (prompts_.askYesNoCancel("登録していません！\n登録してよろしいですか？")) {
        case Prompts::Answer::Cancel:
            stay = true;
            break;
        case Prompts::Answer::Yes:
            // Moving on saves the edit; a save that is refused keeps the window open and
            // skips everything below.
            if (!ui::guarded([&] { list_->next(); }) || list_->editing()) {
                event->ignore();
                return;
            }
            break;
        case Prompts::Answer::No:
            list_->cancel();
            break;
        }
    }
    keyboard::setCapsLock(false);
    writeRequestIni();
    if (stay) {
        event->ignore();
        return;
    }
    event->accept();
}

statement::LiveSettings TRequestDataForm::liveSettings() const {
    return {rateForm_->rate(), zeiForm_->percent(), sjis::fromQString(taxNameLabel_->text()),
            expenseSlotCount_};
}

int TRequestDataForm::slotOfRow(int row) const {
    return paging_.slotOfRow(row);
}

void TRequestDataForm::pagingStep(int p) {
    // An edit in progress is left first, so its calculation lands in the slot it was
    // typed into; only then do the rows move.
    if (paging_.mustLeaveEditFirst(p))
        focusNextChild();
    using statement::SlotField;
    for (int g : paging_.scrollTo(p)) {
        for (int r = 5 * g + 1; r <= 5 * g + 5; ++r) {
            ItemRow& row = rows_[static_cast<size_t>(r - 1)];
            const int slot = slotOfRow(r);
            row.number->setText(QString::number(slot));
            row.name->setFieldName(statement::slotFieldName(SlotField::Name, slot));
            row.quantity->setFieldName(statement::slotFieldName(SlotField::Quantity, slot));
            row.unitPrice->setFieldName(statement::slotFieldName(SlotField::UnitPrice, slot));
            row.partsAmount->setFieldName(statement::slotFieldName(SlotField::PartsAmount, slot));
            row.hours->setFieldName(statement::slotFieldName(SlotField::Hours, slot));
            row.labourAmount->setFieldName(statement::slotFieldName(SlotField::LabourAmount, slot));
        }
    }
    layoutRows();
}

void TRequestDataForm::layoutRows() {
    if (!rowsHost_)
        return;
    using statement::RowPaging;
    constexpr int Gap = 1;
    const int h = RowPaging::RowHeight - Gap;
    const int width = rowsHost_->width();
    // Columns: number, name (stretches), 数量, 単価, 部品代, 時間, 作業工賃.
    const int fixed[] = {60, 90, 90, 60, 90};
    int right = width;
    int x[7];
    for (int c = 6; c >= 2; --c) {
        right -= fixed[c - 2];
        x[c] = right;
        right -= Gap;
    }
    x[0] = 0;
    x[1] = 28 + Gap;
    const int nameWidth = std::max(40, right - x[1]);
    const int last = statement::usableSlots(expenseSlotCount_);
    for (int r = 1; r <= statement::RowCount; ++r) {
        const ItemRow& row = rows_[static_cast<size_t>(r - 1)];
        const int g = RowPaging::groupOfRow(r);
        const int top = g >= 0 ? paging_.groupTop(g) + (r - 1 - 5 * g) * RowPaging::RowHeight
                               : 300 + (r - 16) * RowPaging::RowHeight;
        row.number->setGeometry(x[0], top, 28, h);
        row.name->setGeometry(x[1], top, nameWidth, h);
        QWidget* boxes[] = {row.quantity, row.unitPrice, row.partsAmount, row.hours,
                            row.labourAmount};
        for (int c = 0; c < 5; ++c)
            boxes[c]->setGeometry(x[c + 2], top, fixed[c], h);
        // A row showing a slot given over to expenses is cut off.
        const bool shown = slotOfRow(r) <= last;
        for (QWidget* w : {static_cast<QWidget*>(row.number), static_cast<QWidget*>(row.name)})
            w->setVisible(shown);
        for (QWidget* w : boxes)
            w->setVisible(shown);
    }
    separator_->setGeometry(0, 400, width, 2);
    const int totals = RowPaging::totalsTop(expenseSlotCount_);
    partsTotalEnd_->setGeometry(x[4], totals, fixed[2], h);
    labourTotalEnd_->setGeometry(x[6], totals, fixed[4], h);
    rowsHost_->setMinimumHeight(totals + RowPaging::RowHeight);
}

void TRequestDataForm::PartCalc(int n) {
    ui::guarded([&] { statement::PartCalc(*list_, n, liveSettings()); });
}

void TRequestDataForm::DataCalc(int n) {
    ui::guarded([&] { statement::DataCalc(*list_, n, liveSettings()); });
}

void TRequestDataForm::ServiceCheck(int n) {
    const statement::DiscountCaptions captions{sjis::fromQString(serviceLabel_->text()),
                                               sjis::fromQString(spServiceLabel_->text())};
    ui::guarded(
        [&] { statement::ServiceCheck(*list_, n, liveSettings(), captions, *discountDialogs_); });
}

void TRequestDataForm::inspectionStep() {
    ui::guarded([&] { statement::InspectionStep(*list_, liveSettings()); });
}

void TRequestDataForm::calculate(void (*step)(store::Table&)) {
    ui::guarded([&] { step(*list_); });
}

QString TRequestDataForm::serviceCaption() const {
    return serviceLabel_->text();
}
QString TRequestDataForm::spServiceCaption() const {
    return spServiceLabel_->text();
}
QString TRequestDataForm::taxExemptMarker() const {
    return taxNameLabel_->text();
}
QString TRequestDataForm::notCalcWord() const {
    return notCalcLabel_->text();
}
void TRequestDataForm::setLinkMarker(const QString& marker) {
    cFormLabel_->setText(marker);
}

QString TRequestDataForm::linkMarker() const {
    return cFormLabel_->text();
}
int TRequestDataForm::expenseAmountBoxCount() const {
    return expenseAmountBoxes_;
}
int TRequestDataForm::expenseFreeRowCount() const {
    return expenseFreeRows_;
}

} // namespace torvane
