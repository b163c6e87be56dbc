#pragma once

// The two-list chooser as a widget: the left list of entries not chosen, the right list of
// the chosen ones in order, "＞" and "＜" between them and the arrows under the right one.

#include <QWidget>

#include <string>
#include <vector>

class QListWidget;

namespace torvane::ui {

class TwoListChooser : public QWidget {
    Q_OBJECT
public:
    TwoListChooser(const QString& leftCaption, const QString& rightCaption,
                   QWidget* parent = nullptr);

    // Entries as CP932 texts.
    void setLists(const std::vector<std::string>& left, const std::vector<std::string>& right);
    std::vector<std::string> left() const;
    std::vector<std::string> right() const;

    QListWidget* leftList() const { return left_; }
    QListWidget* rightList() const { return right_; }
    void moveRight();
    void moveLeft();
    void moveUp();
    void moveDown();

private:
    static std::vector<std::string> entries(const QListWidget* list);
    static std::vector<bool> selection(const QListWidget* list);
    static void fill(QListWidget* list, const std::vector<std::string>& entries);

    QListWidget* left_;
    QListWidget* right_;
};

} // namespace torvane::ui
