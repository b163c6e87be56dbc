#pragma once

// "日付設定": the calendar for the date boxes. The era and its year, the month, and a month
// calendar whose weeks start on Sunday; a click on a day picks it. No OK or Cancel: the
// close box leaves the result empty.

#include "common/EraDate.h"

#include <QDate>
#include <QDialog>
#include <QSet>

class QCalendarWidget;
class QLabel;
class QSpinBox;

namespace torvane {

class TDateSDlg : public QDialog {
    Q_OBJECT
public:
    explicit TDateSDlg(QWidget* parent = nullptr);

    // Opens at `start` and returns the day picked as era date text with half-width digits,
    // or nothing when the dialog was closed without a pick.
    sjis::Bytes pick(const era::Date& start);

    // The calendar moved to a date, as the caller does before showing the dialog.
    void moveTo(const era::Date& date);
    era::Date calendarDate() const;
    const sjis::Bytes& result() const { return result_; }

    QSpinBox* yearField() const { return year_; }
    QSpinBox* monthField() const { return month_; }
    QLabel* eraLabel() const { return era_; }
    QCalendarWidget* calendar() const { return calendar_; }

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void yearChanged(int eraYear);
    void monthChanged(int month);
    void showEraOfCalendar();
    void picked(QDate date);

    QLabel* era_;
    QSpinBox* year_;
    QSpinBox* month_;
    QCalendarWidget* calendar_;
    int eraIndex_ = 3;
    QSet<QObject*> clickedFields_;
    sjis::Bytes result_;
};

} // namespace torvane
