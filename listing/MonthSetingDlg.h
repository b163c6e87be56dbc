#pragma once

#include <QDialog>

#include <optional>
#include <utility>

class QComboBox;

namespace torvane {

// "期間設定": a period of months, From and To, out of the month tabs (newest first).
class TMSetDlg : public QDialog {
    Q_OBJECT
public:
    explicit TMSetDlg(QWidget* parent = nullptr);

    // The tab positions (2 on) of From and To, From not later than To; nothing when the
    // dialog is closed otherwise than by OK, or when there is no month to choose.
    std::optional<std::pair<int, int>> choose(const QStringList& monthCaptions);

    QComboBox* fromBox() const { return from_; }
    QComboBox* toBox() const { return to_; }

private:
    QComboBox* from_;
    QComboBox* to_;
};

} // namespace torvane
