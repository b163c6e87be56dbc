#include "common/ui/TwoListChooser.h"

#include "common/Sjis.h"
#include "common/TwoLists.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace torvane::ui {

TwoListChooser::TwoListChooser(const QString& leftCaption, const QString& rightCaption,
                               QWidget* parent)
    : QWidget(parent) {
    auto* g = new QGridLayout(this);
    g->addWidget(new QLabel(leftCaption), 0, 0);
    g->addWidget(new QLabel(rightCaption), 0, 2);
    left_ = new QListWidget;
    left_->setObjectName("LeftList");
    right_ = new QListWidget;
    right_->setObjectName("RightList");
    for (QListWidget* l : {left_, right_})
        l->setSelectionMode(QAbstractItemView::ExtendedSelection);
    g->addWidget(left_, 1, 0);
    g->addWidget(right_, 1, 2);
    auto* middle = new QVBoxLayout;
    const auto button = [this](const char* text, const char* name, void (TwoListChooser::*act)()) {
        auto* b = new QPushButton(QString::fromUtf8(text));
        b->setObjectName(name);
        connect(b, &QPushButton::clicked, this, act);
        return b;
    };
    middle->addStretch(1);
    middle->addWidget(button("＞", "RightButton", &TwoListChooser::moveRight));
    middle->addWidget(button("＜", "LeftButton", &TwoListChooser::moveLeft));
    middle->addStretch(1);
    g->addLayout(middle, 1, 1);
    auto* arrows = new QHBoxLayout;
    arrows->addWidget(button("↑", "UpButton", &TwoListChooser::moveUp));
    arrows->addWidget(button("↓", "DownButton", &TwoListChooser::moveDown));
    g->addLayout(arrows, 2, 2);
}

std::vector<std::string> TwoListChooser::entries(const QListWidget* list) {
    std::vector<std::string> out;
    for (int i = 0; i < list->count(); ++i)
        out.push_back(sjis::fromQString(list->item(i)->text()));
    return out;
}

std::vector<bool> TwoListChooser::selection(const QListWidget* list) {
    std::vector<bool> out;
    for (int i = 0; i < list->count(); ++i)
        out.push_back(list->item(i)->isSelected());
    return out;
}

void TwoListChooser::fill(QListWidget* list, const std::vector<std::string>& entries) {
    list->clear();
    for (const auto& e : entries)
        list->addItem(sjis::toQString(e));
}

void TwoListChooser::setLists(const std::vector<std::string>& left,
                              const std::vector<std::string>& right) {
    fill(left_, left);
    fill(right_, right);
}

std::vector<std::string> TwoListChooser::left() const {
    return entries(left_);
}
std::vector<std::string> TwoListChooser::right() const {
    return entries(right_);
}

void TwoListChooser::moveRight() {
    auto l = left();
    auto r = right();
    twolists::moveAcross(l, r, selection(left_));
    setLists(l, r);
}

void TwoListChooser::moveLeft() {
    auto l = left();
    auto r = right();
    twolists::moveAcross(r, l, selection(right_));
    setLists(l, r);
}

void TwoListChooser::moveUp() {
    auto r = right();
    const int select = twolists::moveUp(r, selection(right_));
    if (select < 0)
        return;
    fill(right_, r);
    right_->item(select)->setSelected(true);
}

void TwoListChooser::moveDown() {
    auto r = right();
    const int select = twolists::moveDown(r, selection(right_));
    if (select < 0)
        return;
    fill(right_, r);
    right_->item(select)->setSelected(true);
}

} // namespace torvane::ui
