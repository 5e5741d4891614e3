// The caption painter's singly linked list of untyped pointers, holding the lines of a text
// foreground and the entries of a collection. It owns its nodes, never its items.
#pragma once

#include <cstdint>

namespace bndx {

class CItemList {
public:
    CItemList() = default;
    ~CItemList();
    CItemList(const CItemList&) = delete;
    CItemList& operator=(const CItemList&) = delete;

    void AddTail(void* item);
    // The first item, taken off the list; none when the list is empty.
    void* RemoveHead();
    int32_t GetCount() const { return count_; }
    // Walks from the head: an index of 0 or below gives the first item, one not below the count none.
    void* GetAt(int32_t index) const;

private:
    struct Node {
        void* item;
        Node* next;
    };

    int32_t count_ = 0;
    Node* head_ = nullptr;
    Node* tail_ = nullptr;
};

} // namespace bndx
