#pragma once

// A main window over a fresh data directory, for the window tests.

#include "app/RequestForm.h"
#include "app/SettingsCatalogue.h"
#include "common/Sjis.h"
#include "common/ui/DataControls.h"
#include "store/Database.h"

#include "ScriptedPrompts.h"
#include "TempDir.h"

#include <QApplication>
#include <QDialog>
#include <QInputMethodEvent>
#include <QSettings>
#include <QTimer>
#include <QtTest>

#include <fstream>
#include <functional>

namespace test {

inline std::string slurp(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

inline void put(const std::filesystem::path& p, const std::string& s) {
    std::ofstream(p, std::ios::binary) << s;
}

// Types text into a box as the input method does: a committed string.
inline void commit(QWidget* box, const QString& text) {
    box->setFocus();
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(box, &event);
}

// Runs `act` on each modal dialog that comes up while the returned guard lives.
class ModalAnswerer {
public:
    explicit ModalAnswerer(std::function<void(QDialog*)> act)
        : act_(std::move(act)) {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            // Laid out and on screen before it is clicked.
            if (dialog && dialog->isVisible() && dialog != last_ && dialog->windowHandle() &&
                dialog->windowHandle()->isExposed()) {
                last_ = dialog;
                seen.push_back(dialog->objectName());
                act_(dialog);
            } else if (!dialog) {
                last_ = nullptr;
            }
        });
        timer_.start();
    }
    QStringList seen;

private:
    std::function<void(QDialog*)> act_;
    QTimer timer_;
    QDialog* last_ = nullptr;
};

// Keeps the window positions of the tests away from the user's own settings.
inline void isolateSettingsStore(const TempDir& dir) {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromStdString(dir.path().string()));
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                       QString::fromStdString(dir.path().string()));
}

struct Fixture {
    TempDir dir;
    ScriptedPrompts prompts;
    std::unique_ptr<torvane::store::Database> db;
    std::unique_ptr<torvane::TRequestDataForm> form;

    // A workshop that has set its rate and company already, unless `firstStart`.
    void start(bool firstStart = false) {
        using namespace torvane;
        if (!firstStart) {
            if (!std::filesystem::exists(dir / files::Rate))
                put(dir / files::Rate, "7000\r\n");
            if (!std::filesystem::exists(dir / files::User))
                put(dir / files::User, "\r\n\r\n\r\n\r\n\r\n\r\n\r\n");
        }
        if (!db)
            db = store::Database::open(dir / files::Database);
        form = std::make_unique<TRequestDataForm>(dir.path(), *db, prompts);
        form->show();
        // A window may close itself on its first idle moment (a wrong password).
        if (!QTest::qWaitForWindowExposed(form.get())) {
            QVERIFY(!form->isVisible());
            return;
        }
        QApplication::setActiveWindow(form.get());
        QVERIFY(QTest::qWaitForWindowActive(form.get()) || !form->isVisible());
        QTest::qWait(20);
    }

    template <class T> T* box(const char* name) const {
        return form->findChild<T*>(QString::fromUtf8(name));
    }
    torvane::ui::DBEdit* edit(const char* field) const { return box<torvane::ui::DBEdit>(field); }
    void trigger(const char* action) const { form->action(action)->trigger(); }
    std::string text(const char* field) const {
        return *torvane::sjis::toUtf8(form->statements().text(field));
    }
    int64_t yen(const char* field) const { return form->statements().integer(field); }

    // Adds statements straight through the table (oldest first).
    void addStatements(std::initializer_list<std::pair<const char*, int>> rows) {
        using namespace torvane;
        if (!db)
            db = store::Database::open(dir / files::Database);
        store::Table t(*db, "Request");
        int key = 20200101;
        for (const auto& [name, billed] : rows) {
            t.append();
            t.setText("氏名", sjis::lit(name));
            t.setInteger("項番", key++);
            t.setInteger("請求額", billed);
            t.post();
        }
    }
};

} // namespace test
