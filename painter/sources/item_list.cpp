#include "painter/sources/item_list.h"

namespace bndx {

CItemList::~CItemList() {
    while (head_)
        RemoveHead();
}

void CItemList::AddTail(void* item) {
    Node* node = new Node{item, nullptr};
    if (tail_)
        tail_->next = node;
    else
        head_ = node;
    tail_ = node;
    ++count_;
}

void* CItemList::RemoveHead() {
    if (!head_)
        return nullptr;
    Node* node = head_;
    void* item = node->item;
    head_ = node->next;
    if (!head_)
        tail_ = nullptr;
    --count_;
    delete node;
    return item;
}

void* CItemList::GetAt(int32_t index) const {
    if (index >= count_)
        return nullptr;
    Node* node = head_;
    for (int32_t i = 0; i < index; ++i)
        node = node->next;
    return node ? node->item : nullptr;
}

} // namespace bndx
