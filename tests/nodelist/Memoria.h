#ifndef TESTS_NODELIST_MEMORIA_H_
#define TESTS_NODELIST_MEMORIA_H_

#include <cstddef>

// Lo que el programa reservó y liberó con new y delete mientras se vigilaba
// la memoria. Memoria.cpp sustituye los operator new y delete globales del
// programa de pruebas para llevar estas cuentas; están en un fichero propio
// para que el compilador nunca los vea en línea junto a quien los llama.
struct Memoria {
  int reservas = 0;
  int liberaciones = 0;
  // Reservas de cualquier tamaño distinto de `tamanioEsperado`.
  int reservasAjenas = 0;
};

// Empieza a vigilar: las cuentas vuelven a cero. Toda reserva de un tamaño
// distinto de `tamanioEsperado` cuenta como ajena.
void empezarAVigilar(std::size_t tamanioEsperado);

// Deja de vigilar y devuelve las cuentas.
Memoria dejarDeVigilar();

// Falso si no se llama a estas sustituciones: un comprobador de memoria como
// valgrind pone las suyas en su lugar, y entonces es él quien comprueba las
// fugas y las liberaciones dobles. Se define aparte de las sustituciones
// para que sus llamadas pasen por los símbolos del programa, igual que las
// de la lista.
bool memoriaContable();

#endif  // TESTS_NODELIST_MEMORIA_H_
