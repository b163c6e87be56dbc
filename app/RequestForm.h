#pragma once

// The main window: the statement editor "明細書", the list "一覧", the month tabs, the
// menus and the tool bar. Every other window is reached from here.

#include "app/RequestSettings.h"
#include "common/Prompts.h"
#include "common/ui/DataControls.h"
#include "common/ui/DataLink.h"
#include "listing/MonthTabs.h"
#include "statement/Calculation.h"
#include "statement/NameEntry.h"
#include "statement/RowPaging.h"
#include "store/Database.h"
#include "store/Table.h"

#include <QMainWindow>
#include <QTimer>

#include <array>
#include <filesystem>
#include <memory>

class QAction;
class QActionGroup;
class QComboBox;
class QFrame;
class QLabel;
class QScrollArea;
class QStringListModel;
class QTabBar;
class QTabWidget;
class QTableView;
class QVBoxLayout;

namespace torvane::listing {
class StatementListModel;
}

namespace torvane {

class DiscountDialogsUi;
class TDateSDlg;
class TPostForm;
class TDFormDlg;
class TFormDlg;
class TCopyPatDlg;
class TMSetDlg;
class TFilterDlg;
class TRateSetForm;
class TRestorePos;
class TServDlg;
class TSpServDlg;
class TUserSetForm;
class TZeiSetForm;

class TRequestDataForm : public QMainWindow {
    Q_OBJECT
public:
    TRequestDataForm(std::filesystem::path dataDirectory, store::Database& database,
                     Prompts& prompts, QWidget* parent = nullptr);
    ~TRequestDataForm() override;

    // ---- program-wide state
    const std::filesystem::path& dataDirectory() const { return dataDir_; }
    store::Table& statements() { return *list_; }
    int settleDay() const { return settings_.settleDay; }
    int receptionSerial() const { return settings_.receptionSerial; }
    int expenseSlotCount() const { return expenseSlotCount_; }
    bool inspectionLedgerPresent() const { return inspectionLedgerPresent_; }
    bool columnLayoutSaved() const { return columnLayoutSaved_; }
    int titlePadLength() const { return titlePadLength_; }
    bool commentIsReception() const { return commentIsReception_; }

    // The caption-held vocabulary.
    QString serviceCaption() const;
    QString spServiceCaption() const;
    QString taxExemptMarker() const;
    QString notCalcWord() const;
    QString linkMarker() const;
    // Set while the statement was filled from the inspection ledger's current record.
    void setLinkMarker(const QString& marker);
    store::Table& inspectionLedger() { return *ledger_; }

    // Switches the optional fields 受付番号, 車検期限, 点検日 on or off ("受付番号" menu).
    void toggleOptionalFields();
    bool optionalFieldsShown() const;

    // The current settings as Request.INI holds them.
    RequestSettings currentSettings() const;

    QAction* action(const QString& objectName) const;

    // The period choice over the month tabs: From and To as tab positions (2 on), or
    // nothing when cancelled or when there is no month; and the filter text of a period.
    std::optional<std::pair<int, int>> choosePeriod();
    sjis::Bytes periodFilterText(int from, int to) const;

    // ---- the settings in force and the calculation
    statement::LiveSettings liveSettings() const;
    // The slot a row (1..20) of the item area shows now.
    int slotOfRow(int row) const;
    void PartCalc(int n);
    void DataCalc(int n);
    void ServiceCheck(int n);
    // Applies an item of the master to slot n: the one at list position q of the name
    // drop-downs, or (without q) the one the master is on.
    void ListSet(int n, std::optional<int> q);

    // The name lists follow every save to the item master (the length and expense tables'
    // editors call this too), a moment later; the list editors suppress it while they work.
    void scheduleItemListRebuild();
    void rebuildItemLists();
    void setItemListRebuildSuppressed(bool on) { itemListRebuildSuppressed_ = on; }
    const statement::ItemList& itemList() const { return itemList_; }
    store::Table& itemMaster() { return *master_; }

    TRateSetForm* rateForm() const { return rateForm_; }
    TUserSetForm* userForm() const { return userForm_; }
    TZeiSetForm* zeiForm() const { return zeiForm_; }
    TServDlg* servDlg() const { return servDlg_; }
    TDateSDlg* dateDlg() const { return dateDlg_; }
    TPostForm* postForm() const { return postForm_; }
    QScrollArea* itemScroll() const { return itemScroll_; }
    // The name box's reading handler: the reading in hiragana goes after ふりがな.
    void YomiDBMemo1YomiOut(QObject* sender, sjis::Bytes& reading);
    TSpServDlg* spServDlg() const { return spServDlg_; }
    QString countText() const;
    QString hint() const;
    int expenseAmountBoxCount() const;
    int expenseFreeRowCount() const;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct ItemRow {
        QLabel* number = nullptr;
        ui::DBComboBox* name = nullptr;
        ui::DBEdit* quantity = nullptr;
        ui::DBEdit* unitPrice = nullptr;
        ui::DBEdit* partsAmount = nullptr;
        ui::DBEdit* hours = nullptr;
        ui::DBEdit* labourAmount = nullptr;
    };

    // creation
    void readRequestSettings();
    void bindOptionalFields();
    void loadFilterEntries(const QString& keep = {});
    void readSingleLineSettings();
    void readListSettings();
    void readPassword();
    void setUpExpenseRows();

    // building the window
    void buildMenus();
    void buildToolBar();
    QWidget* buildEditorPage();
    QWidget* buildCustomerPanel();
    QWidget* buildInspectionPanel();
    QWidget* buildItemArea();
    QWidget* buildTotalsRow();
    QWidget* buildListPage();
    ui::DBEdit* edit(const char* field, bool readOnly = false);
    ui::DBComboBox* combo(const char* field);
    ui::DBEdit* dateBox(const char* field);
    void pickDate(ui::DBEdit* box);
    // The row (1..20) whose name box this is; 0 for any other object.
    int nameBoxRow(QObject* object) const;
    // The row whose name, 数量, 単価 or 時間 box this is; 0 for any other object.
    int editingBoxRow(QObject* object) const;
    // Row paging: what a new scroll position of the item area does, and the rows' places.
    void pagingStep(int p);
    void layoutRows();
    void directLabourInput(int row);
    void chooseName(int row);
    // The copy command: a new statement from the fields chosen in the copy dialog.
    void copyCurrent();
    // "フィルタ項目": edits the filter entries and applies the one chosen.
    void editFilterEntries();
    std::vector<sjis::Bytes> classNames() const;
    QLabel* title(const QString& caption, int width = 0);

    // running
    void firstShow();
    void firstIdle();
    void passwordCheck();
    void applyColumnLayout();
    void updateCount();
    void setHint(const QString& text);
    void showInspectionPanel();
    void chooseSettleDay(int day);
    // The statement list: month tabs, the tab change, the filter entry and the customer tab.
    void rebuildMonthTabs();
    void tabChanged(int index);
    void filterEntryChanged();
    void applyPersonalFilter();
    sjis::Bytes chosenEntryTest() const;
    void deleteStatement();
    void showAbout();
    void showHelp();
    void writeRequestIni();
    void inspectionStep();
    void calculate(void (*step)(store::Table&));
    std::optional<SettingsLines> readSettings(const char* file) const;

    std::filesystem::path dataDir_;
    store::Database& db_;
    Prompts& prompts_;
    std::unique_ptr<store::Table> list_;
    std::unique_ptr<store::Table> master_;
    std::unique_ptr<store::Table> ledger_;
    std::string ledgerDateField_ = "作成日";
    statement::ItemList itemList_;
    QStringListModel* itemNames_ = nullptr;
    QTimer itemListTimer_;
    bool itemListRebuildSuppressed_ = false;
    ui::DataLink* link_ = nullptr;
    listing::StatementListModel* model_ = nullptr;

    RequestSettings settings_;
    int expenseSlotCount_ = 0;
    bool inspectionLedgerPresent_ = false;
    bool columnLayoutSaved_ = false;
    int titlePadLength_ = 0;
    bool commentIsReception_ = false;
    bool filterEntriesActive_ = false;
    std::vector<sjis::Bytes> filterFields_;
    std::vector<sjis::Bytes> filterValues_;
    std::vector<listing::MonthTab> monthTabs_;
    sjis::Bytes tabPeriodText_;
    QString password_;
    bool firstShown_ = false;

    // hidden labels holding the vocabulary and the link marker
    QLabel* serviceLabel_ = nullptr;
    QLabel* spServiceLabel_ = nullptr;
    QLabel* taxNameLabel_ = nullptr;
    QLabel* notCalcLabel_ = nullptr;
    QLabel* cFormLabel_ = nullptr;

    // menus and tool bar
    QAction* receptionAction_ = nullptr;
    QAction* checkInDateAction_ = nullptr;
    QAction* checkMileageAction_ = nullptr;
    QAction* periodBackupAction_ = nullptr;
    std::array<QAction*, 6> settleActions_{};
    std::array<QAction*, 10> printActions_{};
    QAction* viewerAction_ = nullptr;
    QAction* viewerSeparator_ = nullptr;
    QComboBox* filterCombo_ = nullptr;
    QAction* filterAction_ = nullptr;
    QAction* selectAction_ = nullptr;
    QComboBox* selectCombo_ = nullptr;
    QLabel* countLabel_ = nullptr;
    QLabel* hintLabel_ = nullptr;

    // pages
    QWidget* tabHost_ = nullptr;
    QTabBar* tabBar_ = nullptr;
    QTabWidget* pages_ = nullptr;
    QTableView* grid_ = nullptr;

    // editor
    QFrame* customerPanel_ = nullptr;
    QWidget* optionalRow_ = nullptr;
    std::array<ui::DBEdit*, 3> optionalBoxes_{};
    QFrame* inspectionPanel_ = nullptr;
    QVBoxLayout* expenseLayout_ = nullptr;
    QLabel* expenseTitle_ = nullptr;
    QLabel* regulationTitle_ = nullptr;
    QLabel* commentTitle_ = nullptr;
    std::vector<QWidget*> expenseWidgets_;
    int expenseAmountBoxes_ = 0;
    int expenseFreeRows_ = 0;
    QStringList expenseNames_;
    ui::DBRadioGroup* classGroup_ = nullptr;
    ui::DBComboBox* titleCombo_ = nullptr;
    ui::DBComboBox* receptionStaff_ = nullptr;
    ui::DBComboBox* mechanic_ = nullptr;
    ui::DBCheckBox* inspectionCheck_ = nullptr;
    std::array<ItemRow, 20> rows_{};
    statement::RowPaging paging_;
    QScrollArea* itemScroll_ = nullptr;
    QWidget* rowsHost_ = nullptr;
    QFrame* separator_ = nullptr;
    ui::DBEdit* partsTotalEnd_ = nullptr;
    ui::DBEdit* labourTotalEnd_ = nullptr;
    std::vector<ui::DBComboBox*> freeExpenseNames_;

    TRateSetForm* rateForm_ = nullptr;
    TUserSetForm* userForm_ = nullptr;
    TZeiSetForm* zeiForm_ = nullptr;
    TServDlg* servDlg_ = nullptr;
    TDateSDlg* dateDlg_ = nullptr;
    TPostForm* postForm_ = nullptr;
    TDFormDlg* dFormDlg_ = nullptr;
    TFormDlg* formDlg_ = nullptr;
    TCopyPatDlg* copyDlg_ = nullptr;
    TMSetDlg* mSetDlg_ = nullptr;
    TFilterDlg* filterDlg_ = nullptr;
    TSpServDlg* spServDlg_ = nullptr;
    std::unique_ptr<DiscountDialogsUi> discountDialogs_;
    TRestorePos* restorePos_ = nullptr;

    QTimer firstIdleTimer_;
    QTimer passwordTimer_;
};

} // namespace torvane
