#ifndef CONSOLA_PANTALLA_H_
#define CONSOLA_PANTALLA_H_

namespace consola {

class EntradaEstandar;
class SalidaEstandar;

// Hace los dos controles de pantalla de los diálogos, limpiar y pausar, que
// se ven iguales en todas las plataformas. Donde la plataforma tiene un
// intérprete de órdenes que los hace (Windows), usa sus órdenes "cls" y
// "pause"; en las demás, los hace la capa, sin lanzar ningún proceso. Cómo se
// hace cada uno se decide una sola vez, al construirla, según la entrada y la
// salida estándar sean terminales o no.
class Pantalla {
 public:
  Pantalla(EntradaEstandar& entrada, SalidaEstandar& salida);
  ~Pantalla() = default;

  Pantalla(const Pantalla&) = delete;
  Pantalla& operator=(const Pantalla&) = delete;

  // Limpia la pantalla. En un terminal con control del cursor, lleva el
  // cursor al principio y borra la pantalla y lo que quedó atrás. En una
  // tubería, en un fichero o en un terminal con TERM sin poner, vacía o
  // "dumb", escribe un salto de página, que en una transcripción guardada
  // deja ver dónde acaba cada pantalla.
  void limpiar();

  // Escribe "Presione una tecla para continuar . . . ", espera una pulsación
  // nueva si la entrada estándar es un terminal (nunca si no lo es) y acaba
  // la línea. Las respuestas escritas por adelantado, y un final de la
  // entrada escrito por adelantado, se guardan para las lecturas de después;
  // ninguna de ellas es la tecla. El aviso se escribe antes de que cambie el
  // modo del terminal. Si el programa se para y sigue durante la espera, vuelve
  // a escribir el aviso en una línea propia; en segundo plano, espera sin tocar
  // el terminal.
  void pausar();

 private:
  // Cómo se limpia la pantalla.
  enum class Limpieza {
    kInterprete,    // la orden "cls" del intérprete
    kSecuencia,     // la secuencia de escape de un terminal
    kSaltoDePagina  // un salto de página
  };
  // Cómo se espera en la pausa.
  enum class Pausa {
    kInterprete,  // la orden "pause" del intérprete, con su propio aviso
    kTecla,       // el aviso y una pulsación nueva en el terminal
    kSinEspera    // el aviso, sin esperar nada
  };

  static Limpieza elegirLimpieza();
  static Pausa elegirPausa();

  // Espera la pulsación de la pausa en un terminal.
  void esperarPulsacion();

  EntradaEstandar& entrada_;
  SalidaEstandar& salida_;
  Limpieza limpieza_;
  Pausa pausa_;
};

}  // namespace consola

#endif  // CONSOLA_PANTALLA_H_
