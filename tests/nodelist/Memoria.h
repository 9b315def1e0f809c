#ifndef TESTS_NODELIST_MEMORIA_H_
#define TESTS_NODELIST_MEMORIA_H_

#include <cstddef>

// What the program allocated and freed through new and delete while the
// memory was watched. Memoria.cpp replaces the global operator new and
// delete of the test program to keep these counts; they live in their own
// file so that the compiler never sees them inlined next to their callers.
struct Memoria {
  int reservas = 0;
  int liberaciones = 0;
  // Allocations of any size other than `tamanioEsperado`.
  int reservasAjenas = 0;
};

// Starts watching: the counts go back to zero. Every allocation of a size
// other than `tamanioEsperado` counts as foreign.
void empezarAVigilar(std::size_t tamanioEsperado);

// Stops watching and returns the counts.
Memoria dejarDeVigilar();

// False when the replacements are not the ones called: a memory checker
// such as valgrind puts its own in their place, and then checks the leaks
// and double frees itself. Defined apart from the replacements, so that
// its calls go through the program's symbols as the list's calls do.
bool memoriaContable();

#endif  // TESTS_NODELIST_MEMORIA_H_
