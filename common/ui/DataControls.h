#pragma once

// Data-aware boxes: each shows one field of the current record of a DataLink's table and
// writes what the user types into it, starting an edit on the first change. A value set
// by code (a calculation) shows at once.

#include "common/ui/DataLink.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QWidget>

#include <functional>
#include <optional>
#include <string>

namespace torvane::ui {

// Where data-aware boxes report a refused value or a failing table; the main window
// points it at its message boxes.
void setErrorSink(std::function<void(const std::string&)> sink);
void reportError(const std::string& message);

// Runs an action on the table and reports a StoreError instead of letting it escape
// into Qt's event loop; false when it failed or was aborted.
bool guarded(const std::function<void()>& action);

// Whether focus leaves a box for good: not when another window comes to the front or a
// popup (a drop-down list, a context menu) opens.
bool isLeaving(const QFocusEvent* event);

class DBEdit : public QLineEdit {
    Q_OBJECT
public:
    DBEdit(DataLink& link, std::string field, QWidget* parent = nullptr);

    const std::string& fieldName() const { return field_; }
    DataLink& link() const { return link_; }
    // Binds the box to another field (row paging).
    void setFieldName(std::string field);
    void refresh();

signals:
    // The user left the box (the moment the calculations run).
    void exited();
    void doubleClicked();
    void clicked();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void userEdited(const QString& text);
    bool commitPending();

    DataLink& link_;
    std::string field_;
    int index_ = -1;
    bool pendingInvalid_ = false;
    bool writing_ = false;
    std::optional<store::Value> original_;
};

class DBComboBox : public QComboBox {
    Q_OBJECT
public:
    DBComboBox(DataLink& link, std::string field, QWidget* parent = nullptr);

    const std::string& fieldName() const { return field_; }
    void setFieldName(std::string field);
    void refresh();

signals:
    void exited();
    void textTyped();

protected:
    void focusOutEvent(QFocusEvent* event) override;

private:
    void write(const QString& text);

    DataLink& link_;
    std::string field_;
    int index_ = -1;
    bool updating_ = false;
};

class DBCheckBox : public QCheckBox {
    Q_OBJECT
public:
    DBCheckBox(DataLink& link, std::string field, const QString& caption,
               QWidget* parent = nullptr);
    void refresh();

private:
    DataLink& link_;
    std::string field_;
    int index_ = -1;
};

// A row of radio buttons whose captions are the values the field takes.
class DBRadioGroup : public QWidget {
    Q_OBJECT
public:
    DBRadioGroup(DataLink& link, std::string field, QWidget* parent = nullptr);
    void setItems(const QStringList& items);
    QStringList items() const;
    void refresh();

private:
    DataLink& link_;
    std::string field_;
    int index_ = -1;
    QButtonGroup group_;
};

} // namespace torvane::ui
