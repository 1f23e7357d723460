// Variant: the one value type of the formula engine, VBScript's tagged union of subtypes.
//
// Subtypes (VarType number, TypeName):
//   Empty   (0, "Empty")    a variable never assigned. Reads as 0 in arithmetic and
//                           comparisons with numbers, as "" with texts, as False.
//   Null    (1, "Null")     "no valid data". Propagates through arithmetic, comparisons and
//                           most functions; converting it to a number or text is
//                           "Invalid use of Null"; concatenation treats it as "".
//   Integer (2), Long (3)   16- and 32-bit signed integers. Arithmetic that overflows one
//                           promotes to the next wider subtype (Integer -> Long -> Double).
//   Single  (4), Double (5) floats; Double overflow is the error "Overflow".
//   String  (8)             immutable, shared text (UTF-8 bytes); numbers convert to text by
//                           the float-to-text rule (Single with 7 significant digits).
//                           Text converts to a number only when it reads as one
//                           ("." decimal point, optional exponent, &H hex); else "Type mismatch".
//   Nothing (9, "Nothing")  the empty object reference; the engine has no other objects.
//   Boolean (11)            True is -1 and False is 0 as numbers; "True"/"False" as text.
//   Byte    (17)            0..255.
//   Array   (8204, "Variant()")  one or more dimensions, each from 0 to its upper bound.
//                           Copying a Variant copies the array's contents (VBScript's value
//                           semantics); the copy is deferred until one side is written.
//
// A Variant is 16 bytes; numbers need no heap. Texts and arrays are reference counted
// (atomically: parsed programs holding text literals are shared by every engine).
#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kinemo {

class Variant;

// The contents of an array value. Elements are stored with the first index varying
// fastest, the order For Each visits them.
struct TArrayData {
    std::vector<int32_t> upper;   // upper bound per dimension; empty: dynamic, not dimensioned yet
    std::vector<Variant> items;
    bool fixed = false;           // declared with bounds by Dim: ReDim and Erase keep its size

    size_t Dimensions() const { return upper.size(); }
};

class Variant {
public:
    enum class Type : uint8_t { Empty, Null, Boolean, Byte, Integer, Long, Single, Double, String, Array, Nothing };

    Variant() noexcept : type_(Type::Empty) { u_.d = 0; }
    ~Variant() { Release(); }
    Variant(const Variant& o) noexcept : type_(o.type_), u_(o.u_) { AddRef(); }
    Variant(Variant&& o) noexcept : type_(o.type_), u_(o.u_) { o.type_ = Type::Empty; }
    Variant& operator=(const Variant& o) noexcept {
        if (this != &o) {
            o.AddRef();
            Release();
            type_ = o.type_;
            u_ = o.u_;
        }
        return *this;
    }
    Variant& operator=(Variant&& o) noexcept {
        if (this != &o) {
            Release();
            type_ = o.type_;
            u_ = o.u_;
            o.type_ = Type::Empty;
        }
        return *this;
    }

    static Variant Null() { return Variant(Type::Null); }
    static Variant Nothing() { return Variant(Type::Nothing); }
    static Variant Boolean(bool b) { Variant v(Type::Boolean); v.u_.b = b; return v; }
    static Variant Byte(uint8_t b) { Variant v(Type::Byte); v.u_.i = b; return v; }
    static Variant Integer(int16_t i) { Variant v(Type::Integer); v.u_.i = i; return v; }
    static Variant Long(int32_t i) { Variant v(Type::Long); v.u_.i = i; return v; }
    static Variant Single(float f) { Variant v(Type::Single); v.u_.f = f; return v; }
    static Variant Double(double d) { Variant v(Type::Double); v.u_.d = d; return v; }
    static Variant String(std::string_view text);
    // The narrowest of Integer, Long and Double that holds n (literals, function results).
    static Variant FromInt64(int64_t n);
    static Variant Array(TArrayData data);

    Type GetType() const { return type_; }
    bool IsEmpty() const { return type_ == Type::Empty; }
    bool IsNull() const { return type_ == Type::Null; }
    bool IsString() const { return type_ == Type::String; }
    bool IsArray() const { return type_ == Type::Array; }
    // Byte, Integer, Long, Single, Double (Boolean and Empty are not).
    bool IsNumber() const { return type_ >= Type::Byte && type_ <= Type::Double; }
    int VarType() const;
    const char* TypeName() const;

    // Raw payloads; valid only for the matching subtype.
    bool BoolValue() const { return u_.b; }
    int32_t IntValue() const { return u_.i; }  // Byte, Integer, Long
    float SingleValue() const { return u_.f; }
    double DoubleValue() const { return u_.d; }
    std::string_view StringValue() const;
    const TArrayData& ArrayValue() const;
    // The array for writing: unshares it first.
    TArrayData& MutableArray();

    // VBScript's conversions (CDbl, CLng with banker's rounding, CBool, CStr). They raise
    // "Type mismatch", "Overflow" or "Invalid use of Null" as VBScript does.
    double ToDouble() const;
    int32_t ToLong() const;
    bool ToBool() const;
    std::string ToText() const;
    // As the engine's callers ask: Empty gives 0 or "" (ToText gives "" as well).
    int64_t ToInteger() const { return ToLong(); }

    // The numeric value of a number, Boolean or Empty; false for anything else.
    bool TryNumber(double& out) const;

private:
    explicit Variant(Type t) : type_(t) { u_.d = 0; }
    // Only texts and arrays own heap memory; the checks stay inline so numbers cost nothing.
    bool OwnsHeap() const { return type_ == Type::String || type_ == Type::Array; }
    void AddRef() const noexcept {
        if (OwnsHeap()) AddRefHeap();
    }
    void Release() noexcept {
        if (OwnsHeap()) ReleaseHeap();
    }
    void AddRefHeap() const noexcept;
    void ReleaseHeap() noexcept;

    struct TStringRep;
    struct TArrayRep;
    union Payload {
        bool b;
        int32_t i;
        float f;
        double d;
        TStringRep* s;
        TArrayRep* a;
    };

    Type type_;
    Payload u_;
};

// Reads VBScript numeric text: blanks around, sign, digits with "." and exponent, or &H/&O.
bool ParseVbNumber(std::string_view text, double& out);
// Rounds half to even, as VBScript's integer conversions do.
double RoundHalfEven(double x);

}  // namespace kinemo
