#ifndef TESTS_GROWSTACK_RESERVAFALLIDA_H_
#define TESTS_GROWSTACK_RESERVAFALLIDA_H_

// While one of these lives, every non-throwing array allocation of the test
// program (new (std::nothrow) T[n]) fails and gives null, as when the free
// store is exhausted. The other allocations work as usual. A memory checker
// that brings allocation functions of its own (valgrind) bypasses this.
class ReservaFallida {
 public:
  ReservaFallida();
  ReservaFallida(const ReservaFallida&) = delete;
  ReservaFallida& operator=(const ReservaFallida&) = delete;
  ~ReservaFallida();
};

#endif  // TESTS_GROWSTACK_RESERVAFALLIDA_H_
