#pragma once

#include <charconv>
#include <concepts>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace qn2 {

// Published properties: each unit class declares, in one place, the values a level file
// stores for it. They can be listed, and read and written by name as text.

enum class tPropertyType : std::uint8_t { Integer, Set, Character, Enumeration, Float, String };

class tPersistent;

struct tPropertyInfo {
  std::string Name;
  tPropertyType Type;
  // Enumerations: the identifier of each value; sets: the name of each member (bit), when
  // the class names them.
  const std::vector<std::string>* Identifiers = nullptr;
  std::function<std::string(const tPersistent&)> Read;
  // Converts and stores the text; false (and nothing stored) when it cannot be converted.
  std::function<bool(tPersistent&, std::string_view)> Write;
};

// The published properties of one class, those of its base classes first.
class tPropertyList {
 public:
  tPropertyList() = default;

  void Add(tPropertyInfo info) { Items.push_back(std::move(info)); }
  // The property with exactly this name, or none.
  const tPropertyInfo* Find(std::string_view name) const;
  const std::vector<tPropertyInfo>& All() const { return Items; }
  // Every property in ascending order of name (the order level files use).
  std::vector<const tPropertyInfo*> SortedByName() const;

 private:
  std::vector<tPropertyInfo> Items;
};

// An object with published properties.
class tPersistent {
 public:
  virtual ~tPersistent() = default;
  virtual const tPropertyList& PublishedProperties() const = 0;
};

// Value text of a property, as a level file stores it.
std::string GetPropertyText(const tPersistent& object, const tPropertyInfo& property);
// Writes a property by name; false when no such property exists or the text does not convert.
bool SetPropertyText(tPersistent& object, std::string_view name, std::string_view text);
std::optional<std::string> GetPropertyText(const tPersistent& object, std::string_view name);

// Identifiers of a yes/no value stored as an enumeration ("False", "True"), as level
// files write the switches of water, force fields and info markers.
const std::vector<std::string>& BooleanNames();

// Text conversions shared by the property types.
std::optional<std::int32_t> ParseIntegerText(std::string_view text);  // decimal, or "$" hex
std::optional<float> ParseFloatText(std::string_view text);
std::string FormatFloatText(float value);
// Index of the identifier, compared without regard to letter case.
std::optional<std::size_t> FindIdentifier(const std::vector<std::string>& identifiers,
                                          std::string_view text);

namespace property_detail {

template <class C, class Access>
auto ReadValue(const C& object, Access access) {
  return std::invoke(access, object);
}

template <class C, class Access, class V>
void WriteValue(C& object, Access access, V value) {
  if constexpr (std::is_member_object_pointer_v<Access>)
    std::invoke(access, object) = value;
  else
    std::invoke(access, object, value);
}

template <class T>
concept BitSet = requires(T t) {
  { t.ToBits() } -> std::integral;
};

}  // namespace property_detail

// Declares the published properties of class C into a list:
//   Publish<tUnit>(list).Integer("InitialX", &tUnit::InitialX, &tUnit::SetInitialX);
// A reader is a data member or a const getter; a writer is a data member or a setter
// method, so setters that check or react to a value run on every write.
template <class C>
class Publish {
 public:
  explicit Publish(tPropertyList& list) : List(list) {}

  template <class R, class W>
  Publish& Integer(std::string name, R reader, W writer) {
    using V =
        std::remove_cvref_t<decltype(property_detail::ReadValue(std::declval<const C&>(), reader))>;
    return Add(
        std::move(name), tPropertyType::Integer, nullptr,
        [reader](const C& c) {
          return std::to_string(static_cast<std::int64_t>(property_detail::ReadValue(c, reader)));
        },
        [writer](C& c, std::string_view text) {
          auto v = ParseIntegerText(text);
          if (!v) return false;
          property_detail::WriteValue(c, writer, static_cast<V>(*v));
          return true;
        });
  }

  // A set is stored as the decimal number of its bits; members[i] names bit i.
  template <class R, class W>
  Publish& Set(std::string name, R reader, W writer) {
    return Set(std::move(name), nullptr, reader, writer);
  }
  template <class R, class W>
  Publish& Set(std::string name, const std::vector<std::string>& members, R reader, W writer) {
    return Set(std::move(name), &members, reader, writer);
  }
  template <class R, class W>
  Publish& Set(std::string name, const std::vector<std::string>* members, R reader, W writer) {
    using V =
        std::remove_cvref_t<decltype(property_detail::ReadValue(std::declval<const C&>(), reader))>;
    return Add(
        std::move(name), tPropertyType::Set, members,
        [reader](const C& c) {
          return std::to_string(SetBits(property_detail::ReadValue(c, reader)));
        },
        [writer](C& c, std::string_view text) {
          auto v = ParseIntegerText(text);
          if (!v) return false;
          property_detail::WriteValue(c, writer, SetFromBits<V>(*v));
          return true;
        });
  }

  template <class R, class W>
  Publish& Character(std::string name, R reader, W writer) {
    return Add(
        std::move(name), tPropertyType::Character, nullptr,
        [reader](const C& c) {
          return std::string(1, static_cast<char>(property_detail::ReadValue(c, reader)));
        },
        [writer](C& c, std::string_view text) {
          property_detail::WriteValue(c, writer, text.empty() ? '\0' : text.front());
          return true;
        });
  }

  // identifiers[i] names the enumeration value i; unknown identifiers are not stored.
  template <class R, class W>
  Publish& Enumeration(std::string name, const std::vector<std::string>& identifiers, R reader,
                       W writer) {
    using V =
        std::remove_cvref_t<decltype(property_detail::ReadValue(std::declval<const C&>(), reader))>;
    const std::vector<std::string>* ids = &identifiers;
    return Add(
        std::move(name), tPropertyType::Enumeration, ids,
        [reader, ids](const C& c) {
          auto i = static_cast<std::size_t>(property_detail::ReadValue(c, reader));
          return i < ids->size() ? (*ids)[i] : std::to_string(i);
        },
        [writer, ids](C& c, std::string_view text) {
          auto i = FindIdentifier(*ids, text);
          if (!i) return false;
          property_detail::WriteValue(c, writer, static_cast<V>(*i));
          return true;
        });
  }

  template <class R, class W>
  Publish& Float(std::string name, R reader, W writer) {
    using V =
        std::remove_cvref_t<decltype(property_detail::ReadValue(std::declval<const C&>(), reader))>;
    return Add(
        std::move(name), tPropertyType::Float, nullptr,
        [reader](const C& c) {
          return FormatFloatText(static_cast<float>(property_detail::ReadValue(c, reader)));
        },
        [writer](C& c, std::string_view text) {
          auto v = ParseFloatText(text);
          if (!v) return false;
          property_detail::WriteValue(c, writer, static_cast<V>(*v));
          return true;
        });
  }

  template <class R, class W>
  Publish& String(std::string name, R reader, W writer) {
    return Add(
        std::move(name), tPropertyType::String, nullptr,
        [reader](const C& c) { return std::string(property_detail::ReadValue(c, reader)); },
        [writer](C& c, std::string_view text) {
          property_detail::WriteValue(c, writer, std::string(text));
          return true;
        });
  }

 private:
  template <class V>
  static std::int64_t SetBits(const V& value) {
    if constexpr (property_detail::BitSet<V>)
      return static_cast<std::int64_t>(value.ToBits());
    else
      return static_cast<std::int64_t>(value);
  }

  template <class V>
  static V SetFromBits(std::int32_t bits) {
    if constexpr (property_detail::BitSet<V>)
      return V::FromBits(static_cast<decltype(std::declval<V>().ToBits())>(bits));
    else
      return static_cast<V>(bits);
  }

  template <class ReadFn, class WriteFn>
  Publish& Add(std::string name, tPropertyType type, const std::vector<std::string>* ids,
               ReadFn read, WriteFn write) {
    tPropertyInfo info;
    info.Name = std::move(name);
    info.Type = type;
    info.Identifiers = ids;
    info.Read = [read](const tPersistent& p) { return read(static_cast<const C&>(p)); };
    info.Write = [write](tPersistent& p, std::string_view text) {
      return write(static_cast<C&>(p), text);
    };
    List.Add(std::move(info));
    return *this;
  }

  tPropertyList& List;
};

}  // namespace qn2
