// RecentTexts: values kept by an SQL text, at most a given number of them,
// the one used least lately making room for a new one. A connection keeps
// in them what it made of the texts it ran (the statement cut from them,
// the statement prepared from them), since a batch runs the same text once
// per row.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ado {

template <class Value>
class RecentTexts {
public:
    explicit RecentTexts(size_t capacity) : capacity_(capacity) {}

    // The value kept for `text`, which now counts as used last; nullptr
    // when there is none.
    Value* find(std::string_view text) {
        for (Entry& e : entries_) {
            if (e.text != text) continue;
            e.lastUse = ++clock_;
            return &e.value;
        }
        return nullptr;
    }

    // Keeps `value` for `text`, which is not kept yet, and returns it. When
    // all places are taken, the value used least lately goes to `drop` and
    // leaves.
    template <class Drop>
    Value& keep(std::string_view text, Value value, Drop drop) {
        if (entries_.size() == capacity_) {
            auto oldest = std::min_element(
                entries_.begin(), entries_.end(),
                [](const Entry& a, const Entry& b) { return a.lastUse < b.lastUse; });
            drop(oldest->value);
            entries_.erase(oldest);
        }
        entries_.push_back({std::string(text), std::move(value), ++clock_});
        return entries_.back().value;
    }
    Value& keep(std::string_view text, Value value) {
        return keep(text, std::move(value), [](Value&) {});
    }

    // The first value that `match` accepts; nullptr when none does.
    template <class Match>
    Value* findIf(Match match) {
        for (Entry& e : entries_)
            if (match(e.value)) return &e.value;
        return nullptr;
    }
    template <class Visit>
    void forEach(Visit visit) {
        for (Entry& e : entries_) visit(e.value);
    }
    void clear() { entries_.clear(); }

private:
    struct Entry {
        std::string text;
        Value value;
        uint64_t lastUse;
    };

    size_t capacity_;
    std::vector<Entry> entries_;
    uint64_t clock_ = 0;
};

}  // namespace ado
