// The Variant value type: sharing of texts and arrays, and VBScript's conversions.
#include "formula/Variant.h"

#include "formula/FormulaError.h"
#include "base/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <new>

namespace kinemo {

struct Variant::TStringRep {
    std::atomic<int32_t> refs;
    uint32_t size;
    char data[1];
};

struct Variant::TArrayRep {
    std::atomic<int32_t> refs;
    TArrayData data;
};

void Variant::AddRefHeap() const noexcept {
    if (type_ == Type::String) u_.s->refs.fetch_add(1, std::memory_order_relaxed);
    else u_.a->refs.fetch_add(1, std::memory_order_relaxed);
}

void Variant::ReleaseHeap() noexcept {
    if (type_ == Type::String) {
        if (u_.s->refs.fetch_sub(1, std::memory_order_acq_rel) == 1) std::free(u_.s);
    } else if (u_.a->refs.fetch_sub(1, std::memory_order_acq_rel) == 1) {
        delete u_.a;
    }
    type_ = Type::Empty;
}

Variant Variant::String(std::string_view text) {
    Variant v(Type::String);
    void* mem = std::malloc(offsetof(TStringRep, data) + text.size() + 1);
    if (!mem) VbFail(EVbError::kOutOfMemory);
    auto* rep = static_cast<TStringRep*>(mem);
    new (&rep->refs) std::atomic<int32_t>(1);
    rep->size = static_cast<uint32_t>(text.size());
    if (!text.empty()) std::memcpy(rep->data, text.data(), text.size());
    rep->data[text.size()] = '\0';
    v.u_.s = rep;
    return v;
}

Variant Variant::FromInt64(int64_t n) {
    if (n >= INT16_MIN && n <= INT16_MAX) return Integer(static_cast<int16_t>(n));
    if (n >= INT32_MIN && n <= INT32_MAX) return Long(static_cast<int32_t>(n));
    return Double(static_cast<double>(n));
}

Variant Variant::Array(TArrayData data) {
    Variant v(Type::Array);
    v.u_.a = new TArrayRep{{1}, std::move(data)};
    return v;
}

std::string_view Variant::StringValue() const { return {u_.s->data, u_.s->size}; }

const TArrayData& Variant::ArrayValue() const { return u_.a->data; }

TArrayData& Variant::MutableArray() {
    if (u_.a->refs.load(std::memory_order_acquire) != 1) {
        auto* copy = new TArrayRep{{1}, u_.a->data};
        ReleaseHeap();
        type_ = Type::Array;
        u_.a = copy;
    }
    return u_.a->data;
}

int Variant::VarType() const {
    switch (type_) {
        case Type::Empty: return 0;
        case Type::Null: return 1;
        case Type::Integer: return 2;
        case Type::Long: return 3;
        case Type::Single: return 4;
        case Type::Double: return 5;
        case Type::String: return 8;
        case Type::Nothing: return 9;
        case Type::Boolean: return 11;
        case Type::Byte: return 17;
        case Type::Array: return 8204;
    }
    return 0;
}

const char* Variant::TypeName() const {
    switch (type_) {
        case Type::Empty: return "Empty";
        case Type::Null: return "Null";
        case Type::Integer: return "Integer";
        case Type::Long: return "Long";
        case Type::Single: return "Single";
        case Type::Double: return "Double";
        case Type::String: return "String";
        case Type::Nothing: return "Nothing";
        case Type::Boolean: return "Boolean";
        case Type::Byte: return "Byte";
        case Type::Array: return "Variant()";
    }
    return "Empty";
}

bool Variant::TryNumber(double& out) const {
    switch (type_) {
        case Type::Empty: out = 0; return true;
        case Type::Boolean: out = u_.b ? -1 : 0; return true;
        case Type::Byte:
        case Type::Integer:
        case Type::Long: out = u_.i; return true;
        case Type::Single: out = u_.f; return true;
        case Type::Double: out = u_.d; return true;
        default: return false;
    }
}

double Variant::ToDouble() const {
    double d;
    if (TryNumber(d)) return d;
    if (type_ == Type::String) {
        if (ParseVbNumber(StringValue(), d)) return d;
        VbFail(EVbError::kTypeMismatch);
    }
    if (type_ == Type::Null) VbFail(EVbError::kInvalidUseOfNull);
    VbFail(EVbError::kTypeMismatch);
}

int32_t Variant::ToLong() const {
    if (type_ == Type::Byte || type_ == Type::Integer || type_ == Type::Long) return u_.i;
    const double r = RoundHalfEven(ToDouble());
    if (!(r >= -2147483648.0 && r <= 2147483647.0)) VbFail(EVbError::kOverflow);
    return static_cast<int32_t>(r);
}

namespace {

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x + 32);
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y + 32);
        if (x != y) return false;
    }
    return true;
}

std::string_view Trimmed(std::string_view t) {
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.remove_prefix(1);
    while (!t.empty() && (t.back() == ' ' || t.back() == '\t')) t.remove_suffix(1);
    return t;
}

}  // namespace

bool Variant::ToBool() const {
    double d;
    if (TryNumber(d)) return d != 0;
    if (type_ == Type::String) {
        std::string_view t = Trimmed(StringValue());
        if (EqualsNoCase(t, "true")) return true;
        if (EqualsNoCase(t, "false")) return false;
        if (ParseVbNumber(t, d)) return d != 0;
        VbFail(EVbError::kTypeMismatch);
    }
    if (type_ == Type::Null) VbFail(EVbError::kInvalidUseOfNull);
    VbFail(EVbError::kTypeMismatch);
}

std::string Variant::ToText() const {
    switch (type_) {
        case Type::Empty: return {};
        case Type::Boolean: return u_.b ? "True" : "False";
        case Type::Byte:
        case Type::Integer:
        case Type::Long: return std::to_string(u_.i);
        case Type::Single: return FloatToText(u_.f, 7);
        case Type::Double: return FloatToText(u_.d);
        case Type::String: return std::string(StringValue());
        case Type::Null: VbFail(EVbError::kInvalidUseOfNull);
        default: VbFail(EVbError::kTypeMismatch);
    }
}

bool ParseVbNumber(std::string_view text, double& out) {
    std::string_view t = Trimmed(text);
    if (t.empty()) return false;
    bool negative = false;
    if (t.front() == '+' || t.front() == '-') {
        negative = t.front() == '-';
        t.remove_prefix(1);
        t = Trimmed(t);
    }
    if (t.size() >= 2 && t[0] == '&') {
        int base = 8;
        size_t i = 1;
        if (t[1] == 'h' || t[1] == 'H') base = 16, i = 2;
        else if (t[1] == 'o' || t[1] == 'O') i = 2;
        if (i >= t.size() || t.size() - i > 11) return false;
        uint64_t v = 0;
        auto r = std::from_chars(t.data() + i, t.data() + t.size(), v, base);
        if (r.ec != std::errc() || r.ptr != t.data() + t.size()) return false;
        // Hex text up to 16 bits reads as Integer, up to 32 as Long: both two's complement.
        if (v <= 0xFFFF) out = static_cast<int16_t>(v);
        else if (v <= 0xFFFFFFFFull) out = static_cast<int32_t>(v);
        else return false;
        if (negative) out = -out;
        return true;
    }
    size_t i = 0, digits = 0;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i, ++digits;
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i, ++digits;
    }
    if (digits == 0) return false;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E' || t[i] == 'd' || t[i] == 'D')) {
        size_t j = i + 1;
        if (j < t.size() && (t[j] == '+' || t[j] == '-')) ++j;
        size_t expDigits = 0;
        while (j < t.size() && t[j] >= '0' && t[j] <= '9') ++j, ++expDigits;
        if (expDigits == 0) return false;
        i = j;
    }
    if (i != t.size()) return false;
    std::string copy(t);
    for (char& c : copy)
        if (c == 'd' || c == 'D') c = 'e';
    double v = 0;
    auto r = std::from_chars(copy.data(), copy.data() + copy.size(), v);
    if (r.ec != std::errc() || !std::isfinite(v)) return false;
    out = negative ? -v : v;
    return true;
}

double RoundHalfEven(double x) {
    const double f = std::floor(x);
    const double diff = x - f;
    if (diff > 0.5) return f + 1;
    if (diff < 0.5) return f;
    return std::fmod(f, 2.0) == 0 ? f : f + 1;
}

}  // namespace kinemo
