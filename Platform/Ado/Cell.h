// Cell: one value of a recordset row, as the recordset keeps it.
//
// A recordset holds every value of every row, a million of them for a large
// query. A com::Variant takes 40 bytes, and a heap block of its own for a
// text longer than 15 bytes; a cell takes 16: numbers, Booleans and dates
// in place, a text of up to 14 bytes in place and a longer one in a single
// heap block. It holds what a field holds: Null, Long, Double, Bool, String
// or Date.
#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>

#include "Com/Variant.h"

namespace ado {

class Cell {
public:
    using Type = com::Variant::Type;

    Cell() noexcept : size_(0), type_(static_cast<uint8_t>(Type::Null)) {}
    explicit Cell(int32_t value) noexcept : Cell(Type::Long) { put(value); }
    explicit Cell(double value) noexcept : Cell(Type::Double) { put(value); }
    explicit Cell(bool value) noexcept : Cell(Type::Bool) { put(value); }
    explicit Cell(com::Date value) noexcept : Cell(Type::Date) { put(value.serial); }
    explicit Cell(std::string_view text) : Cell(Type::String) {
        std::memcpy(room(text.size()), text.data(), text.size());
        settle(text.size());
    }
    // A text of at most `capacity` bytes that `write(char* room)` puts in
    // place, returning its length: a long text decoded from a document goes
    // straight into the cell, never held twice.
    template <class Write>
    static Cell Text(size_t capacity, Write write) {
        Cell cell(Type::String);
        cell.settle(write(cell.room(capacity)));
        return cell;
    }
    // A whole number: a Long when it fits in 32 bits, else a Double; beyond
    // 2^53, where a double would round it, its digits as text.
    static Cell Whole(int64_t value) {
        if (value >= INT32_MIN && value <= INT32_MAX) return Cell(static_cast<int32_t>(value));
        return Wide(value);
    }
    // The value of a Variant; Empty becomes Null. Raises err::TypeMismatch
    // for an object, which no field can hold.
    static Cell From(const com::Variant& value);

    Cell(const Cell& other);
    Cell& operator=(const Cell& other);
    // Moving hands over a heap block and leaves Null behind. These run for
    // every value of every fetched row: they are kept inline.
    Cell(Cell&& other) noexcept : Cell(Type::Null) { takeFrom(other); }
    Cell& operator=(Cell&& other) noexcept {
        if (this != &other) {
            release();
            takeFrom(other);
        }
        return *this;
    }
    ~Cell() { release(); }

    Type type() const noexcept { return static_cast<Type>(type_); }
    bool isNull() const noexcept { return type() == Type::Null; }
    com::Variant toVariant() const;

    // Direct access when the type is known.
    int32_t asLong() const noexcept { return get<int32_t>(); }
    double asDouble() const noexcept { return get<double>(); }
    bool asBool() const noexcept { return get<bool>(); }
    com::Date asDate() const noexcept { return com::Date{get<double>()}; }
    std::string_view asText() const noexcept;

    // Same type and equal value, as com::Variant compares.
    friend bool operator==(const Cell& a, const Cell& b) noexcept {
        if (a.type_ != b.type_) return false;
        switch (a.type()) {
            case Type::Long: return a.asLong() == b.asLong();
            case Type::Double:
            case Type::Date: return a.asDouble() == b.asDouble();
            case Type::Bool: return a.asBool() == b.asBool();
            case Type::String: return a.asText() == b.asText();
            default: return true;
        }
    }

private:
    static constexpr size_t kInline = 14;
    static constexpr uint8_t kOnHeap = 0xff;  // size_ of a text in a heap block

    explicit Cell(Type type) noexcept : size_(0), type_(static_cast<uint8_t>(type)) {}
    // Whole beyond 32 bits.
    static Cell Wide(int64_t value);
    template <class T>
    void put(T value) noexcept {
        std::memcpy(data_, &value, sizeof value);
    }
    template <class T>
    T get() const noexcept {
        T value;
        std::memcpy(&value, data_, sizeof value);
        return value;
    }
    bool onHeap() const noexcept { return size_ == kOnHeap && type() == Type::String; }
    void release() noexcept {
        if (onHeap()) freeBlock();
        size_ = 0;
        type_ = static_cast<uint8_t>(Type::Null);
    }
    void takeFrom(Cell& other) noexcept {
        std::memcpy(static_cast<void*>(this), &other, sizeof(Cell));
        other.size_ = 0;
        other.type_ = static_cast<uint8_t>(Type::Null);
    }
    void freeBlock() noexcept;
    // Room for a text of `capacity` bytes: in place, or a heap block. Most
    // texts of a row are short: those stay inline.
    char* room(size_t capacity) { return capacity <= kInline ? data_ : heapRoom(capacity); }
    char* heapRoom(size_t capacity);
    // The text written into room() is `length` bytes long.
    void settle(size_t length) noexcept {
        if (size_ == kOnHeap) settleHeap(length);
        else size_ = static_cast<uint8_t>(length);
    }
    void settleHeap(size_t length) noexcept;

    // The number, or the bytes of an inline text, or the address of the heap
    // block of a longer one: its length (size_t), then its bytes.
    alignas(8) char data_[kInline];
    uint8_t size_;  // bytes of an inline text, kOnHeap for one in a heap block
    uint8_t type_;
};

static_assert(sizeof(Cell) == 16);

}  // namespace ado
