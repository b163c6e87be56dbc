#include "common/Sjis.h"

#include <QString>

#include <cerrno>
#include <iconv.h>

namespace torvane::sjis {
namespace {

// One iconv descriptor per direction and thread; opening one costs far more than a
// conversion of a short text.
class Converter {
public:
    Converter(const char* to, const char* from)
        : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (valid())
            iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts as much as it can; returns false at an invalid or incomplete sequence,
    // leaving `in` pointing at it. Output is appended to `out`.
    bool run(const char*& in, size_t& inLeft, std::string& out) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char buffer[1024];
        while (inLeft > 0) {
            char* dst = buffer;
            size_t dstLeft = sizeof buffer;
            char* src = const_cast<char*>(in);
            const size_t rc = iconv(cd_, &src, &inLeft, &dst, &dstLeft);
            in = src;
            out.append(buffer, dst);
            if (rc == static_cast<size_t>(-1) && errno != E2BIG)
                return false;
        }
        return true;
    }

private:
    iconv_t cd_;
};

Converter& decoder() {
    thread_local Converter c("UTF-8", "CP932");
    return c;
}

Converter& encoder() {
    thread_local Converter c("CP932", "UTF-8");
    return c;
}

bool isAscii(std::string_view s) {
    for (unsigned char c : s)
        if (c >= 0x80)
            return false;
    return true;
}

// Unicode characters that other Japanese encodings use where CP932 has a neighbour.
char32_t cp932Variant(char32_t c) {
    switch (c) {
    case 0x301C:
        return 0xFF5E; // WAVE DASH -> FULLWIDTH TILDE
    case 0x2016:
        return 0x2225; // DOUBLE VERTICAL LINE -> PARALLEL TO
    case 0x2212:
        return 0xFF0D; // MINUS SIGN -> FULLWIDTH HYPHEN-MINUS
    case 0x2014:
        return 0x2015; // EM DASH -> HORIZONTAL BAR
    case 0x00A2:
        return 0xFFE0; // CENT SIGN
    case 0x00A3:
        return 0xFFE1; // POUND SIGN
    case 0x00AC:
        return 0xFFE2; // NOT SIGN
    case 0x00A5:
        return 0x5C; // YEN SIGN -> 0x5C, shown as a yen sign by Japanese fonts
    default:
        return c;
    }
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Encodes one character given as UTF-8; false when CP932 lacks it.
bool encodeOne(std::string_view utf8Char, Bytes& out) {
    const char* in = utf8Char.data();
    size_t left = utf8Char.size();
    const size_t mark = out.size();
    if (encoder().run(in, left, out))
        return true;
    out.resize(mark);
    return false;
}

// Length of the UTF-8 sequence starting with byte c (1 for a stray byte).
size_t utf8Length(unsigned char c) {
    if (c >= 0xF0)
        return 4;
    if (c >= 0xE0)
        return 3;
    if (c >= 0xC0)
        return 2;
    return 1;
}

char32_t decodeUtf8(std::string_view s) {
    const auto b = [&](size_t i) { return static_cast<unsigned char>(s[i]); };
    switch (s.size()) {
    case 2:
        return ((b(0) & 0x1F) << 6) | (b(1) & 0x3F);
    case 3:
        return ((b(0) & 0x0F) << 12) | ((b(1) & 0x3F) << 6) | (b(2) & 0x3F);
    case 4:
        return ((b(0) & 0x07) << 18) | ((b(1) & 0x3F) << 12) | ((b(2) & 0x3F) << 6) | (b(3) & 0x3F);
    default:
        return b(0);
    }
}

} // namespace

std::optional<std::string> toUtf8(std::string_view cp932) {
    if (isAscii(cp932))
        return std::string(cp932);
    std::string out;
    out.reserve(cp932.size() * 3 / 2);
    const char* in = cp932.data();
    size_t left = cp932.size();
    if (!decoder().run(in, left, out))
        return std::nullopt;
    return out;
}

Bytes fromUtf8(std::string_view utf8, bool* lossless) {
    if (lossless)
        *lossless = true;
    if (isAscii(utf8))
        return Bytes(utf8);
    Bytes out;
    out.reserve(utf8.size());
    // Fast path: the whole text at once; the slow path below only when iconv stops.
    const char* in = utf8.data();
    size_t left = utf8.size();
    if (encoder().run(in, left, out))
        return out;
    size_t pos = static_cast<size_t>(in - utf8.data());
    while (pos < utf8.size()) {
        const size_t len =
            std::min(utf8Length(static_cast<unsigned char>(utf8[pos])), utf8.size() - pos);
        const std::string_view one = utf8.substr(pos, len);
        if (!encodeOne(one, out)) {
            std::string variant;
            appendUtf8(variant, cp932Variant(decodeUtf8(one)));
            if (variant == one || !encodeOne(variant, out)) {
                out += '?';
                if (lossless)
                    *lossless = false;
            }
        }
        pos += len;
    }
    return out;
}

QString toQString(std::string_view cp932) {
    if (isAscii(cp932))
        return QString::fromLatin1(cp932.data(), static_cast<qsizetype>(cp932.size()));
    if (auto utf8 = toUtf8(cp932))
        return QString::fromUtf8(utf8->data(), static_cast<qsizetype>(utf8->size()));
    // Invalid somewhere: convert piece by piece, escaping each byte iconv refuses.
    QString result;
    const char* in = cp932.data();
    size_t left = cp932.size();
    while (left > 0) {
        std::string out;
        const bool done = decoder().run(in, left, out);
        result += QString::fromUtf8(out.data(), static_cast<qsizetype>(out.size()));
        if (done)
            break;
        result += QChar(static_cast<char16_t>(0xDC00 + static_cast<unsigned char>(*in)));
        ++in;
        --left;
    }
    return result;
}

Bytes fromQString(const QString& text, bool* lossless) {
    if (lossless)
        *lossless = true;
    Bytes out;
    qsizetype start = 0;
    const auto flush = [&](qsizetype end) {
        if (end <= start)
            return;
        const QByteArray utf8 = text.mid(start, end - start).toUtf8();
        bool ok = true;
        out += fromUtf8(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())), &ok);
        if (!ok && lossless)
            *lossless = false;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text.at(i).unicode();
        if (u >= 0xDC80 && u <= 0xDCFF && !(i > 0 && text.at(i - 1).isHighSurrogate())) {
            flush(i);
            out += static_cast<char>(u - 0xDC00);
            start = i + 1;
        }
    }
    flush(text.size());
    return out;
}

} // namespace torvane::sjis
