#include "Ado/Cell.h"

#include <charconv>
#include <new>

#include "Ado/AdoError.h"
#include "Ado/ValueText.h"
#include "Com/ComError.h"

namespace ado {

char* Cell::heapRoom(size_t capacity) {
    char* block = static_cast<char*>(::operator new(sizeof capacity + capacity));
    put(block);
    size_ = kOnHeap;
    return block + sizeof capacity;
}

void Cell::settleHeap(size_t length) noexcept {
    char* const block = get<char*>();
    if (length > kInline) {
        std::memcpy(block, &length, sizeof length);
        return;
    }
    // A text that came out short moves in place.
    std::memcpy(data_, block + sizeof length, length);
    ::operator delete(block);
    size_ = static_cast<uint8_t>(length);
}

Cell Cell::Wide(int64_t value) {
    if (FitsDouble(value)) return Cell(static_cast<double>(value));
    char digits[24];
    const char* end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    return Cell(std::string_view(digits, static_cast<size_t>(end - digits)));
}

Cell Cell::From(const com::Variant& value) {
    switch (value.type()) {
        case Type::Empty:
        case Type::Null: return Cell();
        case Type::Long: return Cell(value.asLong());
        case Type::Double: return Cell(value.asDouble());
        case Type::Bool: return Cell(value.asBool());
        case Type::String: return Cell(std::string_view(value.asString()));
        case Type::Date: return Cell(value.asDate());
        case Type::Object: break;
    }
    com::Raise(err::TypeMismatch, "A field cannot hold an object");
}

Cell::Cell(const Cell& other) : Cell(Type::Null) {
    if (other.onHeap())
        *this = Cell(other.asText());
    else
        std::memcpy(static_cast<void*>(this), &other, sizeof(Cell));
}

Cell& Cell::operator=(const Cell& other) {
    if (this != &other) *this = Cell(other);
    return *this;
}

com::Variant Cell::toVariant() const {
    switch (type()) {
        case Type::Long: return com::Variant(asLong());
        case Type::Double: return com::Variant(asDouble());
        case Type::Bool: return com::Variant(asBool());
        case Type::String: return com::Variant(asText());
        case Type::Date: return com::Variant(asDate());
        default: return com::Variant::Null();
    }
}

std::string_view Cell::asText() const noexcept {
    if (size_ != kOnHeap) return {data_, size_};
    const char* block = get<const char*>();
    size_t length;
    std::memcpy(&length, block, sizeof length);
    return {block + sizeof length, length};
}

void Cell::freeBlock() noexcept { ::operator delete(get<char*>()); }

}  // namespace ado
