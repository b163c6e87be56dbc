#pragma once

// Window positions that persist: a window reopens where the user left it, with its size.
// The values live in the user's settings store, QSettings of organisation "Torvane" (on
// Linux ~/.config/Torvane/<KeyName>.conf), one whole number of pixels each.

#include <QObject>
#include <QString>

class QWidget;

namespace torvane {

class TRestorePos : public QObject {
    Q_OBJECT
public:
    enum Option { rpRestoreSize = 1, rpSaveNormal = 2 };

    // Watches the window: it saves when the window is being destroyed.
    explicit TRestorePos(QWidget* form);
    ~TRestorePos() override;

    bool Enabled = true;
    QString KeyName;
    QString PosXValueName = "PosX";
    QString PosYValueName = "PosY";
    QString WidthValueName = "Width";
    QString HeightValueName = "Height";
    int Options = rpRestoreSize | rpSaveNormal;

    // Sets the four value names from a prefix as the windows name them ("ZedAviz " gives
    // "ZedAviz PosX", …, "Print" gives "PrintPosX", …).
    void setValueNames(const QString& prefix);

    // Applies what is stored; each value on its own, a missing one is skipped.
    void restore();
    // Stores the window's position and size (its normal rectangle when maximised).
    void save();

private:
    QWidget* form_;
    bool saved_ = false;
};

} // namespace torvane
