#include "input/PostalScan.h"

#include "input/Cp932Search.h"
#include "input/CsvLines.h"

#include <system_error>
#include <vector>

namespace torvane::input {
namespace {

constexpr size_t MaxColumns = 50;
constexpr size_t CodeColumn = 2, PrefectureColumn = 6, CityColumn = 7, TownColumn = 8;

// The CP932 words the scan looks for, converted once.
struct Words {
    sjis::Bytes notListed = sjis::lit("以下に掲載がない場合");
    sjis::Bytes wholeArea = sjis::lit("一円");
    sjis::Bytes open = sjis::lit("（");
    sjis::Bytes close = sjis::lit("）");
    sjis::Bytes others = sjis::lit("その他）");
    sjis::Bytes banchi = sjis::lit("番地");
    sjis::Bytes wave = sjis::lit("～");
    sjis::Bytes comma = sjis::lit("、");
    sjis::Bytes dot = sjis::lit("・");
    std::vector<sjis::Bytes> prefectureMarkers = {sjis::lit("東京都"), sjis::lit("北海道"),
                                                  sjis::lit("大阪府"), sjis::lit("京都府"),
                                                  sjis::lit("県")};
};

const Words& words() {
    static const Words w;
    return w;
}

struct Piece {
    std::string_view text;
    bool rangeStart; // followed by 「～」
};

// The bracket text cut into pieces at 「～」, 「、」 and 「・」, whichever comes first each time.
void splitPieces(std::string_view rest, std::vector<Piece>& pieces) {
    const Words& w = words();
    pieces.clear();
    for (;;) {
        size_t at = std::string_view::npos;
        const sjis::Bytes* separator = nullptr;
        for (const sjis::Bytes* s : {&w.wave, &w.comma, &w.dot}) {
            const size_t p = cp932::find(rest, *s);
            if (p < at) {
                at = p;
                separator = s;
            }
        }
        if (!separator) {
            pieces.push_back({rest, false});
            return;
        }
        pieces.push_back({rest.substr(0, at), separator == &w.wave});
        rest.remove_prefix(at + separator->size());
    }
}

// The bytes a bracketed town line adds to the score when the address (from the town
// name on) matches one of its pieces; -1 when it matches none.
int64_t bracketScore(std::string_view address, std::string_view name, std::string_view rest,
                     std::vector<Piece>& pieces, sjis::Bytes& scratch) {
    const Words& w = words();
    const size_t at = cp932::find(address, name);
    if (at == std::string_view::npos)
        return -1;
    if (rest == w.others)
        return static_cast<int64_t>(name.size());
    address.remove_prefix(at);
    rest = rest.substr(0, cp932::find(rest, w.banchi));
    rest = rest.substr(0, cp932::find(rest, w.close));
    splitPieces(rest, pieces);

    const int64_t number = cp932::leadingNumber(address.substr(name.size()));
    for (size_t i = 0; i < pieces.size();) {
        const Piece& p = pieces[i];
        if (p.rangeStart && i + 1 < pieces.size()) {
            const int64_t low = cp932::leadingNumber(p.text);
            const int64_t high = cp932::leadingNumber(pieces[i + 1].text);
            if (low <= number && number <= high)
                return static_cast<int64_t>(name.size() + p.text.size());
            i += 2;
            continue;
        }
        scratch.assign(name);
        scratch.append(p.text);
        if (cp932::contains(address, scratch))
            return static_cast<int64_t>(scratch.size());
        ++i;
    }
    return -1;
}

} // namespace

bool isPlaceholderTown(std::string_view town) {
    return town == words().notListed || cp932::contains(town, words().wholeArea);
}

sjis::Bytes postalCodeOf(const std::filesystem::path& kenAll, std::string_view address) {
    std::error_code ec;
    if (!std::filesystem::exists(kenAll, ec))
        return {};
    const Words& w = words();
    CsvLines lines(kenAll);

    bool namesPrefecture = false;
    for (const auto& marker : w.prefectureMarkers)
        namesPrefecture = namesPrefecture || cp932::contains(address, marker);

    sjis::Bytes best;
    int64_t bestScore = -1;
    sjis::Bytes fallback;
    bool citySeen = false;
    bool leftCity = false;

    // A bracket that a line opened and has not closed yet: the town name it belongs to.
    bool bracketOpen = false;
    sjis::Bytes openName;

    std::vector<std::string_view> columns;
    std::vector<Piece> pieces;
    sjis::Bytes scratch;
    std::string_view line;
    while (lines.next(line)) {
        splitColumns(line, columns, MaxColumns);
        // A broken line (too few columns, no city) is no delivery area.
        if (columns.size() <= TownColumn || unquote(columns[CityColumn]).empty())
            continue;
        const std::string_view town = unquote(columns[TownColumn]);

        // Whether the town has bracket text on this line, and which; kept up for every
        // line, so that a bracket over several lines is followed whatever the address.
        bool bracketed = false;
        std::string_view name, rest;
        if (bracketOpen) {
            bracketed = true;
            name = openName;
            rest = town;
            bracketOpen = !cp932::contains(town, w.close);
        } else if (const size_t p = cp932::find(town, w.open); p != std::string_view::npos) {
            bracketed = true;
            name = town.substr(0, p);
            rest = town.substr(p + w.open.size());
            if (!cp932::contains(town, w.close)) {
                bracketOpen = true;
                openName.assign(name);
                name = openName;
            }
        }

        std::string_view a = address;
        if (namesPrefecture) {
            const std::string_view prefecture = unquote(columns[PrefectureColumn]);
            if (const size_t p = cp932::find(a, prefecture); p != std::string_view::npos)
                a.remove_prefix(p + prefecture.size());
        }
        const std::string_view city = unquote(columns[CityColumn]);
        const size_t c = cp932::find(a, city);
        if (c == std::string_view::npos) {
            if (citySeen) {
                leftCity = true;
                break;
            }
            continue;
        }
        a.remove_prefix(c + city.size());
        citySeen = true;

        if (isPlaceholderTown(town)) {
            fallback.assign(unquote(columns[CodeColumn]));
            continue;
        }
        int64_t score = -1;
        if (!bracketed) {
            if (cp932::contains(a, town))
                score = static_cast<int64_t>(town.size());
        } else {
            score = bracketScore(a, name, rest, pieces, scratch);
        }
        if (score > bestScore) {
            bestScore = score;
            best.assign(unquote(columns[CodeColumn]));
        }
    }
    if (bestScore >= 0)
        return best;
    // The place-holder counts only for the city the scan has just left.
    return leftCity ? fallback : sjis::Bytes();
}

} // namespace torvane::input
