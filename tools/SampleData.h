#pragma once

// Realistic data for a demo data directory and for measuring the program: a workshop's
// settings files, its item master and expense names, and any number of repair statements.
// Everything is made from a seed, so that one seed always gives the same data.

#include "common/Sjis.h"

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

namespace torvane::store {
class Database;
}

namespace torvane::sample {

// The last day of the period makeStatements() spreads its statements over when it is not
// told one: a fixed day, so that the data do not depend on the day they are made.
inline constexpr std::chrono::year_month_day StandardUntil{
    std::chrono::year{2022}, std::chrono::month{12}, std::chrono::day{31}};

// How many years back from `until` the statements reach.
inline constexpr int YearsOfHistory = 15;

// The labour rate and the tax rate the statements are computed with (as in Rate.INI and
// Zei.INI).
inline constexpr int LabourRate = 8000;
inline constexpr int TaxPercent = 10;

// Writes `count` statements into table Request in one transaction, in the order they were
// received: 作成日 spread over the fifteen years up to `until` (Sundays skipped), 項番
// from 作成日, a customer and car each, 5–20 item slots with their amounts, totals,
// consumption tax and 請求額; about one in four is a 車検 with the legal fees. The newest
// two or three are unfinished (no 請求額 yet). Same seed and `until`, same statements.
void makeStatements(store::Database& db, int count, unsigned seed,
                    std::chrono::year_month_day until = StandardUntil);

// One settings file: its name in the data directory and its lines (CP932).
struct SettingsFileText {
    std::string name;
    std::vector<sjis::Bytes> lines;
};

// The settings files of a workshop that has used the program for years: Rate.INI,
// User.INI, Zei.INI, ReTitle.INI, ReCharge.INI, ReClass.INI and ReExp.INI.
std::vector<SettingsFileText> settingsFiles();

// Writes settingsFiles() into the folder (CP932, CR LF), replacing files of those names.
void writeSettingsFiles(const std::filesystem::path& dir);

// The work and part names of the item master (ReqItem), about sixty, grouped by 分類名,
// with hours and prices for 軽自動車 (class 1) and 普通自動車 (class 2).
void makeItemMaster(store::Database& db);

// The three expense names of ReExpense (諸費用, 検査手数料, 代行手数料) with their amounts
// for both vehicle classes.
void makeExpenseNames(store::Database& db);

// A demo data directory: makes the folder when missing and, only when it has no database
// yet, writes the settings files, the item master, the expense names and `count`
// statements up to `until`. Returns false (and touches nothing) when the database is
// already there, so that a second run keeps whatever was changed since.
bool makeDemoDirectory(const std::filesystem::path& dir, int count, unsigned seed,
                       std::chrono::year_month_day until);

} // namespace torvane::sample
