#ifndef TESTS_GROWSTACK_RESERVAFALLIDA_H_
#define TESTS_GROWSTACK_RESERVAFALLIDA_H_

// Mientras vive un objeto de esta clase, toda reserva de array sin
// excepciones del programa de pruebas (new (std::nothrow) T[n]) falla y da un
// puntero nulo, como cuando se agota la memoria libre. Las demás reservas
// funcionan como siempre. Un comprobador de memoria que trae sus propias
// funciones de reserva (valgrind) se salta esto.
class ReservaFallida {
 public:
  ReservaFallida();
  ReservaFallida(const ReservaFallida&) = delete;
  ReservaFallida& operator=(const ReservaFallida&) = delete;
  ~ReservaFallida();
};

#endif  // TESTS_GROWSTACK_RESERVAFALLIDA_H_
