#include "input/PostDataForm.h"

#include "app/RestorePos.h"
#include "common/FileError.h"
#include "common/ui/DataLink.h"
#include "common/ui/TableGridModel.h"
#include "input/PostalImport.h"
#include "input/PostalLookup.h"
#include "store/Database.h"
#include "store/StoreError.h"
#include "store/Table.h"

#include <QApplication>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace torvane {
namespace {

constexpr const char* CodeField = "郵便番号７桁";
constexpr const char* AddressField = "住所";
constexpr int ButtonHalfWidth = 37;
constexpr int PanelHeight = 41;

// The wait cursor while a file loads.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace

TPostForm::TPostForm(std::filesystem::path dataDirectory, store::Database& db, Prompts& prompts,
                     QWidget* parent)
    : QDialog(parent)
    , dataDirectory_(std::move(dataDirectory))
    , db_(db)
    , prompts_(prompts)
    , postData_(std::make_unique<store::Table>(db, "PostData"))
    , link_(std::make_unique<ui::DataLink>(*postData_)) {
    setObjectName("PostForm");
    setWindowTitle(QStringLiteral("郵便番号変換"));
    resize(480, 400);

    searchBar_ = new QWidget(this);
    searchBar_->setObjectName("searchBar");
    auto* searchLayout = new QHBoxLayout(searchBar_);
    searchLayout->setContentsMargins(8, 6, 8, 6);
    searchLayout->addWidget(new QLabel(QStringLiteral("検索する住所"), searchBar_));
    searchEdit_ = new QLineEdit(searchBar_);
    searchEdit_->setObjectName("searchEdit");
    searchLayout->addWidget(searchEdit_, 1);
    auto* searchButton = new QPushButton(QStringLiteral("住所検索"), searchBar_);
    searchButton->setObjectName("searchButton");
    searchButton->setAutoDefault(false);
    searchLayout->addWidget(searchButton);
    searchBar_->hide();

    model_ = std::make_unique<ui::TableGridModel>(
        *link_,
        std::vector<int>{postData_->requireField(CodeField), postData_->requireField(AddressField)},
        false);
    grid_ = new QTableView(this);
    grid_->setObjectName("grid");
    grid_->setModel(model_.get());
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    grid_->horizontalHeader()->setStretchLastSection(true);
    grid_->setColumnWidth(0, 90);
    grid_->setWordWrap(false);

    buttonPanel_ = new QWidget(this);
    buttonPanel_->setFixedHeight(PanelHeight);
    okButton_ = new QPushButton(QStringLiteral("OK(&Y)"), buttonPanel_);
    okButton_->setObjectName("okButton");
    okButton_->setDefault(true);
    cancelButton_ = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), buttonPanel_);
    cancelButton_->setObjectName("cancelButton");
    loadButton_ = new QPushButton(QStringLiteral("データ読込"), buttonPanel_);
    loadButton_->setObjectName("loadButton");
    loadButton_->setToolTip(QStringLiteral("運輸省のデータ読込"));
    for (auto* b : {okButton_, cancelButton_, loadButton_}) {
        b->setFixedSize(2 * ButtonHalfWidth + 1, 25);
        b->setAutoDefault(false);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(searchBar_);
    layout->addWidget(grid_, 1);
    layout->addWidget(buttonPanel_);

    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    connect(loadButton_, &QPushButton::clicked, this, &TPostForm::importFile);
    connect(searchButton, &QPushButton::clicked, this, &TPostForm::searchAddress);
    connect(searchEdit_, &QLineEdit::returnPressed, this, &TPostForm::searchAddress);
    connect(grid_, &QTableView::doubleClicked, this, &QDialog::accept);
    connect(grid_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (!syncing_ && current.isValid())
                    postData_->setRecNo(current.row() + 1);
            });
    connect(link_.get(), &ui::DataLink::recordChanged, this, &TPostForm::showCurrentRow);

    auto* position = new TRestorePos(this);
    position->KeyName = QStringLiteral("Torvane");
    position->setValueNames(QStringLiteral("Post"));
    position->restore();
    placeButtons();
    showCurrentRow();
}

TPostForm::~TPostForm() {
    // The grid goes before the model it shows.
    delete grid_;
    grid_ = nullptr;
}

void TPostForm::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    placeButtons();
}

// The buttons sit at a quarter, a half and three quarters of the window's width.
void TPostForm::placeButtons() {
    const int w = width();
    const int y = (PanelHeight - okButton_->height()) / 2;
    okButton_->move(w / 4 - ButtonHalfWidth, y);
    cancelButton_->move(w / 2 - ButtonHalfWidth, y);
    loadButton_->move(w * 3 / 4 - ButtonHalfWidth, y);
}

void TPostForm::showCurrentRow() {
    if (!grid_)
        return;
    const int row = postData_->recNo() - 1;
    if (row < 0)
        return;
    syncing_ = true;
    const QModelIndex index = model_->index(row, 0);
    grid_->setCurrentIndex(index);
    grid_->scrollTo(index, QAbstractItemView::PositionAtCenter);
    syncing_ = false;
}

void TPostForm::goToCode(std::string_view code) {
    if (!input::locatePostal(*postData_, CodeField, code))
        postData_->first();
}

bool TPostForm::goToAddress(std::string_view address) {
    return input::locatePostal(*postData_, AddressField, address);
}

void TPostForm::showSearchBar(const QString& address) {
    searchEdit_->setText(address);
    searchBar_->show();
}

void TPostForm::hideSearchBar() {
    searchBar_->hide();
}

void TPostForm::searchAddress() {
    if (!goToAddress(sjis::fromQString(searchEdit_->text())))
        postData_->first();
    grid_->setFocus();
}

bool TPostForm::codeToAddress(store::Table& statement) {
    goToCode(statement.text("郵便番号"));
    if (exec() != QDialog::Accepted)
        return false;
    const sjis::Bytes address = postData_->text(AddressField);
    if (!statement.editing())
        statement.edit();
    statement.setText("住所", address);
    return true;
}

bool TPostForm::addressToCode(store::Table& statement) {
    const sjis::Bytes address = statement.text("住所");
    if (!goToAddress(address)) {
        postData_->first();
        showSearchBar(sjis::toQString(address));
    }
    const bool ok = exec() == QDialog::Accepted;
    if (ok) {
        const sjis::Bytes code = postData_->text(CodeField);
        if (!statement.editing())
            statement.edit();
        statement.setText("郵便番号", code);
    }
    hideSearchBar();
    return ok;
}

std::filesystem::path TPostForm::askFile() {
    const QString file = QFileDialog::getOpenFileName(
        this, QStringLiteral("ＣＳＶファイル"), QString::fromStdString(dataDirectory_.string()),
        QStringLiteral("CSVﾌｧｲﾙ(*.CSV);;すべて　(*.*)"));
    return file.isEmpty() ? std::filesystem::path() : std::filesystem::path(file.toStdString());
}

void TPostForm::importFile() {
    const std::filesystem::path file = chooseFile ? chooseFile() : askFile();
    if (file.empty())
        return;
    try {
        const input::PostalColumns columns = input::readPostalColumns(dataDirectory_);
        WaitCursor wait;
        input::importPostData(db_, file, columns);
    } catch (const FileError& e) {
        prompts_.error(e.what());
    } catch (const store::StoreError& e) {
        prompts_.error(e.what());
    }
    postData_->refresh();
    postData_->first();
}

} // namespace torvane
