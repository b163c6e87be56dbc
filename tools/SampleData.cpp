#include "tools/SampleData.h"

#include "app/SettingsCatalogue.h"
#include "common/EraDate.h"
#include "common/SettingsFile.h"
#include "store/Database.h"
#include "store/Schema.h"
#include "store/StoreError.h"

#include <sqlite3.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <random>
#include <unordered_map>
#include <variant>

namespace torvane::sample {
namespace {

using namespace std::chrono;

// Only the engine is used, never the standard distributions: their results differ between
// libraries, the engine's do not.
class Random {
public:
    explicit Random(unsigned seed)
        : engine_(seed) {}

    // 0 .. n-1
    int below(int n) { return static_cast<int>(engine_() % static_cast<uint32_t>(n)); }
    // lo .. hi
    int between(int lo, int hi) { return lo + below(hi - lo + 1); }
    // true in `percent` cases out of a hundred
    bool chance(int percent) { return below(100) < percent; }
    template <typename T, size_t N> const T& pick(const std::array<T, N>& from) {
        return from[static_cast<size_t>(below(static_cast<int>(N)))];
    }
    template <typename T> const T& pick(const std::vector<T>& from) {
        return from[static_cast<size_t>(below(static_cast<int>(from.size())))];
    }

private:
    std::mt19937 engine_;
};

// ---- people, places and cars

struct Reading {
    const char* written;
    const char* kana;
};

constexpr std::array<Reading, 40> FamilyNames{{
    {"佐藤", "さとう"},     {"鈴木", "すずき"},   {"高橋", "たかはし"}, {"田中", "たなか"},
    {"伊藤", "いとう"},     {"渡辺", "わたなべ"}, {"山本", "やまもと"}, {"中村", "なかむら"},
    {"小林", "こばやし"},   {"加藤", "かとう"},   {"吉田", "よしだ"},   {"山田", "やまだ"},
    {"佐々木", "ささき"},   {"山口", "やまぐち"}, {"松本", "まつもと"}, {"井上", "いのうえ"},
    {"木村", "きむら"},     {"林", "はやし"},     {"斎藤", "さいとう"}, {"清水", "しみず"},
    {"山崎", "やまざき"},   {"森", "もり"},       {"池田", "いけだ"},   {"橋本", "はしもと"},
    {"阿部", "あべ"},       {"石川", "いしかわ"}, {"山下", "やました"}, {"中島", "なかじま"},
    {"石井", "いしい"},     {"小川", "おがわ"},   {"前田", "まえだ"},   {"岡田", "おかだ"},
    {"長谷川", "はせがわ"}, {"藤田", "ふじた"},   {"後藤", "ごとう"},   {"近藤", "こんどう"},
    {"村上", "むらかみ"},   {"遠藤", "えんどう"}, {"青木", "あおき"},   {"坂本", "さかもと"},
}};

constexpr std::array<Reading, 40> GivenNames{{
    {"太郎", "たろう"},   {"一郎", "いちろう"}, {"健太", "けんた"},   {"大輔", "だいすけ"},
    {"翔太", "しょうた"}, {"誠", "まこと"},     {"浩", "ひろし"},     {"隆", "たかし"},
    {"修", "おさむ"},     {"茂", "しげる"},     {"和夫", "かずお"},   {"正人", "まさと"},
    {"拓也", "たくや"},   {"直樹", "なおき"},   {"健一", "けんいち"}, {"秀樹", "ひでき"},
    {"聡", "さとし"},     {"勇気", "ゆうき"},   {"達也", "たつや"},   {"優斗", "ゆうと"},
    {"花子", "はなこ"},   {"恵子", "けいこ"},   {"幸子", "さちこ"},   {"洋子", "ようこ"},
    {"美穂", "みほ"},     {"由美", "ゆみ"},     {"裕子", "ゆうこ"},   {"智子", "ともこ"},
    {"久美子", "くみこ"}, {"真由美", "まゆみ"}, {"明美", "あけみ"},   {"直美", "なおみ"},
    {"陽子", "ようこ"},   {"彩", "あや"},       {"舞", "まい"},       {"愛", "あい"},
    {"美咲", "みさき"},   {"千尋", "ちひろ"},   {"結衣", "ゆい"},     {"麻衣", "まい"},
}};

// Businesses that bring their vans and light trucks.
constexpr std::array<Reading, 6> Companies{{
    {"有限会社　丸山運送", "まるやまうんそう"},
    {"株式会社　大森設備", "おおもりせつび"},
    {"蒲田建材株式会社", "かまたけんざい"},
    {"有限会社　池上電気工事", "いけがみでんきこうじ"},
    {"株式会社　羽田フーズ", "はねだふーず"},
    {"矢口塗装店", "やぐちとそうてん"},
}};

struct Town {
    const char* postalCode;
    const char* address;
};

// The workshop's neighbourhood: most customers live within a few kilometres.
constexpr std::array<Town, 20> Towns{{
    {"143-0016", "東京都大田区大森北"}, {"143-0015", "東京都大田区大森西"},
    {"143-0023", "東京都大田区山王"},   {"143-0025", "東京都大田区南馬込"},
    {"143-0021", "東京都大田区北馬込"}, {"144-0052", "東京都大田区蒲田"},
    {"144-0051", "東京都大田区西蒲田"}, {"144-0035", "東京都大田区南蒲田"},
    {"144-0033", "東京都大田区東糀谷"}, {"144-0043", "東京都大田区羽田"},
    {"145-0064", "東京都大田区上池台"}, {"145-0071", "東京都大田区田園調布"},
    {"146-0082", "東京都大田区池上"},   {"146-0083", "東京都大田区千鳥"},
    {"146-0085", "東京都大田区久が原"}, {"146-0092", "東京都大田区下丸子"},
    {"146-0093", "東京都大田区矢口"},   {"140-0011", "東京都品川区東大井"},
    {"142-0041", "東京都品川区戸越"},   {"141-0031", "東京都品川区西五反田"},
}};

constexpr std::array<const char*, 8> Buildings{{"コーポ池上", "メゾン山王", "グリーンハイツ",
                                                "サンライズ蒲田", "パークサイド大森", "ハイム千鳥",
                                                "ライオンズマンション", "第二石井荘"}};

// Plate offices, weighted towards the workshop's own (品川).
constexpr std::array<const char*, 10> PlateOffices{
    {"品川", "品川", "品川", "品川", "品川", "品川", "世田谷", "練馬", "横浜", "川崎"}};

// Hiragana of private plates; 軽自動車 use their own row.
constexpr std::array<const char*, 31> PrivateKana{
    {"さ", "す", "せ", "そ", "た", "ち", "つ", "て", "と", "な", "に", "ぬ", "ね", "の", "は", "ひ",
     "ふ", "ほ", "ま", "み", "む", "め", "も", "や", "ゆ", "よ", "ら", "り", "る", "れ", "ろ"}};
constexpr std::array<const char*, 10> LightKana{
    {"あ", "い", "う", "え", "か", "き", "く", "け", "こ", "を"}};

enum VehicleClass { Light = 0, Standard = 1 }; // 軽自動車, 普通自動車: classes 1 and 2

constexpr std::array<const char*, 2> ClassNames{{"軽自動車", "普通自動車"}};

struct CarModel {
    const char* name;
    VehicleClass vehicleClass;
    const char* plateClass; // 分類番号
    const char* type;       // 型式
    const char* frame;      // 車台番号 prefix
    const char* engine;     // 原動機の型式
    int weightTax;          // 重量税 for two years
    bool business;          // a van or truck a business would own
};

constexpr std::array<CarModel, 30> CarModels{{
    {"N-BOX", Light, "580", "DBA-JF1", "JF1", "S07A", 6600, false},
    {"N-WGN", Light, "580", "DBA-JH1", "JH1", "S07A", 6600, false},
    {"タント", Light, "580", "DBA-LA600S", "LA600S", "KF", 6600, false},
    {"ムーヴ", Light, "580", "DBA-LA150S", "LA150S", "KF", 6600, false},
    {"ワゴンR", Light, "580", "DBA-MH34S", "MH34S", "R06A", 6600, false},
    {"スペーシア", Light, "581", "DAA-MK53S", "MK53S", "R06A", 6600, false},
    {"ハスラー", Light, "580", "DAA-MR41S", "MR41S", "R06A", 6600, false},
    {"ミラ", Light, "580", "DBA-L275S", "L275S", "KF", 6600, false},
    {"アルト", Light, "580", "DBA-HA36S", "HA36S", "R06A", 6600, false},
    {"デイズ", Light, "581", "DBA-B21W", "B21W", "3B20", 6600, false},
    {"エブリイ", Light, "480", "EBD-DA17V", "DA17V", "R06A", 6600, true},
    {"ハイゼット", Light, "480", "EBD-S321V", "S321V", "KF", 6600, true},
    {"キャリイ", Light, "480", "EBD-DA16T", "DA16T", "R06A", 6600, true},
    {"プリウス", Standard, "530", "DAA-ZVW30", "ZVW30", "2ZR", 24600, false},
    {"アクア", Standard, "500", "DAA-NHP10", "NHP10", "1NZ", 24600, false},
    {"カローラフィールダー", Standard, "500", "DBA-NZE161G", "NZE161", "1NZ", 24600, false},
    {"ヴォクシー", Standard, "530", "DBA-ZRR70G", "ZRR70", "3ZR", 32800, false},
    {"ノア", Standard, "500", "DBA-ZRR80G", "ZRR80", "3ZR", 32800, false},
    {"アルファード", Standard, "330", "DBA-ANH20W", "ANH20", "2AZ", 41000, false},
    {"フィット", Standard, "500", "DBA-GE6", "GE6", "L13A", 24600, false},
    {"フリード", Standard, "500", "DBA-GB3", "GB3", "L15A", 24600, false},
    {"ステップワゴン", Standard, "500", "DBA-RK1", "RK1", "R20A", 32800, false},
    {"セレナ", Standard, "500", "DBA-C26", "C26", "MR20", 32800, false},
    {"ノート", Standard, "500", "DBA-E12", "E12", "HR12", 24600, false},
    {"デミオ", Standard, "500", "DBA-DE3FS", "DE3FS", "ZJ", 16400, false},
    {"CX-5", Standard, "300", "LDA-KE2FW", "KE2FW", "SH", 32800, false},
    {"フォレスター", Standard, "300", "DBA-SJ5", "SJ5", "FB20", 32800, false},
    {"クラウン", Standard, "300", "DBA-GRS200", "GRS200", "4GR", 32800, false},
    {"シエンタ", Standard, "500", "DBA-NCP81G", "NCP81", "1NZ", 24600, false},
    {"ハイエース", Standard, "400", "CBF-TRH200V", "TRH200", "1TR", 24600, true},
}};

// ---- the workshop

constexpr std::array<const char*, 5> Titles{{"車検", "12ヶ月点検", "修理", "一般整備", "見積り"}};
// Out of a hundred statements.
constexpr std::array<int, 5> TitleWeights{{25, 15, 25, 25, 10}};

constexpr std::array<const char*, 2> FrontDesk{{"小林", "佐藤"}};
constexpr std::array<const char*, 3> Mechanics{{"高橋", "伊藤", "渡辺"}};

constexpr std::array<const char*, 8> Comments{{
    "次回オイル交換　５，０００ｋｍ後",
    "代車貸出（軽）",
    "部品取り寄せのため２日預り",
    "タイヤ溝少なめ、次回交換をおすすめ",
    "ブレーキパッド残量３ｍｍ",
    "お支払いは月末振込",
    "引取・納車あり",
    "バッテリー弱り気味",
}};

// One entry of the item master: a work, a part, or both, with hours and unit price for
// each vehicle class.
struct Item {
    const char* name;
    const char* group; // 分類名
    std::array<int, 2> tenthsOfHours;
    std::array<int, 2> unitPrice;
    std::array<double, 2> quantity; // when a part is used
    bool litres;                    // bought by the litre: the quantity varies
    int stock;
    const char* remark;
};

constexpr int Inspection24 = 0; // index of the 24-month inspection in items()
constexpr int Inspection12 = 1; // and of the 12-month one

const std::vector<Item>& items() {
    static const std::vector<Item> all = {
        {"２４ヶ月定期点検", "点検", {20, 25}, {0, 0}, {0, 0}, false, 0, nullptr},
        {"１２ヶ月定期点検", "点検", {10, 12}, {0, 0}, {0, 0}, false, 0, nullptr},
        {"下回りスチーム洗浄", "点検", {5, 6}, {0, 0}, {0, 0}, false, 0, nullptr},
        {"下回り防錆塗装", "点検", {8, 10}, {2800, 3800}, {1, 1}, false, 6, nullptr},
        {"ヘッドライト光軸調整", "点検", {3, 3}, {0, 0}, {0, 0}, false, 0, nullptr},
        {"排気ガス測定", "点検", {2, 2}, {0, 0}, {0, 0}, false, 0, nullptr},
        {"故障診断（スキャンツール）", "点検", {5, 5}, {0, 0}, {0, 0}, false, 0, nullptr},

        {"エンジンオイル", "消耗品", {0, 0}, {1200, 1200}, {3, 4}, true, 120, "0W-20"},
        {"オイル交換", "消耗品", {2, 3}, {0, 0}, {0, 0}, false, 0, nullptr},
        {"オイルエレメント", "消耗品", {2, 2}, {1500, 1800}, {1, 1}, false, 24, nullptr},
        {"エアクリーナーエレメント", "消耗品", {2, 3}, {2800, 3800}, {1, 1}, false, 8, nullptr},
        {"エアコンフィルター", "消耗品", {3, 3}, {2800, 3500}, {1, 1}, false, 10, nullptr},
        {"ワイパーゴム", "消耗品", {1, 1}, {900, 1200}, {2, 2}, false, 30, nullptr},
        {"ワイパーブレード", "消耗品", {1, 1}, {2200, 2600}, {2, 2}, false, 12, nullptr},
        {"バッテリー", "消耗品", {3, 3}, {9800, 18000}, {1, 1}, false, 6, "廃バッテリー引取"},
        {"スパークプラグ", "消耗品", {5, 8}, {1200, 1600}, {3, 4}, false, 40, nullptr},
        {"ロングライフクーラント", "消耗品", {5, 6}, {800, 800}, {2, 4}, true, 40, nullptr},
        {"ブレーキフルード", "消耗品", {5, 6}, {1600, 1600}, {1, 1}, false, 20, "DOT4"},
        {"ATF", "消耗品", {6, 8}, {1500, 1500}, {3, 4}, true, 60, nullptr},
        {"ウォッシャー液", "消耗品", {0, 0}, {385, 385}, {1, 1}, false, 24, nullptr},

        {"タイミングベルト", "エンジン", {25, 35}, {9800, 14800}, {1, 1}, false, 2, nullptr},
        {"ウォーターポンプ", "エンジン", {18, 25}, {9800, 15000}, {1, 1}, false, 2, nullptr},
        {"ファンベルト", "エンジン", {5, 8}, {2400, 3200}, {1, 1}, false, 8, nullptr},
        {"サーモスタット", "エンジン", {8, 10}, {3800, 4600}, {1, 1}, false, 3, nullptr},
        {"ラジエーターホース", "エンジン", {6, 8}, {2600, 3400}, {1, 1}, false, 4, nullptr},
        {"ラジエーター", "エンジン", {15, 20}, {28000, 42000}, {1, 1}, false, 0, "社外品"},
        {"イグニッションコイル", "エンジン", {3, 5}, {6800, 9800}, {1, 1}, false, 2, nullptr},
        {"エンジンマウント", "エンジン", {12, 18}, {7800, 12000}, {1, 1}, false, 0, nullptr},
        {"O2センサー", "エンジン", {5, 6}, {14000, 22000}, {1, 1}, false, 0, nullptr},
        {"ヘッドカバーパッキン", "エンジン", {10, 15}, {2200, 3600}, {1, 1}, false, 3, nullptr},
        {"スロットルボディ清掃", "エンジン", {5, 6}, {0, 0}, {0, 0}, false, 0, nullptr},

        {"フロントブレーキパッド", "ブレーキ", {8, 10}, {5800, 8800}, {1, 1}, false, 6, nullptr},
        {"リアブレーキシュー", "ブレーキ", {10, 12}, {6400, 8200}, {1, 1}, false, 4, nullptr},
        {"ブレーキローター", "ブレーキ", {6, 8}, {7800, 12000}, {2, 2}, false, 2, nullptr},
        {"キャリパーオーバーホール", "ブレーキ", {12, 16}, {4800, 6200}, {1, 1}, false, 3, nullptr},
        {"ホイールシリンダーキット", "ブレーキ", {8, 10}, {2200, 2800}, {2, 2}, false, 4, nullptr},
        {"パーキングブレーキ調整", "ブレーキ", {3, 3}, {0, 0}, {0, 0}, false, 0, nullptr},
        {"ブレーキ清掃・調整", "ブレーキ", {4, 5}, {0, 0}, {0, 0}, false, 0, nullptr},

        {"タイヤ", "足回り", {0, 0}, {6800, 11800}, {4, 4}, false, 16, "155/65R14・195/65R15"},
        {"タイヤ組替え・バランス", "足回り", {8, 10}, {0, 0}, {0, 0}, false, 0, nullptr},
        {"タイヤローテーション", "足回り", {4, 5}, {0, 0}, {0, 0}, false, 0, nullptr},
        {"ホイールアライメント調整", "足回り", {10, 12}, {0, 0}, {0, 0}, false, 0, nullptr},
        {"ショックアブソーバー", "足回り", {15, 20}, {9800, 16000}, {2, 2}, false, 0, nullptr},
        {"スタビライザーリンク", "足回り", {4, 6}, {3200, 4800}, {1, 1}, false, 2, nullptr},
        {"タイロッドエンドブーツ", "足回り", {6, 8}, {1200, 1600}, {2, 2}, false, 6, nullptr},
        {"ドライブシャフトブーツ", "足回り", {12, 16}, {3800, 4800}, {1, 1}, false, 4, "分割式"},
        {"ハブベアリング", "足回り", {15, 18}, {8800, 12800}, {1, 1}, false, 0, nullptr},
        {"ロアアームブッシュ", "足回り", {15, 20}, {4800, 6800}, {2, 2}, false, 0, nullptr},

        {"ヘッドライトバルブ", "電装", {2, 3}, {1800, 3200}, {1, 1}, false, 10, "H4"},
        {"ブレーキランプ球", "電装", {1, 1}, {385, 385}, {1, 1}, false, 20, nullptr},
        {"ウインカー球", "電装", {1, 1}, {275, 275}, {1, 1}, false, 20, nullptr},
        {"ナンバー灯球", "電装", {1, 1}, {165, 165}, {1, 1}, false, 20, nullptr},
        {"ヒューズ", "電装", {1, 1}, {105, 105}, {1, 1}, false, 50, nullptr},
        {"オルタネーター", "電装", {12, 16}, {28000, 38000}, {1, 1}, false, 0, "リビルト品"},
        {"セルモーター", "電装", {10, 15}, {22000, 32000}, {1, 1}, false, 0, "リビルト品"},
        {"パワーウインドウスイッチ", "電装", {5, 6}, {8800, 12000}, {1, 1}, false, 0, nullptr},

        {"エアコンガス補充", "空調", {5, 6}, {2400, 3200}, {1, 2}, false, 12, "R134a"},
        {"エアコンコンプレッサー", "空調", {25, 30}, {42000, 68000}, {1, 1}, false, 0, nullptr},
        {"エアコン点検", "空調", {5, 5}, {0, 0}, {0, 0}, false, 0, nullptr},

        {"マフラー", "外装", {8, 12}, {18000, 28000}, {1, 1}, false, 0, nullptr},
        {"ドアミラー", "外装", {5, 6}, {12000, 18000}, {1, 1}, false, 0, nullptr},
        {"バンパー脱着", "外装", {8, 10}, {0, 0}, {0, 0}, false, 0, nullptr},
        {"洗車", "外装", {3, 4}, {0, 0}, {0, 0}, false, 0, nullptr},
    };
    return all;
}

// ---- text helpers (UTF-8: the database's form)

// Full-width digits of a number, as the workshop types them in addresses.
std::string wide(int n) {
    std::string out;
    for (char c : std::to_string(n)) {
        out += "\xEF\xBC";
        out += static_cast<char>(0x90 + (c - '0'));
    }
    return out;
}

std::string utf8(const sjis::Bytes& cp932) {
    return sjis::toUtf8(cp932).value_or(std::string());
}

std::string eraDate(year_month_day d) {
    return utf8(era::dateText(static_cast<int>(d.year()), static_cast<int>(unsigned(d.month())),
                              static_cast<int>(unsigned(d.day()))));
}

// "平成２２年０４月": the year and month of a first registration.
std::string eraMonth(year_month_day d) {
    const std::string full = eraDate(d);
    return full.substr(0, full.size() - 3 * 3); // without "dd日"
}

std::string twoDigits(int n) {
    return (n < 10 ? "0" : "") + std::to_string(n);
}

// The number on a plate: "12-34", "・123", "・・12" or "・・・8".
std::string plateSerial(int n) {
    if (n >= 1000)
        return std::to_string(n / 100) + "-" + twoDigits(n % 100);
    std::string dots = n >= 100 ? "・" : n >= 10 ? "・・" : "・・・";
    return dots + std::to_string(n);
}

int keyOf(year_month_day d) {
    return static_cast<int>(d.year()) * 10000 + static_cast<int>(unsigned(d.month())) * 100 +
           static_cast<int>(unsigned(d.day()));
}

// ---- customers

struct Customer {
    std::string name;
    std::string kana;
    std::string postalCode;
    std::string address;
    std::string phone;
    int model = 0;
    std::string plate;
    std::string frameNumber;
    year_month_day firstRegistered;
    int kilometresPerYear = 0;
};

Customer newCustomer(Random& r, year_month_day firstVisit) {
    Customer c;
    const bool company = r.chance(5);
    if (company) {
        const Reading& co = r.pick(Companies);
        c.name = co.written;
        c.kana = co.kana;
    } else {
        const Reading& family = r.pick(FamilyNames);
        const Reading& given = r.pick(GivenNames);
        c.name = std::string(family.written) + "　" + given.written;
        c.kana = std::string(family.kana) + "　" + given.kana;
    }
    const Town& town = r.pick(Towns);
    c.postalCode = town.postalCode;
    c.address = std::string(town.address) + wide(r.between(1, 6)) + "丁目" +
                wide(r.between(1, 30)) + "番" + wide(r.between(1, 25)) + "号";
    if (!company && r.chance(30))
        c.address += std::string("　") + r.pick(Buildings) + wide(r.between(1, 4)) +
                     wide(r.between(1, 8)) + "号室";
    if (company || r.chance(45))
        c.phone = "03-" + std::to_string(r.between(3730, 3779)) + "-" +
                  std::to_string(r.between(1000, 9999));
    else
        c.phone = std::string(r.chance(60) ? "090-" : "080-") +
                  std::to_string(r.between(1000, 9999)) + "-" +
                  std::to_string(r.between(1000, 9999));

    do {
        c.model = r.below(static_cast<int>(CarModels.size()));
    } while (CarModels[static_cast<size_t>(c.model)].business != company && r.chance(85));
    const CarModel& car = CarModels[static_cast<size_t>(c.model)];
    const bool light = car.vehicleClass == Light;
    c.plate = std::string(r.pick(PlateOffices)) + " " + car.plateClass + " " +
              (light ? r.pick(LightKana) : r.pick(PrivateKana)) + " " +
              plateSerial(r.chance(80) ? r.between(1000, 9999) : r.between(1, 999));
    c.frameNumber = std::string(car.frame) + "-" + std::to_string(r.between(1000000, 9999999));
    // Bought new or second-hand a few years before the first visit.
    const auto registered = sys_days(firstVisit) - days(r.between(30, 365 * 9));
    const year_month_day reg(registered);
    c.firstRegistered = year_month_day(reg.year(), reg.month(), day(1));
    c.kilometresPerYear = r.between(3000, 15000);
    return c;
}

// ---- statements

using Cell = std::variant<std::monostate, int64_t, double, std::string>;

// The columns of a table and a row of values for them, bound to one prepared INSERT.
class RowWriter {
public:
    RowWriter(store::Database& db, const std::string& table) {
        store::Statement info =
            db.prepare("PRAGMA table_info(" + store::Database::quote(table) + ")");
        std::string columns;
        std::string marks;
        while (info.step()) {
            const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(info.get(), 1));
            const std::string name = p ? p : "";
            if (name == "ID")
                continue;
            index_.emplace(name, static_cast<int>(cells_.size()));
            cells_.emplace_back();
            columns += (columns.empty() ? "" : ", ") + store::Database::quote(name);
            marks += marks.empty() ? "?" : ", ?";
        }
        insert_ = db.prepare("INSERT INTO " + store::Database::quote(table) + " (" + columns +
                             ") VALUES (" + marks + ")");
    }

    // The position of a column; -1 when the table has none of that name (an older file),
    // and writes to it are then dropped.
    int column(const std::string& name) const {
        const auto it = index_.find(name);
        return it == index_.end() ? -1 : it->second;
    }

    void set(int column, Cell value) {
        if (column >= 0)
            cells_[static_cast<size_t>(column)] = std::move(value);
    }
    void set(const std::string& name, Cell value) { set(column(name), std::move(value)); }

    void write() {
        for (size_t i = 0; i < cells_.size(); ++i) {
            const int param = static_cast<int>(i) + 1;
            Cell& c = cells_[i];
            if (const auto* n = std::get_if<int64_t>(&c))
                insert_.bind(param, *n);
            else if (const auto* d = std::get_if<double>(&c))
                insert_.bindDouble(param, *d);
            else if (const auto* s = std::get_if<std::string>(&c))
                insert_.bindText(param, *s);
            c = std::monostate();
        }
        insert_.step();
        insert_.reset();
    }

private:
    std::unordered_map<std::string, int> index_;
    std::vector<Cell> cells_;
    store::Statement insert_;
};

// Column positions of the statement fields, looked up once.
struct RequestColumns {
    explicit RequestColumns(const RowWriter& w) {
        for (int n = 1; n <= store::schema::ItemSlotCount; ++n) {
            const std::string s = std::to_string(n);
            auto& slot = slots[static_cast<size_t>(n - 1)];
            slot = {w.column("作業内容" + s), w.column("数量" + s), w.column("単価" + s),
                    w.column("部品代" + s),   w.column("時間" + s), w.column("作業工賃" + s)};
        }
    }
    // 作業内容, 数量, 単価, 部品代, 時間, 作業工賃 of slots 1..35
    std::array<std::array<int, 6>, store::schema::ItemSlotCount> slots{};
};

year_month_day dayAfter(year_month_day d, int n) {
    return year_month_day(sys_days(d) + days(n));
}

year_month_day earlier(year_month_day a, year_month_day b) {
    return sys_days(a) < sys_days(b) ? a : b;
}

// A working day: a Sunday becomes the Monday after, or the Saturday before at the end.
year_month_day workingDay(sys_days d, sys_days last) {
    if (weekday(d) == Sunday)
        d += d + days(1) <= last ? days(1) : days(-1);
    return year_month_day(d);
}

int pickTitle(Random& r) {
    int roll = r.below(100);
    for (size_t i = 0; i < TitleWeights.size(); ++i) {
        if (roll < TitleWeights[i])
            return static_cast<int>(i);
        roll -= TitleWeights[i];
    }
    return 0;
}

} // namespace

void makeStatements(store::Database& db, int count, unsigned seed, year_month_day until) {
    if (count <= 0)
        return;
    Random r(seed);

    // The receiving days, oldest first.
    const sys_days last(until);
    year_month_day from(until.year() - years(YearsOfHistory), until.month(), until.day());
    if (!from.ok())
        from = year_month_day_last(from.year(), month_day_last(from.month()));
    const sys_days first = sys_days(from) + days(1);
    const int span = static_cast<int>((last - first).count()) + 1;
    std::vector<int> offsets(static_cast<size_t>(count));
    for (auto& o : offsets)
        o = r.below(span);
    std::sort(offsets.begin(), offsets.end());

    // The unfinished ones are the work of the last few days, the newest received on the
    // last day itself.
    const int unfinished = std::min(count, r.between(2, 3));
    for (int k = 0; k < unfinished; ++k) {
        int& o = offsets[static_cast<size_t>(count - 1 - k)];
        o = std::max(o, k == 0 ? span - 1 : span - 1 - r.between(1, 4));
    }
    std::sort(offsets.begin(), offsets.end());

    store::Database::Transaction tx(db);
    RowWriter row(db, "Request");
    const RequestColumns cols(row);
    std::vector<Customer> customers;
    customers.reserve(static_cast<size_t>(count / 3 + 8));
    const auto& catalogue = items();

    for (int i = 0; i < count; ++i) {
        const year_month_day created =
            workingDay(first + days(offsets[static_cast<size_t>(i)]), last);
        const bool finished = i < count - unfinished;

        // Regulars come back; one visit in four is a new customer.
        if (customers.empty() || r.chance(25))
            customers.push_back(newCustomer(r, created));
        const Customer& c = r.pick(customers);
        const CarModel& car = CarModels[static_cast<size_t>(c.model)];
        const int cls = car.vehicleClass;

        const int title = pickTitle(r);
        const bool inspection = title == 0;

        const year_month_day arrived = r.chance(70) ? created : dayAfter(created, r.between(1, 2));
        row.set("種別", std::string(ClassNames[static_cast<size_t>(cls)]));
        row.set("作成日", eraDate(created));
        row.set("入庫日", eraDate(earlier(arrived, until)));
        if (finished) {
            const int stay = inspection ? r.between(1, 3) : r.between(0, 10);
            row.set("出庫日", eraDate(earlier(dayAfter(arrived, stay), until)));
        }
        row.set("タイトル", std::string(Titles[static_cast<size_t>(title)]));
        row.set("ふりがな", c.kana);
        row.set("氏名", c.name);
        row.set("郵便番号", c.postalCode);
        row.set("住所", c.address);
        row.set("電話番号", c.phone);
        row.set("自動車登録番号", c.plate);
        row.set("車名", std::string(car.name));
        const int age = std::max(
            0, static_cast<int>((sys_days(created) - sys_days(c.firstRegistered)).count()) / 365);
        row.set("走行距離",
                std::to_string(age * c.kilometresPerYear + r.between(100, c.kilometresPerYear)));
        if (r.chance(20))
            row.set("コメント", std::string(r.pick(Comments)));
        row.set("初度登録", eraMonth(c.firstRegistered));
        row.set("型式", std::string(car.type));
        row.set("車台番号", c.frameNumber);
        row.set("原動機の型式", std::string(car.engine));
        row.set("車検", std::string(inspection ? "True" : "False"));
        row.set("受付担当", std::string(r.pick(FrontDesk)));
        row.set("整備担当", std::string(r.pick(Mechanics)));
        row.set("項番", static_cast<int64_t>(keyOf(created)));

        // The newest statement was only just received: nothing entered yet.
        const bool justReceived = i == count - 1 && !finished;
        if (justReceived) {
            row.set("請求額", int64_t{0});
            row.write();
            continue;
        }

        // The work: the inspection itself first, then distinct items of the master.
        std::vector<int> chosen;
        if (title == 0)
            chosen.push_back(Inspection24);
        else if (title == 1)
            chosen.push_back(Inspection12);
        const int slotCount = r.between(5, 20);
        while (static_cast<int>(chosen.size()) < slotCount) {
            const int k = r.between(2, static_cast<int>(catalogue.size()) - 1);
            if (std::find(chosen.begin(), chosen.end(), k) == chosen.end())
                chosen.push_back(k);
        }

        int64_t partsTotal = 0;
        int64_t labourTotal = 0;
        for (size_t s = 0; s < chosen.size(); ++s) {
            const Item& item = catalogue[static_cast<size_t>(chosen[s])];
            const auto& f = cols.slots[s];
            row.set(f[0], std::string(item.name));
            const int price = item.unitPrice[static_cast<size_t>(cls)];
            if (price > 0) {
                double quantity = item.quantity[static_cast<size_t>(cls)];
                if (item.litres)
                    quantity += 0.5 * r.between(-1, 1);
                // Quantities are whole, or halves of an even price: whole yen.
                const auto parts = static_cast<int64_t>(price * quantity);
                row.set(f[1], quantity);
                row.set(f[2], static_cast<int64_t>(price));
                row.set(f[3], static_cast<double>(parts));
                partsTotal += parts;
            }
            const int tenths = item.tenthsOfHours[static_cast<size_t>(cls)];
            if (tenths > 0) {
                const int64_t labour = int64_t{LabourRate} * tenths / 10;
                row.set(f[4], tenths / 10.0);
                row.set(f[5], static_cast<double>(labour));
                labourTotal += labour;
            }
        }

        int64_t adjustment = 0;
        if (inspection) {
            const int64_t insurance = cls == Light ? 17540 : 17650;
            const int64_t stamp = cls == Light ? 1400 : 1800;
            const int64_t other = r.chance(30) ? 1100 : 0;
            const int64_t fees = insurance + car.weightTax + stamp + other;
            // Customers pay the legal fees in advance, all of them or a round sum.
            const int64_t deposit = r.chance(50) ? fees : r.chance(50) ? fees / 10000 * 10000 : 0;
            row.set("自賠責", insurance);
            row.set("重量税", static_cast<int64_t>(car.weightTax));
            row.set("印紙代", stamp);
            row.set("諸費用", other);
            row.set("車検合計", fees);
            row.set("お預り", deposit);
            adjustment = fees - deposit;
        }

        if (finished) {
            const int64_t tax = (TaxPercent * (partsTotal + labourTotal) + 50) / 100;
            row.set("部品代合計", partsTotal);
            row.set("作業工賃合計", labourTotal);
            row.set("消費税", tax);
            row.set("調整額", adjustment);
            row.set("請求額", partsTotal + labourTotal + tax + adjustment);
        }
        row.write();
    }
    tx.commit();
}

std::vector<SettingsFileText> settingsFiles() {
    auto lines = [](std::initializer_list<const char*> utf8) {
        std::vector<sjis::Bytes> out;
        for (const char* l : utf8)
            out.push_back(sjis::lit(l));
        return out;
    };
    std::vector<SettingsFileText> out;
    out.push_back({files::Rate, {std::to_string(LabourRate)}});
    out.push_back({files::User, lines({"有限会社　大森モータース", "143-0016",
                                       "東京都大田区大森北３丁目１２番８号", "03-3761-4528",
                                       "03-3761-4529", "代表取締役　小林　正雄",
                                       "大田中央信用金庫　大森支店　普通　０１２３４５６"})});
    out.push_back({files::Zei, {std::to_string(TaxPercent)}});
    out.push_back({files::Title, lines({"車検", "12ヶ月点検", "修理", "一般整備", "見積り"})});
    out.push_back({files::Charge, lines({"小林", "佐藤", "高橋", "伊藤", "渡辺"})});
    out.push_back({files::Class, lines({"軽自動車", "普通自動車"})});
    out.push_back({files::Exp, lines({"代行手数料", "納車費用", "引取費用", "検査手数料", "保管料",
                                      "レッカー代"})});
    return out;
}

void writeSettingsFiles(const std::filesystem::path& dir) {
    for (const auto& f : settingsFiles())
        settings::write(dir / f.name, f.lines);
}

void makeItemMaster(store::Database& db) {
    store::Database::Transaction tx(db);
    RowWriter row(db, "ReqItem");
    Random r(7);
    int code = 1;
    for (const Item& item : items()) {
        row.set("項目名", std::string(item.name));
        row.set("分類名", std::string(item.group));
        row.set("コード", static_cast<int64_t>(code++));
        if (item.remark)
            row.set("コメント1", std::string(item.remark));
        for (size_t c = 0; c < 2; ++c) {
            const std::string n = std::to_string(c + 1);
            if (item.tenthsOfHours[c] > 0)
                row.set("時間" + n, item.tenthsOfHours[c] / 10.0);
            if (item.unitPrice[c] > 0)
                row.set("単価" + n, static_cast<int64_t>(item.unitPrice[c]));
        }
        // Everyday work is quoted far more often than major repairs.
        const bool everyday =
            std::string_view(item.group) == "消耗品" || std::string_view(item.group) == "点検";
        row.set("引用回数",
                static_cast<int64_t>(everyday ? r.between(200, 1500) : r.between(0, 120)));
        row.set("在庫数", static_cast<int64_t>(item.stock));
        row.write();
    }
    tx.commit();
}

void makeExpenseNames(store::Database& db) {
    struct Expense {
        const char* name;
        int light;
        int standard;
    };
    constexpr std::array<Expense, 3> expenses{{
        {"諸費用", 1100, 1100},
        {"検査手数料", 1800, 2200},
        {"代行手数料", 11000, 13200},
    }};
    store::Database::Transaction tx(db);
    RowWriter row(db, "ReExpense");
    for (const auto& e : expenses) {
        row.set("項目名", std::string(e.name));
        row.set("諸費用1", static_cast<int64_t>(e.light));
        row.set("諸費用2", static_cast<int64_t>(e.standard));
        row.write();
    }
    tx.commit();
}

bool makeDemoDirectory(const std::filesystem::path& dir, int count, unsigned seed,
                       year_month_day until) {
    std::filesystem::create_directories(dir);
    const std::filesystem::path database = dir / files::Database;
    if (std::filesystem::exists(database))
        return false;
    // The database is filled under another name and moved into place when complete: an
    // interrupted run leaves no half-made demo that a second run would then keep.
    const std::filesystem::path building = database.string() + ".demo";
    std::filesystem::remove(building);
    {
        auto db = store::Database::open(building);
        makeItemMaster(*db);
        makeExpenseNames(*db);
        makeStatements(*db, count, seed, until);
    }
    writeSettingsFiles(dir);
    std::filesystem::rename(building, database);
    return true;
}

} // namespace torvane::sample
