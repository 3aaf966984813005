#pragma once

#include <algorithm>
#include <cstddef>
#include <memory>
#include <vector>

namespace qn2 {

// A list that owns its objects. Clearing or destroying it frees them last to first,
// so objects added later (which may refer to earlier ones) go first.
template <class T>
class tOwnerList {
 public:
  tOwnerList() = default;
  tOwnerList(const tOwnerList&) = delete;
  tOwnerList& operator=(const tOwnerList&) = delete;
  ~tOwnerList() { Clear(); }

  T* Add(std::unique_ptr<T> item) {
    Items.push_back(std::move(item));
    return Items.back().get();
  }

  // Frees every object, last to first.
  void Clear() {
    while (!Items.empty()) Items.pop_back();
  }

  // Frees the object at the index; later objects move up.
  void Delete(std::size_t index) {
    Items.erase(Items.begin() + static_cast<std::ptrdiff_t>(index));
  }

  // Frees every object the predicate selects, keeping the order of the rest.
  template <class Pred>
  void DeleteIf(Pred pred) {
    std::erase_if(Items, [&](const std::unique_ptr<T>& p) { return pred(*p); });
  }

  // Gives up ownership of the object without freeing it.
  std::unique_ptr<T> Extract(std::size_t index) {
    std::unique_ptr<T> item = std::move(Items[index]);
    Items.erase(Items.begin() + static_cast<std::ptrdiff_t>(index));
    return item;
  }

  int IndexOf(const T* item) const {
    for (std::size_t i = 0; i < Items.size(); ++i)
      if (Items[i].get() == item) return static_cast<int>(i);
    return -1;
  }

  std::size_t Count() const { return Items.size(); }
  bool Empty() const { return Items.empty(); }
  T* operator[](std::size_t index) const { return Items[index].get(); }
  T* Last() const { return Items.empty() ? nullptr : Items.back().get(); }

  auto begin() const { return Items.begin(); }
  auto end() const { return Items.end(); }

 private:
  std::vector<std::unique_ptr<T>> Items;
};

}  // namespace qn2
