#include "statement/LedgerNote.h"

#include "store/Table.h"

namespace torvane::statement {

sjis::Bytes ledgerNoteLine(const sjis::Bytes& date, const sjis::Bytes& title,
                           const sjis::Bytes& mileage, int titlePadLength) {
    const sjis::Bytes space = sjis::lit("　");
    sjis::Bytes paddedTitle = title;
    if (titlePadLength <= 0 || static_cast<size_t>(titlePadLength) < title.size())
        paddedTitle += space;
    else
        paddedTitle.append(static_cast<size_t>(titlePadLength) - title.size(), ' ');
    return "\r\n" + date + space + paddedTitle + mileage;
}

bool writeLedgerNote(store::Table& statement, store::Table& ledger, int titlePadLength,
                     const std::string& dateField) {
    if (ledger.recNo() == 0 || ledger.text("使用者") != statement.text("氏名"))
        return false;
    sjis::Bytes date = statement.hasField(dateField) ? statement.text(dateField) : sjis::Bytes();
    if (date.empty())
        date = statement.text("作成日");
    const sjis::Bytes line = ledgerNoteLine(date, statement.text("タイトル"),
                                            statement.text("走行距離"), titlePadLength);
    ledger.edit();
    ledger.setText("備考", ledger.text("備考") + line);
    ledger.post();
    return true;
}

} // namespace torvane::statement
