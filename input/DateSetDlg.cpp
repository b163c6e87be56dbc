#include "input/DateSetDlg.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

namespace torvane {
TDateSDlg::TDateSDlg(QWidget* parent)
    : QDialog(parent) {
    setObjectName("DateSDlg");
    setWindowTitle(QString::fromUtf8("日付設定"));
    auto* v = new QVBoxLayout(this);
    auto* strip = new QHBoxLayout;
    era_ = new QLabel;
    era_->setObjectName("EraLabel");
    year_ = new QSpinBox;
    year_->setObjectName("YearEdit");
    year_->setRange(0, 100000);
    month_ = new QSpinBox;
    month_->setObjectName("MonthEdit");
    month_->setRange(1, 12);
    strip->addWidget(era_);
    strip->addWidget(year_);
    strip->addWidget(new QLabel(QString::fromUtf8("年")));
    strip->addWidget(month_);
    strip->addWidget(new QLabel(QString::fromUtf8("月")));
    strip->addStretch(1);
    v->addLayout(strip);
    calendar_ = new QCalendarWidget;
    calendar_->setObjectName("Calendar");
    calendar_->setFirstDayOfWeek(Qt::Sunday);
    calendar_->setNavigationBarVisible(false);
    calendar_->setLocale(QLocale(QLocale::Japanese, QLocale::Japan));
    calendar_->setMinimumDate(QDate(1, 1, 1));
    calendar_->setMaximumDate(QDate(200000, 12, 31));
    calendar_->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    v->addWidget(calendar_, 1);
    setTabOrder(year_, month_);

    connect(year_, &QSpinBox::valueChanged, this, &TDateSDlg::yearChanged);
    connect(month_, &QSpinBox::valueChanged, this, &TDateSDlg::monthChanged);
    connect(calendar_, &QCalendarWidget::clicked, this, &TDateSDlg::picked);
    for (QSpinBox* field : {year_, month_})
        field->findChild<QLineEdit*>()->installEventFilter(this);
    resize(320, 260);
}

void TDateSDlg::moveTo(const era::Date& d) {
    // Day 1 first, then year, month and day: no step names a day that does not exist.
    QDate date = calendar_->selectedDate();
    date = QDate(date.year(), date.month(), 1);
    date = QDate(d.year, date.month(), 1);
    date = QDate(d.year, d.month, 1);
    date = QDate(d.year, d.month, std::min(d.day, era::daysInMonth(d.year, d.month)));
    calendar_->setSelectedDate(date);
    calendar_->setCurrentPage(date.year(), date.month());
}

era::Date TDateSDlg::calendarDate() const {
    const QDate d = calendar_->selectedDate();
    return {d.year(), d.month(), d.day()};
}

sjis::Bytes TDateSDlg::pick(const era::Date& start) {
    moveTo(start);
    exec();
    return result_;
}

void TDateSDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    result_.clear();
    clickedFields_.clear();
    showEraOfCalendar();
}

void TDateSDlg::showEraOfCalendar() {
    const era::Date d = calendarDate();
    eraIndex_ = era::eraOf(d);
    const QSignalBlocker blockYear(year_);
    const QSignalBlocker blockMonth(month_);
    era_->setText(QString::fromUtf8(era::Eras[eraIndex_].name));
    year_->setValue(d.year - era::Eras[eraIndex_].offset);
    month_->setValue(d.month);
}

void TDateSDlg::yearChanged(int eraYear) {
    // The era follows the western year, so 昭和 64 is 平成 01 and 平成 00 is 昭和 63.
    const int year = era::Eras[eraIndex_].offset + eraYear;
    era::Date d = calendarDate();
    if (d.month == 2 && d.day == 29 && !era::isLeapYear(year))
        d.day = 28;
    moveTo({year, d.month, d.day});
    showEraOfCalendar();
}

void TDateSDlg::monthChanged(int month) {
    const era::Date d = calendarDate();
    moveTo({d.year, month, std::min(d.day, era::daysInMonth(d.year, month))});
    showEraOfCalendar();
}

void TDateSDlg::picked(QDate date) {
    // Closes once the calendar has moved its selection to the day clicked.
    QTimer::singleShot(10, this, [this, date] {
        result_ = era::format(date.year(), date.month(), date.day());
        accept();
    });
}

bool TDateSDlg::eventFilter(QObject* watched, QEvent* event) {
    // The first click into the year or month field selects its text, so typing replaces it.
    if (event->type() == QEvent::MouseButtonPress && !clickedFields_.contains(watched)) {
        if (auto* line = qobject_cast<QLineEdit*>(watched)) {
            clickedFields_.insert(watched);
            QTimer::singleShot(0, line, &QLineEdit::selectAll);
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace torvane
