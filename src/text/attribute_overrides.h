// AttributeOverrides: the flags of a run's or a paragraph's attributes that are stored
// because they differ from the style object's, one bit per attribute.
#pragma once

#include <cstdint>

namespace zeb {

// Reading an attribute gives the override when its flag is set and the style object's value
// otherwise; writing one sets the flag only when the value differs from the style object's,
// so that an attribute equal to its style stores nothing and follows later edits of the style.
template <typename Attribute, typename Flags>
class AttributeOverrides {
 public:
  bool isSet(Attribute attribute) const { return (flags_ & bit(attribute)) != 0; }

 protected:
  bool anySet() const { return flags_ != 0; }
  void clearFlags() { flags_ = 0; }
  void mark(Attribute attribute, bool differs) {
    flags_ = static_cast<Flags>(differs ? flags_ | bit(attribute) : flags_ & ~bit(attribute));
  }
  template <typename T>
  void put(Attribute attribute, T& field, T value, T baseValue) {
    mark(attribute, value != baseValue);
    if (value != baseValue) field = value;
  }
  template <typename T>
  T get(Attribute attribute, const T& field, T baseValue) const {
    return isSet(attribute) ? field : baseValue;
  }

 private:
  static constexpr Flags bit(Attribute attribute) {
    return static_cast<Flags>(Flags{1} << static_cast<unsigned>(attribute));
  }
  Flags flags_ = 0;
};

}  // namespace zeb
