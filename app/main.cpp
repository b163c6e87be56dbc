// Torvane: repair statements for a car-repair workshop.

#include "app/MessageBoxPrompts.h"
#include "app/RequestForm.h"
#include "app/SettingsCatalogue.h"
#include "app/SingleInstance.h"
#include "store/StoreError.h"

#include <QApplication>
#include <QFont>

#include <filesystem>

int main(int argc, char* argv[]) {
    // One run per machine: a second start ends at once, silently.
    torvane::SingleInstance instance;
    if (instance.anotherRuns())
        return 0;

    QApplication app(argc, argv);
    QApplication::setOrganizationName("Torvane");
    QApplication::setApplicationName("Torvane");
    QApplication::setApplicationDisplayName(QString::fromUtf8("Torvane For Win32"));
    QApplication::setApplicationVersion("0.1.0");
    // The faces the workshop's forms name, on the Japanese fonts this system has.
    QFont::insertSubstitution(QString::fromUtf8("ＭＳ 明朝"), "IPAMincho");
    QFont::insertSubstitution(QString::fromUtf8("ＭＳ Ｐ明朝"), "IPAPMincho");
    QFont::insertSubstitution(QString::fromUtf8("ＭＳ ゴシック"), "IPAGothic");
    QFont::insertSubstitution(QString::fromUtf8("ＭＳ Ｐゴシック"), "IPAPGothic");
    QFont::insertSubstitution(QString::fromUtf8("ＪＳゴシック"), "IPAGothic");

    // The data directory is the folder the program is started in.
    const std::filesystem::path dataDir = std::filesystem::current_path();
    torvane::MessageBoxPrompts prompts;
    std::unique_ptr<torvane::store::Database> db;
    try {
        db = torvane::store::Database::open(dataDir / torvane::files::Database);
    } catch (const torvane::store::StoreError& e) {
        prompts.error(e.what());
        return 1;
    }

    torvane::TRequestDataForm form(dataDir, *db, prompts);
    prompts.setParent(&form);
    form.show();
    return app.exec();
}
