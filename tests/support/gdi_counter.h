// Counters of the GDI objects the library makes and releases through the platform seam;
// the tests and the form-file benchmark share them. No test framework here.
#ifndef FENWIX_TESTS_SUPPORT_GDI_COUNTER_H
#define FENWIX_TESTS_SUPPORT_GDI_COUNTER_H

#include <windows.h>

namespace test {

// GDI objects made and not yet deleted, counted while a GdiCounter lives: brushes, pens,
// fonts and regions.
class GdiCounter {
 public:
  GdiCounter();
  ~GdiCounter();
  GdiCounter(const GdiCounter&) = delete;
  GdiCounter& operator=(const GdiCounter&) = delete;
  // Those made while it lived and not deleted.
  long live() const;
  // How many more objects there are than when it began: those made and not deleted, less
  // those made before that it saw deleted, as when a brush is made anew for a new colour.
  long added() const;

 private:
  struct Overrides;
  Overrides* overrides_;
};

}  // namespace test

#endif
