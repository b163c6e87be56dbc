#include "app/RestorePos.h"

#include <QSettings>
#include <QWidget>

namespace torvane {
namespace {

QSettings store(const QString& key) {
    return QSettings(QStringLiteral("Torvane"), key);
}

} // namespace

TRestorePos::TRestorePos(QWidget* form)
    : QObject(form)
    , form_(form) {}

TRestorePos::~TRestorePos() {
    // The window is being destroyed (its children go first): its geometry is still there.
    if (!saved_)
        save();
}

void TRestorePos::setValueNames(const QString& prefix) {
    PosXValueName = prefix + "PosX";
    PosYValueName = prefix + "PosY";
    WidthValueName = prefix + "Width";
    HeightValueName = prefix + "Height";
}

void TRestorePos::restore() {
    if (!Enabled || KeyName.isEmpty())
        return;
    QSettings s = store(KeyName);
    const auto read = [&](const QString& name) -> std::optional<int> {
        bool ok = false;
        const int v = s.value(name).toInt(&ok);
        return ok ? std::optional<int>(v) : std::nullopt;
    };
    QPoint pos = form_->pos();
    if (auto x = read(PosXValueName))
        pos.setX(*x);
    if (auto y = read(PosYValueName))
        pos.setY(*y);
    form_->move(pos);
    if (Options & rpRestoreSize) {
        QSize size = form_->size();
        if (auto w = read(WidthValueName))
            size.setWidth(*w);
        if (auto h = read(HeightValueName))
            size.setHeight(*h);
        form_->resize(size);
    }
}

void TRestorePos::save() {
    saved_ = true;
    if (!Enabled || KeyName.isEmpty())
        return;
    // Position of the frame, size of the inside: what move() and resize() take back, so a
    // window does not creep by its frame from run to run.
    QRect rect(form_->pos(), form_->size());
    if ((Options & rpSaveNormal) && form_->isMaximized()) {
        const QRect normal = form_->normalGeometry();
        const QPoint frame = form_->geometry().topLeft() - form_->pos();
        rect = QRect(normal.topLeft() - frame, normal.size());
    }
    QSettings s = store(KeyName);
    s.setValue(PosXValueName, rect.x());
    s.setValue(PosYValueName, rect.y());
    if (Options & rpRestoreSize) {
        s.setValue(WidthValueName, rect.width());
        s.setValue(HeightValueName, rect.height());
    }
    s.sync();
}

} // namespace torvane
