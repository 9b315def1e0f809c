#ifndef TESTS_COMUN_TERMINALDEPRUEBA_H_
#define TESTS_COMUN_TERMINALDEPRUEBA_H_

#include <sys/resource.h>
#include <sys/types.h>
#include <termios.h>

#include <string>
#include <vector>

// Lo que cambia, si se pide, en cómo arranca un programa en su terminal.
struct Arranque {
  // La salida estándar en este descriptor (una tubería, un fichero) en vez
  // del terminal; la entrada y los errores siguen en el terminal.
  int salida = -1;
  // Las señales que el programa recibe ignoradas, como bajo nohup.
  std::vector<int> ignoradas;
  // El tamaño máximo de un fichero que escriba (RLIMIT_FSIZE).
  rlim_t limiteDeFichero = RLIM_INFINITY;
  // El terminal sin bloqueo (O_NONBLOCK), como lo dejaría otro programa.
  bool sinBloqueo = false;
};

// Ejecuta un programa en un pseudoterminal propio, como un intérprete de
// órdenes interactivo ejecuta un trabajo en primer plano: el terminal es el
// terminal de control de una sesión nueva, y el programa corre en un grupo de
// procesos propio que tiene el primer plano del terminal. El líder de la sesión
// es un pequeño proceso guardián, padre del programa, que sigue en la sesión
// toda la ejecución: así el grupo del programa no queda huérfano (y Ctrl+Z lo
// para de verdad), y el guardián pasa a la prueba cada parada y el estado
// final.
//
// La prueba teclea en el lado maestro, lee lo que el programa escribe y lee
// el modo del terminal en el lado esclavo, que mantiene abierto toda la
// ejecución. Toda espera tiene un plazo. Al destruirse, mata al programa y a
// su guardián si siguen vivos.
//
// Como un intérprete de órdenes, el guardián puede tomar el primer plano del
// terminal para su propio grupo y devolvérselo al programa (primerPlano).
class TerminalDePrueba {
 public:
  // Cuánto puede tardar algo que tiene que ocurrir.
  static constexpr int kEsperaMs = 5000;

  // Cuánto se observa una espera que debe seguir: si en ese tiempo no se
  // muestra nada y el programa ni termina ni se para, sigue esperando.
  static constexpr int kSigueEsperandoMs = 300;

  // Abre un terminal en el modo `modo`, o en el modo por omisión del
  // sistema; `abierta()` dice si se pudo.
  explicit TerminalDePrueba(const termios& modo) : TerminalDePrueba(&modo) {}
  TerminalDePrueba() : TerminalDePrueba(nullptr) {}
  ~TerminalDePrueba();

  TerminalDePrueba(const TerminalDePrueba&) = delete;
  TerminalDePrueba& operator=(const TerminalDePrueba&) = delete;

  bool abierta() const { return maestro_ >= 0; }

  // Arranca `argumentos[0]` con esos argumentos, con la entrada, la salida y
  // los errores estándar en el terminal y cada señal en su acción por
  // omisión, salvo lo que diga `arranque`. Una sola vez.
  bool lanzar(const std::vector<std::string>& argumentos,
              const Arranque& arranque = Arranque());

  // Escribe `bytes` en el lado maestro, como si se teclearan.
  void teclear(const std::string& bytes);

  // Envía la señal `senal` al programa.
  void enviarSenal(int senal);

  // Da el primer plano del terminal al grupo del programa (`alPrograma`) o
  // al del guardián, como un intérprete de órdenes que recupera el terminal;
  // espera a que el terminal lo diga.
  bool primerPlano(bool alPrograma);

  // ¿Sigue el terminal sin bloqueo (O_NONBLOCK)?
  bool sinBloqueo() const;

  // Lee lo que escribe el programa hasta que todo lo mostrado, desde la
  // posición `desde`, contiene `texto`. Falso si tarda más de `esperaMs`.
  bool esperarSalida(const std::string& texto, int esperaMs = kEsperaMs,
                     size_t desde = 0);

  // Lee lo que escribe el programa durante `esperaMs`.
  void recogerSalida(int esperaMs);

  // Lee lo que escribe el programa hasta que espera entrada: duerme, ha
  // escrito desde la espera anterior (cada espera va tras su escritura) y su
  // cuenta de escrituras no cambia. Las cuentas son las de /proc (Linux).
  // Devuelve false si antes termina o se para, o si pasa `esperaMs`.
  bool esperarEspera(int esperaMs = kEsperaMs);

  // Todo lo que el terminal ha mostrado: la salida del programa y el eco.
  const std::string& salida() const { return salida_; }

  // El modo del terminal en este momento.
  termios modo() const;

  // Espera a que el terminal deje el modo de líneas (`sinLineas`) o vuelva a
  // él: la marca ICANON distingue un modo de tecla del normal.
  bool esperarModo(bool sinLineas, int esperaMs = kEsperaMs);

  // Espera el siguiente cambio de estado del programa, una parada o su fin,
  // tal como lo da waitpid. Falso si no llega en `esperaMs`.
  bool esperarEstado(int& estado, int esperaMs = kEsperaMs);

 private:
  // Abre el terminal en el modo `*modo`, o en el de omisión si es nulo.
  explicit TerminalDePrueba(const termios* modo);

  // Lo que hace el guardián tras el fork; nunca vuelve.
  [[noreturn]] void guardar(const std::vector<char*>& argv, int avisos,
                            const Arranque& arranque);

  // Añade a `salida_` lo que dé el lado maestro en `esperaMs`, en una sola
  // lectura. Falso si no llegó nada.
  bool leerMaestro(int esperaMs);

  int maestro_;  // el lado maestro, donde la prueba teclea y lee
  int esclavo_;  // el lado esclavo, abierto para leer el modo cuando sea
  int estados_;  // lado de lectura de la tubería con los estados del guardián

  pid_t guardian_;   // el guardián, hijo de la prueba; -1 antes de `lanzar`
  pid_t programa_;   // el programa, hijo del guardián; -1 hasta que se sabe
  bool terminado_;   // ya se ha recibido el fin del programa
  long escrituras_;  // las escrituras del programa en su última espera

  std::string salida_;
};

// Cómo muestra el terminal `texto`, escrito o tecleado en modo de líneas:
// cada fin de línea como retorno de carro y salto de línea; un fin de
// entrada tecleado (Ctrl+D) no muestra nada.
std::string enTerminal(const std::string& texto);

#endif  // TESTS_COMUN_TERMINALDEPRUEBA_H_
