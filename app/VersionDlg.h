#pragma once

#include <QDialog>

namespace torvane {

// The About box.
class TVersionDlg : public QDialog {
    Q_OBJECT
public:
    explicit TVersionDlg(QWidget* parent = nullptr);
};

} // namespace torvane
