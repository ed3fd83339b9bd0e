// The windows told when the main container is reset (its OnBeforeNew and OnAfterNew): the
// separate page windows, the contents sidebar and whatever else shows the book's objects.
#pragma once

#include <vector>

namespace zeb::shell {

class ContainerListener {
 public:
  virtual ~ContainerListener() = default;
  // The container is about to drop every object: let go of them.
  virtual void containerResetting() {}
  // The container holds another (or an empty) book.
  virtual void containerReset() {}
  // The book is read in another code page: its texts show anew.
  virtual void textEncodingChanged() {}
};

class ContainerListeners {
 public:
  // A listener joins once; it must leave before it is destroyed.
  void join(ContainerListener& listener);
  void leave(ContainerListener& listener);

  // Each listener is told in the order they joined; one that throws is passed over and the
  // others are still told. A listener may leave (or another join) while they are told.
  void resetting();
  void reset();
  void textEncodingChanged();

  std::size_t size() const { return listeners_.size(); }

 private:
  template <typename Call>
  void tellEach(Call call);

  std::vector<ContainerListener*> listeners_;
};

}  // namespace zeb::shell
