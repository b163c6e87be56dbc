#include "common/ui/DataControls.h"

#include "common/Sjis.h"
#include "store/StoreError.h"

#include <QFocusEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>

namespace torvane::ui {
namespace {

std::function<void(const std::string&)>& sink() {
    static std::function<void(const std::string&)> s;
    return s;
}

int indexOf(DataLink& link, const std::string& field) {
    return link.table().fieldIndex(field);
}

QString fieldText(DataLink& link, int index) {
    if (index < 0)
        return {};
    return sjis::toQString(link.table().value(index).textForm());
}

} // namespace

bool isLeaving(const QFocusEvent* event) {
    return event->reason() != Qt::ActiveWindowFocusReason &&
           event->reason() != Qt::PopupFocusReason;
}

void setErrorSink(std::function<void(const std::string&)> s) {
    sink() = std::move(s);
}

void reportError(const std::string& message) {
    if (sink())
        sink()(message);
}

bool guarded(const std::function<void()>& action) {
    try {
        action();
        return true;
    } catch (const store::Abort&) {
        return false;
    } catch (const std::exception& e) {
        reportError(e.what());
        return false;
    }
}

// ---- DBEdit

DBEdit::DBEdit(DataLink& link, std::string field, QWidget* parent)
    : QLineEdit(parent)
    , link_(link)
    , field_(std::move(field))
    , index_(indexOf(link, field_)) {
    connect(&link_, &DataLink::recordChanged, this, &DBEdit::refresh);
    connect(&link_, &DataLink::fieldChanged, this, [this](int f) {
        // What the user is typing stays as typed ("1." stays, not "1").
        if (f == index_ && !pendingInvalid_ && !writing_)
            refresh();
    });
    connect(this, &QLineEdit::textEdited, this, &DBEdit::userEdited);
    refresh();
}

void DBEdit::setFieldName(std::string field) {
    field_ = std::move(field);
    index_ = indexOf(link_, field_);
    pendingInvalid_ = false;
    refresh();
}

void DBEdit::refresh() {
    pendingInvalid_ = false;
    const QString text = fieldText(link_, index_);
    if (text != this->text())
        setText(text);
}

void DBEdit::userEdited(const QString& text) {
    if (index_ < 0 || isReadOnly())
        return;
    const store::FieldType type = link_.table().field(index_).type;
    const sjis::Bytes bytes = sjis::fromQString(text);
    guarded([&] {
        link_.ensureEditing();
        if (type == store::FieldType::Text || type == store::FieldType::Flag) {
            link_.table().setText(field_, bytes);
            return;
        }
        // The value before this visit to the box: a refused text brings it back.
        if (!original_)
            original_ = link_.table().value(index_);
        // A number box may hold half-typed text ("-", "1."); it is checked on leaving.
        writing_ = true;
        try {
            link_.table().setText(field_, bytes);
            pendingInvalid_ = false;
        } catch (const store::StoreError&) {
            pendingInvalid_ = true;
        }
        writing_ = false;
    });
}

bool DBEdit::commitPending() {
    if (!pendingInvalid_)
        return true;
    pendingInvalid_ = false;
    const sjis::Bytes bytes = sjis::fromQString(text());
    if (guarded([&] { link_.table().setText(field_, bytes); }))
        return true;
    // Refused: the field keeps the value it had before the box was entered.
    if (original_ && link_.table().editing())
        guarded([&] { link_.table().setValue(index_, *original_); });
    original_.reset();
    refresh();
    return false;
}

void DBEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    original_.reset();
}

void DBEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // Another window coming to the front, or a menu opening, is no leaving of the box.
    if (!isLeaving(event))
        return;
    if (commitPending())
        emit exited();
    original_.reset();
}

void DBEdit::mouseDoubleClickEvent(QMouseEvent* event) {
    QLineEdit::mouseDoubleClickEvent(event);
    emit doubleClicked();
}

void DBEdit::mousePressEvent(QMouseEvent* event) {
    QLineEdit::mousePressEvent(event);
    emit clicked();
}

// ---- DBComboBox

DBComboBox::DBComboBox(DataLink& link, std::string field, QWidget* parent)
    : QComboBox(parent)
    , link_(link)
    , field_(std::move(field))
    , index_(indexOf(link, field_)) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    connect(&link_, &DataLink::recordChanged, this, &DBComboBox::refresh);
    connect(&link_, &DataLink::fieldChanged, this, [this](int f) {
        if (f == index_)
            refresh();
    });
    connect(lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
        write(text);
        emit textTyped();
    });
    connect(this, &QComboBox::activated, this, [this](int i) { write(itemText(i)); });
    refresh();
}

void DBComboBox::setFieldName(std::string field) {
    field_ = std::move(field);
    index_ = indexOf(link_, field_);
    refresh();
}

void DBComboBox::refresh() {
    if (updating_)
        return;
    const QString text = fieldText(link_, index_);
    if (text != currentText())
        setEditText(text);
}

void DBComboBox::write(const QString& text) {
    if (index_ < 0)
        return;
    updating_ = true;
    guarded([&] {
        link_.ensureEditing();
        link_.table().setText(field_, sjis::fromQString(text));
    });
    updating_ = false;
}

void DBComboBox::focusOutEvent(QFocusEvent* event) {
    QComboBox::focusOutEvent(event);
    if (isLeaving(event))
        emit exited();
}

// ---- DBCheckBox

DBCheckBox::DBCheckBox(DataLink& link, std::string field, const QString& caption, QWidget* parent)
    : QCheckBox(caption, parent)
    , link_(link)
    , field_(std::move(field))
    , index_(indexOf(link, field_)) {
    connect(&link_, &DataLink::recordChanged, this, &DBCheckBox::refresh);
    connect(&link_, &DataLink::fieldChanged, this, [this](int f) {
        if (f == index_)
            refresh();
    });
    connect(this, &QCheckBox::clicked, this, [this](bool on) {
        if (!guarded([&] {
                link_.ensureEditing();
                link_.table().setText(field_, on ? "True" : "False");
            }))
            refresh();
    });
    refresh();
}

void DBCheckBox::refresh() {
    const bool on = index_ >= 0 && link_.table().value(index_).textForm() == "True";
    if (on != isChecked())
        setChecked(on);
}

// ---- DBRadioGroup

DBRadioGroup::DBRadioGroup(DataLink& link, std::string field, QWidget* parent)
    : QWidget(parent)
    , link_(link)
    , field_(std::move(field))
    , index_(indexOf(link, field_)) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 0, 4, 0);
    group_.setExclusive(true);
    connect(&link_, &DataLink::recordChanged, this, &DBRadioGroup::refresh);
    connect(&link_, &DataLink::fieldChanged, this, [this](int f) {
        if (f == index_)
            refresh();
    });
    connect(&group_, &QButtonGroup::buttonClicked, this, [this](QAbstractButton* b) {
        if (!guarded([&] {
                link_.ensureEditing();
                link_.table().setText(field_, sjis::fromQString(b->text()));
            }))
            refresh();
    });
}

void DBRadioGroup::setItems(const QStringList& items) {
    for (auto* b : group_.buttons()) {
        group_.removeButton(b);
        delete b;
    }
    for (const QString& item : items) {
        auto* b = new QRadioButton(item, this);
        group_.addButton(b);
        layout()->addWidget(b);
    }
    refresh();
}

QStringList DBRadioGroup::items() const {
    QStringList out;
    for (auto* b : group_.buttons())
        out << b->text();
    return out;
}

void DBRadioGroup::refresh() {
    const QString value = fieldText(link_, index_);
    // A value that is none of the items leaves every button unchecked.
    group_.setExclusive(false);
    for (auto* b : group_.buttons())
        b->setChecked(b->text() == value);
    group_.setExclusive(true);
}

} // namespace torvane::ui
